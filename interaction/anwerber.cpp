// The recruiter of the tutorial town: one spoken line and two choices, go on with the tutorial or
// start the game proper in town 0.
#include "framework/font.h"
#include "framework/setup.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/conversation.h"
#include "interaction/sprache.h"
#include "interaction/szenen.h"
#include "interaction/tutorial.h"
#include "world/new_game.h"
#include "world/records.h"

void AnwerberDialog() {
    if (GespraechsPhase == 0) {
        SprichZeile("Data/Speak/Anwerber/0175.wav");
        GespraechsPhase = 1;
    }
    ZeichneBild(139, 256, 100, 512, 512);
    ZeichneBild(262, 297, 238, 64, 64);
    ZeichneZentriert(Sprache == 2 ? "\xC4\xE6\xEE\xED\xF1\xEE\xED" : "Johnson", 328, 317, 2);
    ZeichneSchrift(TextStandard[185], 399, 229, 2);

    if (SzenenWahl(1, 186, 435)) {
        StoppeZeile();
        GespraechsPhase = 0;
        SchliesseSzene();
        TutorialSchritt = 4;
        // The recruiter's own cell loses its entrance, whichever cell opened the scene.
        StadtGitter[kAnwerberX][kAnwerberZ].Eingang = 0;
    }
    if (SzenenWahl(2, 187, 450)) {
        StoppeZeile();
        GespraechsPhase = 0;
        // A refused start (a missing template) has told the player why; the recruiter waits, silent.
        if (!StarteStadtNull()) GespraechsPhase = 1;
    }
}
