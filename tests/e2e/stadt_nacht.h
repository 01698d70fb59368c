#pragma once
// The town frame the drawing is measured and pinned with: town 0 at night in the rain with 60
// figures and every effect on (SHADOW 3, VEGETATION, PARTIKEL 2, CLOUDS, FOG, DETAILMAP), the
// camera over the busy middle of the town. bench/stadt_frame.cpp measures it, the test of the
// town picture compares it with a stored picture. The game must be in town 0 already.
#include <algorithm>
#include <iterator>
#include <vector>

#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "platform/window.h"
#include "world/records.h"
#include "world/spawnen.h"
#include "world/spielglobals.h"

class StadtNacht {
public:
    // Switches every effect on, makes it night in the rain, brings the town up to 60 persons and
    // lets 30 frames pass (sorted, lit, the rain falling); what Festhalten holds is taken after them.
    void Einrichten()
    {
        SetupWerte.SHADOW = 3;
        SetupWerte.VEGETATION = 1;
        SetupWerte.PARTIKEL = 2;
        SetupWerte.CLOUDS = 1;
        SetupWerte.FOG = 1;
        SetupWerte.DETAILMAP = 1;
        // The shadow layer as a game started with SHADOW 3 has it, the frame's size: the demo settings
        // start with SHADOW 1, whose 512 x 512 layer would be stretched over the frame.
        ErstelleSchattenTexture();
        SetupWerte.FRAMERATE = 0;  // no pacing: the frame's own time is measured
        RegenAktiv = 1;
        LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = 0.32f;  // night, getting lighter slowly
        LichtZustand[0].Farbe[2] = 0.3f;
        TagRichtung = 1;
        for (int versuch = 0; versuch < 20 && Personen() < 60; ++versuch) ErzeugeFiguren(60 - Personen(), 0);
        // The pointer stays mid-screen: at a screen edge it would scroll the camera every frame.
        win::PostMessage(win::msg::MouseMove, 0, win::MakeLParam(512, 300));
        for (int i = 0; i < 30; ++i) FrameSchritt();
        figuren_.assign(std::begin(Figuren), std::end(Figuren));
        sonne_ = LichtZustand[0];
    }

    // Before every frame: the figures and the night held as they were, the welcome hint closed as a
    // player closes it, the camera in place. Rain, particles and chatter still move.
    void Festhalten() const
    {
        std::copy(figuren_.begin(), figuren_.end(), Figuren);
        LichtZustand[0] = sonne_;
        HinweisSichtbar = 0;
        Cam.Set(300.0f, 250.0f, 190.0f, 300.0f, 237.0f, 200.0f, 0.0f, 1.0f, 0.0f);
    }

    static int Personen()
    {
        int n = 0;
        for (const FigurRecord& f : Figuren)
            if (f.Aktiv == 1 && f.Typ >= 1 && f.Typ <= 18) ++n;
        return n;
    }

private:
    std::vector<FigurRecord> figuren_;
    LichtRecord sonne_{};
};
