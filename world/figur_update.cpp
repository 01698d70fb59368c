// One tick of one figure: contamination, animation, behaviour, and at cell centres the orders
// turned into states (arrival, close-up scene, heal, fight, talk, drop, dying, pick-up), then the
// path and the movement step.
#include <cmath>

#include "framework/camera.h"
#include "framework/geometry.h"
#include "framework/services_world.h"
#include "platform/random.h"
#include "world/animation.h"
#include "world/anzeige.h"
#include "world/bewegung.h"
#include "world/figur_hilfen.h"
#include "world/kampf.h"
#include "world/sichtlinie.h"

namespace {

// Heading toward the other figure in eighths of a turn, the headings of the movement step.
void DreheZu(FigurRecord& f, const FigurRecord& anderer) {
    const float dx = anderer.Position[0] - f.Position[0];
    const float dz = anderer.Position[2] - f.Position[2];
    if (dx > 0 && dz == 0) f.Drehung[1] = kPi / 2;
    else if (dx < 0 && dz == 0) f.Drehung[1] = -kPi / 2;
    else if (dx == 0 && dz < 0) f.Drehung[1] = kPi;
    else if (dx == 0 && dz > 0) f.Drehung[1] = 0.0f;
    else if (dx > 0 && dz > 0) f.Drehung[1] = kPi / 4;
    else if (dx < 0 && dz < 0) f.Drehung[1] = -3 * kPi / 4;
    else if (dx < 0 && dz > 0) f.Drehung[1] = -kPi / 4;
    else if (dx > 0 && dz < 0) f.Drehung[1] = 3 * kPi / 4;
}

// The exact heading toward the other figure, used in combat.
void ZieleAuf(FigurRecord& f, const FigurRecord& anderer) {
    const float a = BerechneWinkel(anderer.Position[0], anderer.Position[2], f.Position[0], f.Position[2]);
    f.Drehung[1] = -((a - 270.0f) * kPi / 180.0f);
}

void SetzeKameraZiel(float x, float y, float z) {
    Cam.Ziel[0] = x;
    Cam.Ziel[1] = y;
    Cam.Ziel[2] = z;
}

void StehenBleiben(FigurRecord& f) {
    f.Ziel[0] = f.Wegpunkt[0] = f.Position[0];
    f.Ziel[2] = f.Wegpunkt[2] = f.Position[2];
}

bool LeereHand(int item) { return item == 0; }
bool IstFeuerwaffe(int item) { return item >= 1029 && item <= 1034; }

void BetrittSzene(FigurRecord& f) {
    const float ex = f.EingangsZiel[0], ez = f.EingangsZiel[2];
    const int cx = ZelleVon(ex), cz = ZelleVon(ez);
    const StadtFeld* feld = FeldBei(cx, cz);
    const int art = feld ? feld->Eingang : 0;
    // A scene opens only when none is open (extra ticks run while one is) and the cell has one.
    if (InteraktionsModus == 0 && art >= 1 && art <= 7) {
        GespraechsPhase = 0;
        StehenBleiben(f);
        for (int k = 0; k < 3; ++k) {
            KameraKopie[k] = Cam.Auge[k];
            KameraKopie[3 + k] = Cam.Ziel[k];
        }
        Cam.Auge[2] = -21.3f;
        SetzeKameraZiel(-4.432f, 11.875f, -7.826f);
        InteraktionsModus = art;
        EintretendeFigur = f.Id;  // the scenes act for it when no member is selected
        SzenenFeld[0] = cx;
        SzenenFeld[1] = cz;
        if (art == 5) {
            SetzeKameraZiel(-3.8112f, 16.045f, -5.9805f);
        } else if (art == 3 || art == 4 || art == 6) {
            SprachVariante = Zufall() % 5;
            SzenenSumme = 0.0f;
            VorratsPool = 0.0f;
        } else if (art == 2) {
            HaendlerId = KEINE_FIGUR;
            for (const FigurRecord& h : Figuren)
                if (h.Aktiv == 1 && h.Typ == 9999 && h.Position[0] == 10.0f * static_cast<float>(cx) &&
                    h.Position[2] == 10.0f * static_cast<float>(cz)) {
                    HaendlerId = h.Id;
                    break;
                }
            SprachVariante = Zufall() % 5;
            SzenenSumme = 0.0f;
            VorratsPool = 0.0f;
        }
    }
    f.EingangsZiel[0] = f.EingangsZiel[2] = 0.0f;
    for (FigurRecord& g : Figuren)
        if (g.Aktiv == 1 && g.EingangsZiel[0] == ex && g.EingangsZiel[2] == ez)
            g.EingangsZiel[0] = g.EingangsZiel[2] = 0.0f;
}

void HeilAnnaeherung(FigurRecord& f) {
    const int t = AktiveFigurMitId(f.ZielId);
    // Written as "not within": a position that is not a number (a damaged file) is out of reach.
    if (t < 0 || !IstTrupp(Figuren[t].Typ) || !(Abstand(f, Figuren[t]) <= 15.0f)) return;
    f.Zustand = f.Befehl = 9;
    f.AnimLaenge = 12;
    DreheZu(f, Figuren[t]);
    StehenBleiben(f);
}

void KampfAnnaeherung(int i) {
    FigurRecord& f = Figuren[i];
    const int t = AktivePersonMitId(f.ZielId);
    if (t < 0) {
        // No target, or it has left the town: the fight is over (the flag would otherwise keep the fight
        // music on and block every conversation for good).
        f.ImKampf = 0;
        f.ZielId = KEINE_FIGUR;
        return;
    }
    FigurRecord& z = Figuren[t];
    if (f.Gesundheit < 1 || z.Gesundheit < 1) return;
    f.Ziel[0] = z.Wegpunkt[0];
    f.Ziel[2] = z.Wegpunkt[2];
    const float abstand = Abstand(f, z);
    if (IstStadtvolk(f.Typ) && !(abstand < 200.0f)) {
        f.ImKampf = 0;
        f.ZielId = KEINE_FIGUR;
        f.Befehl = f.Zustand = 2;
    }
    const int hand = Platz(f, Hand).ItemId;
    bool inReichweite = false;
    if (IstFeuerwaffe(hand)) inReichweite = abstand <= 90.0f && f.ImKampf == 1 && !SichtLinieBlockiert(i, t);
    else if (hand == 1035 || hand == 1100 || LeereHand(hand)) inReichweite = abstand <= 15.0f && f.ImKampf == 1;

    if (!inReichweite) {
        if (IstStadtvolkOderFeind(f.Typ)) f.Zustand = f.Befehl = 2;
        return;
    }
    if (IstStadtvolkOderFeind(z.Typ)) {
        z.ZielId = f.Id;
        z.ImKampf = 1;
        z.Ziel[0] = f.Wegpunkt[0];
        z.Ziel[2] = f.Wegpunkt[2];
        ZieleAuf(f, z);
    } else if (IstTrupp(z.Typ) && z.Position[0] == z.Ziel[0] && z.Position[2] == z.Ziel[2]) {
        z.ZielId = f.Id;
        z.ImKampf = 1;
        ZieleAuf(z, f);
        ZieleAuf(f, z);
    }
    int zustand = 0;
    if (LeereHand(hand)) zustand = 8;
    if (hand == 1029) zustand = 7;
    if (hand == 1030) zustand = 10;
    if (hand == 1031) zustand = 11;
    if (hand == 1032) zustand = 12;
    if (hand == 1033) zustand = 13;
    if (hand == 1034) zustand = 14;
    if (Platz(f, Munition).ItemAnzahl == 0) zustand = 8;
    if (hand == 1035) zustand = 15;
    if (hand == 1100) zustand = 17;
    f.Befehl = f.Zustand = static_cast<uint8_t>(zustand);
    StehenBleiben(f);
}

void SprechAnnaeherung(int i) {
    FigurRecord& f = Figuren[i];
    int p = -1;
    for (int k = 0; k < FIGUREN_ANZAHL; ++k) {
        const FigurRecord& g = Figuren[k];
        if (g.Aktiv != 1) continue;
        if (g.ImKampf == 1) return;  // no talk while a figure sorted before the partner fights
        if (g.Id == f.ZielId && IstStadtvolkOderFeind(g.Typ)) {
            p = k;
            break;
        }
    }
    if (p < 0) return;
    FigurRecord& partner = Figuren[p];
    // A dying partner would be freed in the middle of the talk.
    if (partner.Gesundheit < 1) return;
    f.Ziel[0] = partner.Wegpunkt[0];
    f.Ziel[2] = partner.Wegpunkt[2];
    if (!(Abstand(f, partner) <= 20.0f)) return;
    GespraechsPhase = 0;
    const int partnerId = partner.Id;
    for (FigurRecord& g : Figuren)
        if (g.ZielId == partnerId) g.ZielId = KEINE_FIGUR;
    partner.AnimBild = static_cast<uint8_t>(Zufall() % 50);
    f.AnimBild = static_cast<uint8_t>(Zufall() % 50);
    partner.Wartet = 1;
    partner.Befehl = partner.Zustand = 6;
    f.Befehl = f.Zustand = 6;
    StehenBleiben(f);
    GespraechsPartner = partnerId;
    GespraechsFigur = f.Id;
    f.SprechAuftrag = 0;
    DreheZu(partner, f);
}

}  // namespace

void AktualisiereFigur(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    if (f.Aktiv != 1 || !IstPerson(f.Typ)) return;
    const StadtRecord& stadt = AktuelleStadtRecord();

    if (IstTrupp(f.Typ) && VerseuchungsTakt == stadt.Verseuchung && f.Gesundheit >= 1 &&
        f.ABCSchutz < stadt.Verseuchung)
        f.Gesundheit -= 1;

    FigurAnimieren(i);
    FigurHandeln(i);

    const bool amWegpunkt = f.Wegpunkt[0] == f.Position[0] && f.Wegpunkt[2] == f.Position[2];
    // A dying figure takes no orders: one it stands on (heal, pick up) would turn it back every tick,
    // the world logic would restart its death each time, and the body would never go.
    const bool stirbt = f.Zustand == 16 && f.Gesundheit < 1;
    if (amWegpunkt && f.Wartet != 1 && !stirbt) {
        if (f.Ziel[0] == f.Position[0] && f.Ziel[2] == f.Position[2] && (f.Befehl == 2 || f.Befehl == 3))
            f.Zustand = 1;

        if (IstTrupp(f.Typ) && GespraechsPartner == 0 && f.EingangsZiel[0] > 0 && f.EingangsZiel[2] > 0) {
            const float dx = f.EingangsZiel[0] - f.Position[0];
            const float dz = f.EingangsZiel[2] - f.Position[2];
            if (std::sqrt(dx * dx + dz * dz) <= 15.0f) BetrittSzene(f);
        }

        const bool mitZiel = f.ZielId < KEINE_FIGUR;
        if (mitZiel && f.ImKampf == 0 && f.HeilAuftrag == 1 && f.SprechAuftrag == 0) HeilAnnaeherung(f);
        // Also without a target (the talk clears the ids aimed at its partner): the fight then ends.
        if (f.ImKampf == 1 && f.HeilAuftrag == 0 && f.SprechAuftrag == 0) KampfAnnaeherung(i);
        if (f.ZielId < KEINE_FIGUR && GespraechsPartner == 0 && f.ImKampf == 0 && f.HeilAuftrag == 0 &&
            f.SprechAuftrag == 1)
            SprechAnnaeherung(i);

        if (f.Befehl == 4 && f.Zustand != 4) {
            f.Zustand = 4;
            f.AnimBild = 0;
        }
        if (f.Befehl == 16 && f.Zustand != 16) {
            f.Zustand = 16;
            f.AnimBild = 0;
        }
        // A talk or heal order is not a pick-up, even where an old pick-up goal was left behind.
        if (f.ZielId < KEINE_FIGUR && f.AuftragsZiel[0] == f.Position[0] && f.AuftragsZiel[2] == f.Position[2] &&
            f.ImKampf == 0 && f.SprechAuftrag == 0 && f.HeilAuftrag == 0) {
            f.Zustand = f.Befehl = 5;
            f.AnimBild = 0;
            ZeigeHinweis(3);
        }
        FigurWegFolgen(i);
    }
    FigurSchritt(i);
}
