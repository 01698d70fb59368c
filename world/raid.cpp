#include "world/raid.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "platform/gfx.h"
#include "platform/math3d.h"
#include "platform/os.h"
#include "platform/random.h"
#include "platform/window.h"
#include "world/anzeige.h"
#include "world/bilder.h"
#include "world/enemy_army.h"
#include "world/saturate.h"

namespace {

constexpr int32_t kAngreiferKosten[kAngreiferArten] = {90, 65, 75};

int32_t WaffenBonus(int itemId) {
    switch (itemId) {
    case 1035: return 10;  // O_Messer
    case 1030: return 20;  // O_Desert_Eagle
    case 1031: return 30;  // O_Galil
    case 1032: return 40;  // O_USP
    case 1033: return 50;  // O_MP5
    case 1034: return 60;  // O_SW5906
    case 1029: return 70;  // O_AK47
    default: return 0;
    }
}

int32_t TypBasis(int typ) {
    switch (typ) {
    case 1: return 50;
    case 2: return 25;
    case 3: return 35;
    case 4: return 35;
    case 5: return 25;
    default: return 0;
    }
}

// A draw modulo n; with nothing to divide by the draw is still made and counts as 0.
int32_t ZiehungModulo(int32_t n) {
    const int z = Zufall();
    return n > 0 ? z % n : 0;
}

bool IstStationiertesMitglied(const FigurRecord& f) {
    return f.Aktiv == 1 && f.Stationiert == 1 && f.Typ >= 1 && f.Typ <= 5;
}

}  // namespace

Angreifer KaufeAngreifer(int32_t staerke) {
    Angreifer a;
    int64_t rest = staerke;
    while (rest > 0) {
        int art = -1;
        for (int k = 0; k < kAngreiferArten; ++k) {
            if (Zufall() % 3 == 1) {
                art = k;
                break;
            }
        }
        if (art < 0) continue;
        const int32_t gesundheit = Zufall() % 50 + 50;
        // A list holds ten; a strength beyond the army's range pays for what finds no place.
        if (a.Anzahl[art] < kAngreiferJeArt) a.Gesundheit[art][a.Anzahl[art]++] = gesundheit;
        rest -= kAngreiferKosten[art];
    }
    return a;
}

int32_t BerechneAbwehrkraft(const FigurRecord* figuren, int anzahl) {
    int64_t summe = 0;
    for (int i = 0; i < anzahl; ++i) {
        const FigurRecord& f = figuren[i];
        if (!IstStationiertesMitglied(f)) continue;
        summe += TypBasis(f.Typ) + (int64_t(f.Stufe) + 1) * 10 + f.Ruestung;
        summe += WaffenBonus(f.Inventar[2][2].ItemId);  // the hand place
        const ItemSlot& munition = f.Inventar[2][1];
        if (munition.ItemId == 1028) summe += munition.ItemAnzahl / 5;
    }
    return SaettigeI32(summe);
}

KampfRunde KampfSchritt(FigurRecord* figuren, int anzahl, Angreifer& angreifer, int32_t abwehrkraft,
                        int32_t staerke, bool& entschieden) {
    KampfRunde r;
    bool getroffen = false;
    for (int i = 0; i < anzahl && r.Verteidiger < kVerteidigerSlots; ++i) {
        FigurRecord& f = figuren[i];
        if (f.Aktiv != 1 || f.Typ < 1 || f.Typ > 5 || f.Gesundheit <= 0) continue;
        const int slot = r.Verteidiger++;
        r.VerteidigerIndex[slot] = i;
        const int32_t a = ZiehungModulo(abwehrkraft);
        const int32_t b = Zufall() % 100;
        if (a < b && !getroffen && !entschieden) {
            f.Gesundheit -= 1;
            getroffen = true;
            r.VerteidigerTreffer = slot;
        }
    }
    getroffen = false;
    for (int e = 0; e < kAngreiferJeArt; ++e) {
        for (int art = 0; art < kAngreiferArten; ++art) {
            int32_t& g = angreifer.Gesundheit[art][e];
            if (g <= 0) continue;
            const int slot = r.Angreifer++;
            r.AngreiferArt[slot] = art;
            r.AngreiferEintrag[slot] = e;
            const int32_t a = ZiehungModulo(staerke);
            const int32_t b = Zufall() % 100;
            if (a < b && !getroffen && !entschieden) {
                g -= 1;
                getroffen = true;
                r.AngreiferTreffer = slot;
            }
        }
    }
    if (r.Verteidiger == 0 || r.Angreifer == 0) entschieden = true;
    return r;
}

void WendeAngriffsErgebnisAn(int stadt, int verteidiger, int angreifer) {
    StadtRecord& t = StadtTabelle[stadt];
    if (verteidiger < angreifer) {
        FeindStaerke = SaettigeI32(int64_t(FeindStaerke) + 20);
        std::fill(t.Besatzung, t.Besatzung + 5, uint8_t(0));
        t.Besitzer = 2;
        t.Stationiert = 0;
        t.Wasser = int16_t(Zufall() % 5);
        ZieheFeindNahrung(t);
        SetzeFeindWasser(t, stadt);
        ZieheFeindBesatzung(t);
        // The garrison is gone, and nothing it carried stays in the town.
        for (FigurRecord& f : AngriffsFiguren) {
            if (IstStationiertesMitglied(f)) {
                f.Gesundheit = 0;
                f.Aktiv = 0;
            }
        }
        return;
    }
    FeindStaerke = SaettigeI32(int64_t(FeindStaerke) - 20);
    if (FeindStaerke < 1) {
        ZeigeSchwarzbild();
        FeindArmeePosition[0] = 0;
        FeindArmeePosition[1] = 0;
        InfoPanelZaehler = 250;
        HinweisPanelHoehe = 0;
        SpieleSound(22);
        for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
            if (StadtTabelle[i].Besitzer == 2) {
                StadtTabelle[i].Besitzer = 0;
                std::fill(StadtTabelle[i].Besatzung, StadtTabelle[i].Besatzung + 5, uint8_t(0));
            }
        }
    }
    std::fill(t.Besatzung, t.Besatzung + 5, uint8_t(0));
    t.Besitzer = 1;
    for (FigurRecord& f : AngriffsFiguren) {
        if (!(f.Aktiv == 1 && f.Stationiert == 1 && f.Gesundheit > 0)) continue;
        if (Zufall() % 20 == 1 && f.Stufe < 255) f.Stufe += 1;
        if (f.Typ >= 1 && f.Typ <= 5 && t.Besatzung[f.Typ - 1] < 255) t.Besatzung[f.Typ - 1] += 1;
    }
}

namespace {

constexpr size_t kBehaelterBytes = sizeof(Behaelter);
constexpr size_t kFigurenBytes = sizeof(AngriffsFiguren);
constexpr size_t kStadtZustandBytes = kBehaelterBytes + kFigurenBytes;

struct AngriffsKampf {
    int stadt = 0;
    int32_t staerke = 0;
    int32_t abwehrkraft = 0;
    Angreifer angreifer;
    bool entschieden = false;
    int verteidiger = 1;  // slot counts of the last frame drawn
    int angreiferZahl = 1;
};

// A stored name index outside the table shows no name.
const char* StadtName(int index) { return index < SPRECH_ZEILEN ? StadtNamen[index] : ""; }

void MarkiereAktuelleStadt() {
    for (auto& spalte : WeltRaster)
        for (WeltFeld& f : spalte) f.StadtZeichen = (f.StadtId == AktuelleStadt) ? 1 : 0;
}

void ZeichneKaempfer(int icon, float x, float y, int32_t gesundheit, bool getroffen) {
    ZeichneBild(icon, x, y, 32, 32);
    if (getroffen) ZeichneBild(1, x + 8, y + 5, 16, 16);
    ZeichneBild(19, x + 2, y - 5, 25, 2);
    ZeichneBild(9, x + 2, y - 5, float(std::max(0, gesundheit / 4)), 2);
}

void ZeichneKampfPanel(const AngriffsKampf& k, const KampfRunde& r) {
    ZeichneBild(200, 300, 100, 256, 128);
    ZeichneBild(199, 300, 228, 256, 256);
    for (int n = 0; n < r.Verteidiger; ++n) {
        const FigurRecord& f = AngriffsFiguren[r.VerteidigerIndex[n]];
        const float x = 360.0f + 30.0f * float(n % 6), y = 263.0f + 20.0f * float(n / 6);
        ZeichneKaempfer(TruppPortrait(f.Typ), x, y, f.Gesundheit, n == r.VerteidigerTreffer);
    }
    // The panel has room for ten attackers.
    for (int m = 0; m < std::min(r.Angreifer, kAngreiferJeArt); ++m) {
        const int art = r.AngreiferArt[m];
        const float x = 330.0f + 30.0f * float(m + 1);
        // Attackers of kind k wear the portrait of squad type k + 1.
        ZeichneKaempfer(TruppPortrait(art + 1), x, 418, k.angreifer.Gesundheit[art][r.AngreiferEintrag[m]],
                        m == r.AngreiferTreffer);
    }
    const char* name = StadtName(StadtTabelle[k.stadt].NamenIndex);
    ZeichneZentriert(name, 426, 217, 2);
    char stand[32];
    std::snprintf(stand, sizeof stand, "%i : %i", r.Verteidiger, r.Angreifer);
    ZeichneZentriert(stand, 426, 335, 1);
}

// The battle screen's own frames until the decided battle is closed by the left button. False
// when the program is closing meanwhile: the battle is then left undecided.
bool AngriffsSchleife(AngriffsKampf& k) {
    gfx::Device* dev = MyApp.m_pd3dDevice.get();
    if (dev) {
        dev->EndScene();
        dev->Present();
    }
    bool verlassen = false;
    while (!verlassen) {
        const uint32_t t0 = os::GetTickCount();
        win::PumpMessages();
        if (BeendenFlag != 0) return false;
        if (FensterAktiv == 0) continue;
        MarkiereAktuelleStadt();
        if (dev) {
            dev->Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xff000000u, 1.0f);
            dev->BeginScene();
            LandkartenBildschirm();
        }
        const KampfRunde r = KampfSchritt(AngriffsFiguren, FIGUREN_ANZAHL, k.angreifer, k.abwehrkraft, k.staerke,
                                          k.entschieden);
        if (r.VerteidigerTreffer >= 0) SpieleSound(1);
        if (r.AngreiferTreffer >= 0) SpieleSound(1);
        if (dev) ZeichneKampfPanel(k, r);
        k.verteidiger = r.Verteidiger;
        k.angreiferZahl = r.Angreifer;
        if ((r.Verteidiger == 0 || r.Angreifer == 0) && LetzterWParam == 1) verlassen = true;
        if (dev) {
            dev->EndScene();
            dev->Present();
            MyApp.CountFPS();
        }
        WarteAufFrameZeit(t0);
    }
    return true;
}

// The caller may have been inside its frame's scene: open one again with the town's camera, so
// whatever it still draws lands in a scene.
void SzeneFuerAufruferOeffnen() {
    gfx::Device* dev = MyApp.m_pd3dDevice.get();
    if (!dev) return;
    dev->BeginScene();
    Szene.Setze3DKamera();
    MyApp.m_matView = math3d::LookAtLH({Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]},
                                       {Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]},
                                       {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    dev->SetTransform(gfx::TransformType::View, MyApp.m_matView);
}

std::string ArbeitsKopie(int stadt) {
    char pfad[64];
    std::snprintf(pfad, sizeof pfad, "GAMESTATE/S_Town%i.dat", stadt);
    return pfad;
}

}  // namespace

void FeindAngriff(int32_t spalte, int32_t reihe, int32_t staerke) {
    const int stadt = StadtAnWeltZelle(spalte, reihe);
    // The town the party is in lives in memory, not in its working copy: it is never raided.
    if (stadt < 0 || stadt == AktuelleStadt) return;
    // The raided town lives only in its working copy; a copy that cannot be read whole is never
    // fought over or written back.
    const std::string pfad = ArbeitsKopie(stadt);
    std::vector<uint8_t> datei;
    if (!os::ReadFile(pfad, datei) || datei.size() != kStadtZustandBytes) {
        os::MessageBox(pfad, "Datei nicht gefunden!");
        return;
    }
    AngriffsKampf k;
    k.stadt = stadt;
    k.staerke = staerke;
    k.angreifer = KaufeAngreifer(staerke);
    std::memcpy(AngriffsFiguren, datei.data() + kBehaelterBytes, kFigurenBytes);
    k.abwehrkraft = BerechneAbwehrkraft(AngriffsFiguren, FIGUREN_ANZAHL);

    if (AngriffsSchleife(k)) {
        WendeAngriffsErgebnisAn(stadt, k.verteidiger, k.angreiferZahl);
        // The container block goes back exactly as it was read.
        std::memcpy(datei.data() + kBehaelterBytes, AngriffsFiguren, kFigurenBytes);
        if (!os::WriteFileAtomic(pfad, datei.data(), datei.size()))
            os::MessageBox("Datei nicht geschrieben: " + pfad, "Fehler!");
    }
    // After the blank pause of a beaten enemy too.
    SzeneFuerAufruferOeffnen();
}
