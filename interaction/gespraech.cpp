// The conversation overlay: while a squad member talks to a townsperson or a hostile, a panel with
// the partner's portrait, name and line and a menu of topics. A topic plays the squad's question
// and then the partner's answer, one line after the other in the speech slot. Recruiting takes an
// offer of food; trading hands over to the trade screen. Then the editor's overlay, in every frame.
#include <cstdio>
#include <string>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/services_townview.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/editor_dienste.h"
#include "interaction/gespraech.h"
#include "interaction/gespraech_anzeige.h"
#include "interaction/inventar.h"
#include "interaction/sprache.h"
#include "interaction/tutorial.h"
#include "platform/random.h"
#include "townview/hud_teile.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

struct Beruf {
    int16_t typ;
    const char* ordner;
    int textAbschnitt;
};
constexpr Beruf kBerufe[] = {
    {10, "Soeldner", SPRECH_JOB_SOELDNER}, {11, "Techniker", SPRECH_JOB_TECHNIKER},
    {12, "Doktor", SPRECH_JOB_DOKTOR},     {16, "Haendler", SPRECH_JOB_HAENDLER},
    {17, "Jaeger", SPRECH_JOB_JAEGER},     {18, "Sammler", SPRECH_JOB_SAMMLER},
};

const Beruf* BerufVon(int typ)
{
    for (const Beruf& b : kBerufe)
        if (b.typ == typ) return &b;
    return nullptr;
}

bool IstVariante(int v) { return v >= 0 && v < 10; }

// Says one of the partner's lines, "Data/Speak/<job>/<art>/<nummer>.wav"; a partner without a job
// folder says nothing (and any line still playing stops).
void SprichPartner(const FigurRecord& partner, const char* art, int nummer)
{
    const Beruf* b = BerufVon(partner.Typ);
    if (!b) {
        StoppeZeile();
        return;
    }
    char pfad[80];
    std::snprintf(pfad, sizeof pfad, "Data/Speak/%s/%s/%i.wav", b->ordner, art, nummer);
    SprichZeile(pfad);
}

// A variant line of the partner: only variants 0..9 have a file.
void SprichVariante(const FigurRecord& partner, const char* art)
{
    if (IstVariante(SprachVariante))
        SprichPartner(partner, art, SprachVariante + 1);
    else
        StoppeZeile();
}

void ZeigeZeile(const char* text) { ZeichneSchrift(text, 399, 229, 2); }

// Entry SprachVariante of a section; none after a trade (99).
void ZeigeVariante(int abschnitt)
{
    if (IstVariante(SprachVariante)) ZeigeZeile(SprechTexte[abschnitt][SprachVariante]);
}

int NeueVariante() { return Zufall() % 10; }

// A figure leaves the talking state.
void Freigeben(int id, bool bildZurueck)
{
    const int i = AktivePersonMitId(id);
    if (i < 0) return;
    FigurRecord& f = Figuren[i];
    f.Wartet = 0;
    f.ZielId = KEINE_FIGUR;
    f.Zustand = 1;
    f.Befehl = 1;
    if (bildZurueck) f.AnimBild = 0;
}

void GespraechBeenden(bool bildZurueck)
{
    Freigeben(GespraechsPartner, bildZurueck);
    Freigeben(GespraechsFigur, bildZurueck);
    GespraechsPartner = 0;
    GespraechsFigur = 0;
    GespraechsThema = 0;
}

// The squad's question, then after it the partner's answer: phase 0 -> 1 (question) -> 2 -> 3 (answer).
void FrageUndAntwort(const FigurRecord& partner, const char* frage, const char* art)
{
    if (GespraechsPhase == 0 && !ZeileLaeuft()) {
        SprichZeile(frage);
        GespraechsPhase = 1;
    }
    if (GespraechsPhase == 1 && !ZeileLaeuft()) GespraechsPhase = 2;
    if (GespraechsPhase == 2 && !ZeileLaeuft()) {
        SprichVariante(partner, art);
        GespraechsPhase = 3;
    }
}

void ThemaSchritt(const FigurRecord& partner)
{
    switch (GespraechsThema) {
    case 0:
        if (GespraechsPhase == 0) {
            SprichVariante(partner, "Hallo");
            GespraechsPhase = 1;
        }
        ZeigeVariante(SPRECH_HALLO);
        break;
    case 1:
        if (GespraechsPhase == 0) StoppeZeile();
        FrageUndAntwort(partner, "Data/Speak/Spieler/0002.wav", "Job");
        if (const Beruf* b = BerufVon(partner.Typ)) ZeigeVariante(b->textAbschnitt);
        break;
    case 5:
        FrageUndAntwort(partner, "Data/Speak/Spieler/0006.wav", "Neues");
        ZeigeVariante(SPRECH_NEUES);
        break;
    case 6: {
        if (SonderOrt != 0 || TutorialSchritt != 0) {
            ZeigeZeile(TextStandard[181]);
            break;
        }
        FrageUndAntwort(partner, "Data/Speak/Spieler/0007.wav", "WoBinIch");
        if (GespraechsPhase == 3 && !ZeileLaeuft()) GespraechsPhase = 4;
        if (GespraechsPhase == 4 && !ZeileLaeuft()) {
            if (IstStadtId(AktuelleStadt))
                SprichPartner(partner, "Ort", AktuelleStadt);
            else
                StoppeZeile();
            GespraechsPhase = 5;
        }
        const StadtRecord* stadt = StadtMitId(AktuelleStadt);
        if (IstVariante(SprachVariante) && stadt && stadt->NamenIndex < SPRECH_ZEILEN) {
            char zeile[2 * TEXT_LAENGE + 4];
            std::snprintf(zeile, sizeof zeile, "%s %s.", SprechTexte[SPRECH_WO_BIN_ICH][SprachVariante],
                          StadtNamen[stadt->NamenIndex]);
            ZeigeZeile(zeile);
        }
        break;
    }
    default: break;
    }
}

// Leaves the line playing, the topic, the variant and the phase to a menu row's action.
void Thema(int thema, int phase)
{
    GespraechsPhase = phase;
    StoppeZeile();
    GespraechsThema = thema;
    SprachVariante = NeueVariante();
}

bool Zeile(int nummer, int label, int32_t y, bool aktiv = true)
{
    char text[TEXT_LAENGE + 8];
    std::snprintf(text, sizeof text, "%i. %s", nummer, SprechTexte[SPRECH_CHAR_TEXTE][label]);
    return Antwortzeile(text, y, aktiv);
}

void Menue(const FigurRecord& partner)
{
    if (Zeile(1, 5, 435)) Thema(5, 0);
    if (Zeile(2, 6, 450)) Thema(6, 0);
    const Beruf* beruf = BerufVon(partner.Typ);
    if (partner.Typ == 16) {
        if (Zeile(3, 8, 465)) {
            GespraechsPhase = 0;
            SprichZeile("Data/Speak/Spieler/0009.wav");
            SprachVariante = 99;
            HaendlerId = partner.Id;
            SpielModus = 10000;
            SzenenSumme = 0.0f;
            VorratsPool = 0.0f;
        }
    } else if (beruf) {
        if (Zeile(3, 0, 465)) {
            Thema(2, 1);
            SprichZeile("Data/Speak/Spieler/0001.wav");
        }
    }
    if (Zeile(4, 1, 480)) Thema(1, 0);
    if (Zeile(5, 2, 495)) {
        Thema(0, 0);
        SprichZeile("Data/Speak/Spieler/0003.wav");
        GespraechBeenden(true);
    }
}

void Anwerben(FigurRecord& partner)
{
    ItemSlot& angebot = partner.Inventar[0][0];
    ZeichneBild(151, 262, 306, 128, 128);
    if (TutorialSchritt == 14 && angebot.ItemId == 0) {
        if (TutorialBlinkt()) ZeichneSlotItem(ItemSlot{1003, 1, 0}, 291, 346, 342, 377);
    }
    ZeichneSlotItem(angebot, 291, 346, 342, 377);
    const bool genug = AngebotGenuegt(partner.Stufe, angebot.ItemAnzahl);
    if (GespraechsPhase == 0 && !ZeileLaeuft()) {
        SprichPartner(partner, "Sonstiges", genug ? 1 : 2);
        GespraechsPhase = 1;
    }
    ZeigeZeile(SprechTexte[genug ? SPRECH_REKRUT_JA : SPRECH_REKRUT_KEIN_ITEM][0]);

    const int16_t truppTyp = TruppTypVonBeruf(partner.Typ);
    if (Zeile(1, 3, 435, genug && truppTyp != 0)) {
        Thema(0, 0);
        SprichZeile("Data/Speak/Spieler/0004.wav");
        partner.Typ = truppTyp;
        partner.Zustand = 2;
        partner.Befehl = 2;
        partner.Wartet = 0;
        angebot = ItemSlot{};
        Freigeben(GespraechsFigur, true);
        GespraechsPartner = 0;
        GespraechsFigur = 0;
        if (SonderOrt == 0) ZeigeHinweis(9);
        return;
    }
    if (Zeile(2, 4, 450)) {
        // The offer goes back to the active member, else down where the partner was heading; the
        // floor item's draws come after the new variant's.
        FigurRecord* mitglied = AktivesMitgliedRecord();
        if (!FindetPlatz(angebot, mitglied, partner.Ziel)) {
            SpieleSound(22);
            return;
        }
        Thema(0, 5);
        SprichZeile("Data/Speak/Spieler/0005.wav");
        LegeWeg(angebot, mitglied, partner.Ziel, LegeZurueckgegebenesItem);
    }
}

void Unterhaltung()
{
    // A partner killed in the talk (its record soon reused for what it carried) or a member gone
    // ends the talk.
    const int p = AktivePersonMitId(GespraechsPartner);
    if (p < 0 || AktivePersonMitId(GespraechsFigur) < 0) {
        GespraechBeenden(true);
        return;
    }
    FigurRecord& partner = Figuren[p];

    Szene.Setze2DModus();
    ZeichneHud();
    Szene.Setze2DModus();
    ZeichneBild(139, 256, 100, 512, 512);
    ZeichnePartnerKopf(p);
    if (IstFeind(partner.Typ)) GespraechsThema = 7;

    if (GespraechsThema == 7) {
        ZeigeVariante(SPRECH_FEIND);
        if (Zeile(1, 7, 435)) {
            SprachVariante = NeueVariante();
            GespraechsThema = 0;
            GespraechBeenden(false);
        }
    } else if (GespraechsThema == 2) {
        Anwerben(partner);
    } else {
        ThemaSchritt(partner);
        Menue(partner);
    }
}

}  // namespace

bool AngebotGenuegt(int stufe, int anzahl)
{
    static constexpr int kSchwelle[5] = {0, 5, 7, 9, 12};
    const int s = stufe < 1 ? 1 : stufe > 4 ? 4 : stufe;
    return anzahl >= kSchwelle[s];
}

uint32_t ZeichneUnterhaltungUndEditor(uint32_t)
{
    if (GespraechsPartner != 0) Unterhaltung();
    if (EditorAktiv == 1) ZeichneEditorHud();
    return 0;
}
