#include "world/sky.h"

#include "platform/random.h"

void VerteileWolken() {
    auto verteile = [](auto& sprites) {
        for (DriftSprite& s : sprites) {
            s.x = float(Zufall() % 1600);
            s.z = float(Zufall() % 1180);
        }
    };
    verteile(DriftSchichtB);
    verteile(DriftSchichtA);
    verteile(Wolken);
}
