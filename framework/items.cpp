// The item table: the fixed order of the item identifiers and the reader of "Items.txt".
#include "framework/items.h"

#include <cstring>
#include <string>

#include "framework/dateinamen.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/tokendatei.h"
#include "platform/os.h"
#include "world/records.h"

const char* const ItemIds[kItemAnzahl] = {
    "O_Arzt_Koffer", "O_Bezinkansiter", "O_Blech", "O_Dosennahrung", "O_Draht", "O_Eisenstangen", "O_Brot",
    "O_Feldflasche", "O_Fleisch", "O_Foto", "O_Geld", "O_Kaffee", "O_Leere_Flasche", "O_Maden", "O_Muttern",
    "O_Reifen", "O_Rohre", "O_Sonnenbrille", "O_Stahlfeder", "O_Thunfisch", "O_Streichhoelzer",
    "O_Taschenlampe", "O_Verbandskasten", "O_Werkzeug", "O_Zigaretten", "O_Schutzweste_Zivil",
    "O_Schutzweste_Polizei", "O_Schutzweste_Miliz", "O_Munition", "O_AK47", "O_Desert_Eagle", "O_Galil",
    "O_USP", "O_MP5", "O_SW5906", "O_Messer", "O_Ratte", "O_Schlange", "O_Wassersack", "O_Rattenfalle",
    "O_Schlangenkorb", "O_Fangeisen", "O_Handpumpe", "O_Elektropumpe", "O_Stahlhelm", "O_Stiefel",
    "O_Hose_Miliz", "O_Handschuhe", "O_Batterien", "O_Taschenlampe_kaputt", "O_Elektroteile", "O_Gluehbirne",
    "O_Gummiband", "O_Holz", "O_Kassette", "O_Schlauch", "O_Vase", "O_Seil", "O_Kabel", "O_Klebstoff",
    "O_Kerze", "O_Solarzelle", "O_Laterne", "O_Zelt", "O_Taschenrechner", "O_Funkgeraet", "O_Armbanduhr",
    "O_Radio", "O_Radio_kaputt", "O_Armbanduhr_kaputt", "O_Funkgeraet_kaputt", "O_Taschenrechner_kaputt",
    "O_Laterne_kaputt", "O_Handpumpe_kaputt", "O_Elektropumpe_kaputt", "O_Flasche_kaputt",
    "O_Feldflasche_kaputt", "O_Wassersack_kaputt", "O_Benzinkanister_kaputt", "O_Vase_kaputt", "O_Stoff",
    "O_Sonnenbrille_kaputt", "O_ABC_Hose", "O_ABC_Jacke", "O_ABC_Stiefel", "O_ABC_Handschuhe", "O_ABC_Maske",
    "O_Wodka", "O_Tabak", "O_Zahnbuerste", "O_Zahnpasta", "O_Seife", "O_Bier", "O_Buch", "O_Zeitschrift",
    "O_Quillmarch", "O_Feuerzeug", "O_Kugelschreiber", "O_Schluessel", "O_Flaschenoeffner", "O_Schlagring",
    "O_Spielkarten", "O_Pfanne", "O_Polizeihelm", "O_Buch_2", "O_Buch_3", "O_Stahlhelm_1", "O_Polizeihelm_1",
    "O_Hose_Miliz_1", "O_Hose_Miliz_2", "O_Hose_Miliz_3", "O_Stiefel_1", "O_Stiefel_2", "O_Stiefel_3",
    "O_Handschuhe_1", "O_Handschuhe_2", "O_Handschuhe_3", "O_Videokassette", "O_Handy", "O_GameBoy",
    "O_Walkman", "O_Kopfhoerer", "O_Aschenbecher", "O_Dosenoeffner", "O_Schuhcreme", "O_Pinsel", "O_Farbtopf",
    "O_Motoroel", "O_Designerglas", "O_Joypad", "O_CD", "O_Coladose", "O_Tastatur", "O_Mouse", "O_Knoepfe",
    "O_Nadelset", "O_Goldring", "O_Lippenstift", "O_MakeUp", "O_Geldstueck", "O_FeuerzeugGas", "O_Kelle",
    "O_Ausweis", "O_KreditKarte", "O_Teller", "O_Diamant", "O_Postkarte", "O_Topf", "O_Gabel", "O_Loeffel",
    "O_Filtertueten", "O_Salzstreuer", "O_Pfefferstreuer", "O_Teebeutel", "O_Tuetensuppe", "O_Zuckerpackung",
    "O_Mehlpackung", "O_Spagetti", "O_Visitenkarte", "O_Regenschrim", "O_Guertel", "O_Aufladegeraet",
    "O_Goldkette", "O_Glaskugel", "O_Kakao", "O_Pinzette", "O_Schere", "O_Tintenfass", "O_Kochbuch",
    "O_Buch_Atlas", "O_Weltkarte", "O_Mikrophone", "O_Lautsprecher", "O_Luftpumpe", "O_Fotoapparat",
    "O_Fotofilm", "O_Akku", "O_Buch_Technik", "O_Buch_Kampfsport", "O_Buch_Tierjagd", "O_Buch_Medizin",
    "O_Buch_Handel", "O_Fernbedienung", "O_Foto_Praesident", "O_Foto_Hochzeit", "O_Goldzahn", "O_Kreuz",
    "O_Kamm", "O_Perfuem", "O_Klopapier", "O_Sturmmaske", "O_Ratte_Neu",
};

// The saved icon words and the unsaved icon table are indexed alike.
static_assert(MyApp::kItemIcons == ITEM_PLAETZE);

int32_t ItemIndex(const char* identifier)
{
    for (int32_t k = 0; k < kItemAnzahl; ++k)
        if (std::strcmp(ItemIds[k], identifier) == 0) return k;
    return -1;
}

gfx::Texture ItemIconTextur(int32_t k)
{
    if (k < 0 || k >= MyApp::kItemIcons) return 0;
    const uint32_t wort = ItemIcons[k];
    if (wort < 1 || wort > uint32_t(MyApp::kItemIcons)) return 0;
    return MyApp.ItemIconTexturen[wort - 1];
}

void GibItemIconsFrei()
{
    for (int k = 0; k < MyApp::kItemIcons; ++k) {
        gfx::Texture& t = MyApp.ItemIconTexturen[k];
        if (t && MyApp.m_pd3dDevice) MyApp.m_pd3dDevice->ReleaseTexture(t);
        t = 0;
        ItemIcons[k] = 0;
    }
}

void LadeItems(const char* file)
{
    TokenDatei t;
    if (!t.Oeffnen(file)) return;
    std::string wort;
    do {
        if (!t.Wort(wort)) return;
    } while (wort != "[Load_Items]");
    // A reload (after a saved game was read) starts from fresh icons.
    GibItemIconsFrei();
    std::string skin, icon, name, text;
    while (t.Wort(wort)) {
        if (wort == "[Load_Items]") continue;
        if (!t.Wort(skin) || !t.Wort(icon) || !t.Wort(name) || !t.Wort(text)) return;
        int32_t wert = 0;
        const bool wertGelesen = t.Ganzzahl(wert);
        // An identifier the program does not know is passed over with its record.
        const int32_t k = ItemIndex(wort.c_str());
        if (k < 0) {
            if (!wertGelesen) return;
            continue;
        }
        // A missing crate or an unsafe name still goes to its loader, which reports it as missing.
        if (k == 0) MitEntpackterDatei("Data/Pack9.gzp", "Itemkiste_000.x", [] { MyApp.LoadModel("Itemkiste_000.x", 1000); });
        if (skin != "NULL") MyApp.LoadItemTexture(1000 + k, skin.c_str());
        MitEntpackterDatei("Data/Pack1.gzp", icon, [&] { MyApp.LoadIconTexture(k, icon.c_str()); });
        KopiereWort(ItemNamen[k], sizeof ItemNamen[k], name);
        KopiereWort(ItemTexte[k], sizeof ItemTexte[k], text);
        if (!wertGelesen) return;
        ItemWerte[k] = wert;
    }
}
