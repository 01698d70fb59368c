#pragma once
// The town interface on the recording device: a cleared town 0 of 118 x 118 cells in mode 1000, the
// camera looking straight down so that the mouse at the screen's centre points at a chosen place,
// and helpers for figures and mouse presses.
#include <string>
#include <vector>

#include "framework/services_interaction.h"
#include "framework/shell.h"
#include "framework/szene.h"
#include "interaction/handler.h"
#include "interaction/steuerung.h"
#include "interaction/tutorial.h"
#include "platform/os.h"
#include "platform/window.h"
#include "tests/frontend/frontend_fixture.h"
#include "tests/world/sim_fixture.h"
#include "world/anzeige.h"

class SteuerungTest : public FrontendTest {
protected:
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        FrontendTest::SetUp();
        LeereWelt();
        StadtTabelle[0].GitterBreite = StadtTabelle[0].GitterHoehe = GITTER_GROESSE;
        AktuelleStadt = 0;
        SpielModus = 1000;
        BefehlsModus = 3;
        CursorIndex = 2;
        for (int32_t& id : AuswahlSlots) id = KEINE_FIGUR;
        TutorialSchritt = 0;
        EditorAktiv = 0;
        TooltipNummer = 0;
        for (SchwebeText& t : SchwebeTexte) t = SchwebeText{};
        for (int32_t& z : ZeilenTimer) z = 0;
        AktivesFensterOhneTakt();
        win::SetWindowProc(WndProc);
        os::CaptureMessageBoxes(&meldungen);
        Blick(300, 400);
        MyApp.PickX = 30;
        MyApp.PickY = 40;
        Maus(512, 384);
        dev->ClearCalls();
    }

    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        win::PumpMessages();  // nothing a test posted is left for the next
        BeendenFlag = 0;
        FrontendTest::TearDown();
    }

    // The camera straight above (x, z): the screen's centre shows that point.
    static void Blick(float x, float z)
    {
        Cam.Set(x, 100, z, x, 0, z, 0, 0, 1);
        Szene.Setze3DKamera();
    }

    // A living person (or any record) of this type standing at (x, z), idle, with id index + 1.
    static FigurRecord& Figur(int i, int typ, float x, float z)
    {
        FigurRecord& f = Mitglied(Figuren, i, typ, false);
        f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = x;
        f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = z;
        f.Befehl = f.Zustand = 1;
        f.ZielId = KEINE_FIGUR;
        return f;
    }

    // A squad member in the squad bar's slot (and the active one when it is slot 0).
    static FigurRecord& ImSlot(int slot, int i, int typ, float x = 100, float z = 100)
    {
        FigurRecord& f = Figur(i, typ, x, z);
        AuswahlSlots[slot] = f.Id;
        return f;
    }

    static void Links(int x, int y)
    {
        Maus(x, y);
        MausLinksGedrueckt = 1;
        InterfaceSteuerung();
    }
    static void LinksLos(int x, int y)
    {
        Maus(x, y);
        MausLinksLosgelassen = 1;
        InterfaceSteuerung();
    }
    static int Marker()
    {
        int n = 0;
        for (const FigurRecord& f : Figuren) n += f.Aktiv == 1 && f.Typ == 10001;
        return n;
    }
};
