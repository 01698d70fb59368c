// The start-up loading sequence (modes 0-999): everything beyond the start-up data, in one frame,
// with a growing bar over the loading picture between the steps. Ends in mode 13000.
#include <cstring>
#include <string>

#include "framework/frame.h"
#include "framework/items.h"
#include "framework/lists.h"
#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/services_frontend.h"
#include "framework/setup.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/widepath.h"
#include "frontend/screen_frame.h"
#include "platform/os.h"
#include "platform/random.h"
#include "platform/window.h"
#include "townview/weather.h"
#include "world/anzeige.h"
#include "world/records.h"
#include "world/save_load.h"

namespace {

struct Zeiger {
    int slot;
    const char* datei;
};
constexpr Zeiger kZeiger[7] = {
    {0, "blank.cur"}, {1, "heilen.cur"}, {2, "Bewegen.cur"}, {3, "Angreifen.cur"},
    {4, "Sprechen.cur"}, {5, "Sanduhr.cur"}, {6, "Drehen.cur"},
};

struct Musik {
    int slot;
    const char* datei;
};
constexpr Musik kMusik[5] = {
    {0, "Ingame.mp3"}, {1, "Ingame2.mp3"}, {2, "Enemy.mp3"}, {4, "Hauptmenue.mp3"}, {5, "Kampf.mp3"},
};


void TextTabellen()
{
    const char* pack = TextPack();
    if (!pack) return;
    MitEntpackterDatei(pack, "Text_Standard.txt", [] { LadeTextStandard("Text_Standard.txt"); });
    ZeichneLadebalken(140);
    MitEntpackterDatei(pack, "namen_m.txt", [] { LadeNamen("namen_m.txt"); });
    ZeichneLadebalken(154);
    MitEntpackterDatei(pack, "Sprechen.txt", [] { LadeSprechen("Sprechen.txt"); });
    MitEntpackterDatei(pack, "mitwirkende.txt", [] { LadeMitwirkende("mitwirkende.txt"); });
}

}  // namespace

void DatenLaden()
{
    const PackVerzeichnisse verzeichnisse;
    gfx::Device* g = MyApp.m_pd3dDevice.get();
    Szene.Setze2DModus();
    ZeichneBild(41, 0, 0, 1024, 768);
    g->EndScene();
    if (!g->Present()) os::MessageBox("EndScene() Nr: 001", "Error");

    EditorAktiv = 0;
    ZeichneLadebalken(14);
    MenueZaehlerNullen(false);
    ZeichneLadebalken(28);

    for (auto& tropfen : RegenTropfen) {
        tropfen.x = static_cast<float>(10 * (Zufall() % 30));
        tropfen.y = static_cast<float>(10 * (Zufall() % 50));
        tropfen.z = static_cast<float>(10 * (Zufall() % 30));
    }
    ZeichneLadebalken(42);

    LadeLevelModelle("Level001.txt");
    LadeMeshes("s_Mesh.txt");
    ZeichneLadebalken(56);
    LadeSchrift("Schrift000.txt", 0);
    LadeSchrift("Schrift001.txt", 1);
    LadeSchrift("Schrift003.txt", 3);
    ZeichneLadebalken(70);
    LadeEnergieTexturen("Level001.txt");
    ZeichneLadebalken(84);
    LadeItems("Items.txt");
    ZeichneLadebalken(98);
    LadeBodenTiles("Boden.txt");
    ZeichneLadebalken(112);
    LadeFigAnims(kFigAnimsListe);
    ZeichneLadebalken(126);

    TextTabellen();
    LiesSlotNamen();
    ZeichneLadebalken(168);

    for (const Zeiger& z : kZeiger)
        MitEntpackterDatei("Data/Pack15.gzp", z.datei, [&] { CursorTabelle[z.slot] = os::LoadCursorFile(z.datei); });
    CursorIndex = 2;
    ZeichneLadebalken(182);

    // The music slots keep the tracks in memory, so the unpacked files can go at once.
    for (const Musik& m : kMusik)
        MitEntpackterDatei("Data/Pack13.gzp", m.datei, [&] { LadeMusik(m.slot, Breit(m.datei).c_str()); });
    ZeichneLadebalken(196);

    MusikTrack = 4;
    SoundInit(win::Handle());
    ZeichneLadebalken(210);

    // The effect files stay unpacked until shut-down deletes them.
    for (int id = 0; id < kSoundDateienAnzahl; ++id) {
        if (id == Sprachkanal) {
            LadeSound(L"Data/Speak/Tutorial/0135.wav", id);
            continue;
        }
        EntpackeDatei("Data/Pack13.gzp", SoundDateien[id]);
        LadeSound(Breit(SoundDateien[id]).c_str(), id);
    }
    ZeichneLadebalken(224);

    GespraechsPhase = 0;
    SpielModus = 13000;
    ZeichneLadebalken(238);
}
