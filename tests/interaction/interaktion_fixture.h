#pragma once
// A cleared town for the interaction tests: member 0 selected (figure id 1), the mouse empty, the
// pointer placed by hand, MyApp on the recording device so the scenes can draw.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "framework/keyboard.h"
#include "framework/myapp.h"
#include "framework/shell.h"
#include "interaction/tutorial.h"
#include "platform/gfx_recording.h"
#include "platform/keyboard.h"
#include "world/anzeige.h"
#include "world/records.h"

class InteraktionTest : public ::testing::Test {
protected:
    void SetUp() override {
        MyApp.m_pd3dDevice = std::make_unique<gfx::RecordingDevice>();
        MyApp.CreateQuad();
        std::memset(Figuren, 0, sizeof Figuren);
        for (int i = 0; i < FIGUREN_ANZAHL; ++i) Figuren[i].Id = int16_t(i + 1);
        std::memset(Behaelter, 0, sizeof Behaelter);
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(StadtTabelle, 0, sizeof StadtTabelle);
        std::memset(TastenStatus, 0, sizeof TastenStatus);
        AktuelleStadt = 0;
        StadtTabelle[0].GitterBreite = StadtTabelle[0].GitterHoehe = GITTER_GROESSE;
        CursorItem = CursorItemAnzahl = 0;
        AngebotSlot = ItemSlot{};
        VorratsPool = 0.0f;
        InteraktionsModus = 0;
        TutorialSchritt = 0;
        GespraechsPartner = 0;
        GespraechsThema = 0;
        GespraechsPhase = 0;
        LinkesPanelVersatz = 0;
        EintretendeFigur = KEINE_FIGUR;
        SpielModus = 1000;
        for (int32_t& s : AuswahlSlots) s = KEINE_FIGUR;
        AuswahlSlots[0] = 1;
        AuswahlIndex = 0;
        Mitglied(0, 1);
        LoescheMaus();
    }
    void TearDown() override {
        std::memset(TastenStatus, 0, sizeof TastenStatus);
        MyApp.Shutdown();
    }

    static FigurRecord& Mitglied(int i, int typ) {
        FigurRecord& f = Figuren[i];
        f.Aktiv = 1;
        f.Typ = int16_t(typ);
        f.Gesundheit = 100;
        f.Nahrung = 5;
        f.Wasser = 3;
        f.Position[0] = f.Wegpunkt[0] = 200.0f;
        f.Position[2] = f.Wegpunkt[2] = 300.0f;
        return f;
    }
    static void LoescheMaus() {
        MausLinksGedrueckt = MausLinksDoppelklick = MausRechtsGedrueckt = MausRechtsDoppelklick = 0;
        MausLinksLosgelassen = MausRechtsLosgelassen = 0;
    }
    static void Zeige(int x, int y) {
        MyApp.MausX = x;
        MyApp.MausY = y;
    }
    static void Shift(bool an) { TastenStatus[kbd::dik::LShift] = an ? 0x80 : 0; }
    static void Maus(int id, int anzahl) {
        CursorItem = id;
        CursorItemAnzahl = anzahl;
    }
};
