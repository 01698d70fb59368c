#pragma once
// The world cleared, the recording device as the screen, an active window with a keyboard whose keys
// the test holds down, and speech that is over at once (no sound output in the tests).
#include <gtest/gtest.h>

#include <initializer_list>

#include "framework/frame.h"
#include "framework/keyboard.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "interaction/tutorial.h"
#include "platform/keyboard.h"
#include "platform/window.h"
#include "tests/world/sim_fixture.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "townview/hud.h"

class DialogTest : public ::testing::Test {
protected:
    AufzeichnungsGeraet geraet;

    void SetUp() override
    {
        LeereWelt();
        AktivesFensterOhneTakt();
        kbd::ClearForcedKeys();
        win::SetWindowProc(WndProc);
        win::PumpMessages();
        NimmTastenDruecke();  // no press of an earlier test is left
        ErstelleDirectInput();
        ErstelleTastatur();
        std::memset(TastenStatus, 0, sizeof TastenStatus);
        TastenVerzoegerung = 0;
        TutorialSchritt = 0;
        TutorialBlinkZaehler = 0;
        GespraechsPhase = 0;
        StadtBildGezeichnet = 1;
        EditorAktiv = 0;
        AuswahlIndex = 0;
        for (int32_t& s : AuswahlSlots) s = KEINE_FIGUR;
        StadtTabelle[0].GitterBreite = StadtTabelle[0].GitterHoehe = 118;
        MyApp.MausX = MyApp.MausY = 400;
    }
    void TearDown() override { kbd::ClearForcedKeys(); }

public:
    // A figure in use at record `index` with id index + 1, standing at cell (x, z).
    static FigurRecord& Figur(int index, int typ, int x = 50, int z = 50)
    {
        FigurRecord& f = Mitglied(Figuren, index, typ, false);
        f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = float(x * 10);
        f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = float(z * 10);
        f.ZielId = KEINE_FIGUR;
        f.Befehl = f.Zustand = 1;
        return f;
    }

protected:
    // The keys held during one call of the keyboard handler.
    // Shift goes down first, so the other keys' presses carry it.
    static void Tasten(std::initializer_list<uint8_t> tasten)
    {
        kbd::ClearForcedKeys();
        for (uint8_t t : tasten)
            if (t == kbd::dik::LShift || t == kbd::dik::RShift) kbd::ForceKey(t, true);
        for (uint8_t t : tasten) kbd::ForceKey(t, true);
        win::PumpMessages();
        VerarbeiteTastatur();
        kbd::ClearForcedKeys();
    }

    // A left press at (x, y), as the window procedure leaves it for the handlers.
    static void Druck(int x, int y)
    {
        MyApp.MausX = x;
        MyApp.MausY = y;
        MausLinksGedrueckt = 1;
    }

    // Items of every id lying anywhere: bags, table, mouse, floor.
    static int Anzahl(int item)
    {
        int n = 0;
        auto zaehle = [&](const ItemSlot& s) {
            if (s.ItemId == item) n += s.ItemAnzahl;
        };
        for (const FigurRecord& f : Figuren) {
            if (f.Aktiv != 1) continue;
            if (f.Typ == item) n += f.Anzahl;
            for (int r = 0; r < 2; ++r)
                for (const ItemSlot& s : f.Inventar[r]) zaehle(s);
        }
        for (const ItemSlot& s : HandelsSlots) zaehle(s);
        for (const ItemSlot& s : TauschSlotsTrupp) zaehle(s);
        if (CursorItem == item) n += CursorItemAnzahl;
        return n;
    }
};
