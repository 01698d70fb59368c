#include "framework/shell.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "framework/frame.h"
#include "framework/intro.h"
#include "framework/keyboard.h"
#include "framework/lists.h"
#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/resources.h"
#include "framework/services_interaction.h"
#include "framework/sound.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/replay.h"
#include "platform/splash.h"
#include "platform/video.h"
#include "platform/window.h"
#include "world/records.h"

int32_t MausRuheFrames = 0;
int32_t TooltipNummer = 0;
int32_t TastenVerzoegerung = 0;
int32_t StartDialogZaehler = 0;
uint32_t BildNummer = 0;

namespace {

ShellOptions optionen;
bool gestartet = false;
bool startFehlgeschlagen = false;  // the start-up data could not be set up

// The last few milliseconds of a frame are waited for by watching the counter: a sleep can overrun.
constexpr uint32_t kWachZeitMs = 2;

// A file that cannot be deleted but can still be opened would keep the original loop going for ever.
constexpr int kLoeschVersuche = 100;

// The splash's procedure: start-up runs at the first message after the third paint.
intptr_t StartDialogProc(uint32_t message, uintptr_t, intptr_t)
{
    if (StartDialogZaehler == 3) {
        StartDialogZaehler = 4;
        if (MyApp.Init() < 0) {
            os::MessageBox("Init() - FAILED", "");
            BeendenFlag = 1;
            startFehlgeschlagen = true;
        }
        return 1;
    }
    if (message == win::msg::Paint) {
        if (StartDialogZaehler < 3) ++StartDialogZaehler;
        return 1;
    }
    return 0;
}

// The splash window shows the program's picture while start-up runs behind it. Its paints are
// not validated, so they keep coming and drive the counter until start-up has run.
void ZeigeStartbild()
{
    const image::Image splash = Startbild();
    win::ShowSplash(splash.rgba.data(), splash.width, splash.height);
    StartDialogZaehler = 0;
    win::SetWindowProc(StartDialogProc);
    while (StartDialogZaehler < 4) {
        win::PostMessage(win::msg::Paint, 0, 0);
        win::PumpMessages();
    }
    win::SetWindowProc(WndProc);
    win::HideSplash();
}

// A recorded or replayed game: from here on only the input decides. False (with the reason on
// stderr) when the recording to replay cannot be read.
bool StarteAufzeichnung()
{
    if (optionen.aufnahme.empty() && optionen.wiedergabe.empty()) return true;
    if (!optionen.wiedergabe.empty()) {
        std::string fehler;
        if (!replay::Play(optionen.wiedergabe, fehler)) {
            std::fprintf(stderr, "%s\n", fehler.c_str());
            return false;
        }
    } else {
        replay::Record();
    }
    os::UseFrameClock(true);
    return true;
}

// The language's lists that start-up unpacked into the working directory.
void LoescheListenDateien()
{
    for (const char* datei : ListenDateien) os::DeleteFile(datei);
}

void BeendeAufzeichnung()
{
    std::string fehler;
    if (replay::CurrentMode() == replay::Mode::Recording && !replay::Save(optionen.aufnahme, fehler))
        os::MessageBox(fehler, "Velquor Kerrowind");
    if (replay::CurrentMode() != replay::Mode::Off) os::UseFrameClock(false);
    replay::Stop();
}

}  // namespace

std::unique_ptr<gfx::Device> ErzeugeGeraet(std::string& error)
{
    if (optionen.makeDevice) return optionen.makeDevice(error);
    return gfx::CreateGLDevice(win::Handle(), error);
}

intptr_t WndProc(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    namespace msg = win::msg;
    LetzterWParam = static_cast<int32_t>(wParam);
    switch (message) {
    case msg::Destroy:
        BeendenFlag = 1;
        return 1;
    case msg::Activate: FensterAktiv = static_cast<int32_t>(wParam); break;
    case msg::KeyDown: MerkeTastenDruck(win::KeyCode(lParam), win::KeyShift(lParam)); break;
    case msg::MouseMove:
        MausRuheFrames = 0;
        TooltipNummer = 0;
        MyApp.MausX = static_cast<int32_t>(uint32_t(lParam) & 0xFFFF);
        MyApp.MausY = static_cast<int32_t>((uint32_t(lParam) >> 16) & 0xFFFF);
        break;
    case msg::LButtonDown: MausLinksGedrueckt = 1; break;
    case msg::LButtonDblClk: MausLinksDoppelklick = 1; break;
    case msg::LButtonUp:
        MausLinksLosgelassen = 1;
        MausLinksDoppelklick = 0;
        MausLinksGedrueckt = 0;
        break;
    case msg::RButtonDown: MausRechtsGedrueckt = 1; break;
    case msg::RButtonDblClk: MausRechtsDoppelklick = 1; break;
    case msg::RButtonUp:
        MausRechtsLosgelassen = 1;
        MausRechtsDoppelklick = 0;
        MausRechtsGedrueckt = 0;
        break;
    case msg::MButtonDown:
        if (InteraktionsModus == 0 && IstStadtModus()) {
            CursorIndex = 6;
            MausMitteDrehen = 1;
            os::WarpPointer(512, 384);
            AuswahlRahmenAktiv = 0;
        }
        break;
    case msg::MButtonUp:
        switch (BefehlsModus) {
        case 0: CursorIndex = 4; break;
        case 1: CursorIndex = 3; break;
        case 2: CursorIndex = 1; break;
        case 3: case 4: case 5: case 7: case 8: CursorIndex = 2; break;
        default: break;
        }
        MausMitteDrehen = 0;
        break;
    case msg::MouseWheel:
        if (InteraktionsModus == 0) {
            // Compared whole: a held key or a delta that is not 1..3 notches does nothing.
            const uint32_t w = static_cast<uint32_t>(wParam);
            const bool vor = w == 0x780000u || w == 0xF00000u || w == 0x1680000u;
            const bool zurueck = w == uint32_t(-0x780000) || w == uint32_t(-0xF00000) || w == uint32_t(-0x1680000);
            if (vor && Cam.Auge[1] > 180.0f) {
                Cam.Auge[1] -= 19.0f;
                Cam.Ziel[1] -= 19.0f;
            } else if (zurueck && Cam.Auge[1] < 307.0f) {
                Cam.Auge[1] += 19.0f;
                Cam.Ziel[1] += 19.0f;
            }
        }
        break;
    default: break;
    }
    return win::DefaultProc(message, wParam, lParam);
}

void WarteAufFrameZeit(uint32_t t0)
{
    // A settings value from a save can be anything: no pacing beyond a second a frame.
    float frameZeit = SetupWerte.FRAMERATE;
    if (!(frameZeit > 0.0f)) return;
    if (frameZeit > 1.0f) frameZeit = 1.0f;
    const double grenze = double(frameZeit) * 1000.0;
    // The elapsed time as an unsigned difference stays right when the counter wraps (after
    // about 49.7 days); float seconds that large would have lost their milliseconds long before.
    for (;;) {
        if (BeendenFlag != 0) return;
        const double rest = grenze - double(os::GetTickCount() - t0);
        if (rest < 0.0) return;
        // The frame clock moves only while the game sleeps: the whole rest at once, nothing to watch.
        if (os::FrameClockOn()) os::Sleep(static_cast<uint32_t>(rest) + 1);
        else if (rest > kWachZeitMs) os::Sleep(static_cast<uint32_t>(rest) - kWachZeitMs);
    }
}

void ZeigeSchwarzbild()
{
    gfx::Device* device = MyApp.m_pd3dDevice.get();
    if (!device) return;
    device->EndScene();
    device->Present();
    int zaehler = 15;
    while (zaehler >= 1 && BeendenFlag == 0) {
        const uint32_t t0 = os::GetTickCount();
        win::PumpMessages();
        if (FensterAktiv != 0) {
            device->BeginScene();
            --zaehler;
            device->SetTexture(MyApp.Texturen[0]);
            MyApp.Draw2D(0.0f, 0.0f, 1024.0f, 768.0f);
            device->EndScene();
            device->Present();
            MyApp.CountFPS();
            WarteAufFrameZeit(t0);
        }
    }
}

void ZeigeLadeBild()
{
    ZeigeSchwarzbild();
    gfx::Device* device = MyApp.m_pd3dDevice.get();
    if (!device) return;
    device->BeginScene();
    device->SetTexture(MyApp.Texturen[41]);
    MyApp.Draw2D(0.0f, 0.0f, 1024.0f, 768.0f);
    device->EndScene();
    device->Present();
}

void LoescheDatei(const char* name)
{
    for (int i = 0; i < kLoeschVersuche; ++i) {
        os::DeleteFile(name);
        if (!os::FileExists(name)) return;
    }
}

bool StarteProgramm(const ShellOptions& options)
{
    optionen = options;
    startFehlgeschlagen = false;
    if (!optionen.workDir.empty()) {
        std::error_code ec;
        std::filesystem::current_path(optionen.workDir, ec);
        if (ec) return false;
    }
    if (!os::AcquireSingleInstance(optionen.lockPath)) {
        // Started again from a terminal or a launcher while the game runs: say why nothing opens.
        std::fprintf(stderr, "Velquor Kerrowind is already running.\n");
        return false;
    }
    os::KeepFreedMemory();
    Grundzustand();
    if (!StarteAufzeichnung()) {
        os::ReleaseSingleInstance();
        return false;
    }

    // What needs no window starts before it: the level textures decode while the OpenGL driver loads.
    MyApp.BereiteVor();
    std::string fehler;
    win::SetWindowProc(WndProc);
    if (!win::Create("Velquor Kerrowind", fehler, optionen.headlessWidth, optionen.headlessHeight)) {
        std::fprintf(stderr, "%s\n", fehler.c_str());
        MyApp.texturenVorab.reset();
        LoescheListenDateien();
        BeendeAufzeichnung();
        os::ReleaseSingleInstance();
        return false;
    }
    // The intro's decoders load on a thread of their own while the game starts up behind the splash
    // (not sooner: loading libraries is one at a time, and the window's OpenGL driver comes first).
    if (optionen.playIntro) video::PreloadFfmpeg();
    const image::Image icon = Programmsymbol();
    win::SetIcon(icon.rgba.data(), icon.width, icon.height);
    if (const os::Cursor cursor = os::LoadCursorFile("cursor.cur")) os::SetCursor(cursor);
    win::Show(false);
    FensterAktiv = 0;
    BeendenFlag = 0;
    gestartet = true;

    ZeigeStartbild();

    if (optionen.showWindow) win::Show(true);
    // Showing and activating the window makes it the active one.
    win::PostMessage(win::msg::Activate, win::wa::Active, 0);
    if (optionen.playIntro) {
        // The workers are idle while the intro plays: the loading sequence's figure animations are
        // read and decoded meanwhile.
        LadeFigAnimsVoraus(kFigAnimsListe);
        PlayCutscene("Data/Intro.avi", MyApp.m_pd3dDevice.get());
    }
    return true;
}

bool TastaturHandlerLaeuft()
{
    const bool gebremst = EditorAktiv == 1 || TastenStatus[kbd::dik::F1] != 0;
    return !gebremst || TastenVerzoegerung == 0;
}

void FrameSchritt()
{
    if (BeendenFlag != 0) return;
    const uint32_t t0 = os::GetTickCount();
    win::PumpMessages();
    if (FensterAktiv == 0) return;

    if (TastaturHandlerLaeuft()) VerarbeiteTastatur();
    TastenVerzoegerung -= 1;
    if (TastenVerzoegerung < 0) TastenVerzoegerung = 0;
    if (GespraechsPartner == 0) MausDrehung();
    InterfaceSteuerung();
    const bool hauptmenue = SpielModus == 3000;
    MyApp.Render(1.0f);
    if (hauptmenue && optionen.beimHauptmenue) {
        const std::function<void()> melde = std::exchange(optionen.beimHauptmenue, nullptr);
        melde();
    }
    BildNummer += 1;
    // Held at its top: an unpaced game left alone for weeks must not overflow it.
    if (MausRuheFrames < INT32_MAX) MausRuheFrames += 1;
    MyApp.CountFPS();
    WarteAufFrameZeit(t0);
}

void BeendeProgramm()
{
    if (!gestartet) return;
    gestartet = false;
    for (int k = 0; k < 100; ++k) GibMusikFrei(k);
    SoundBeenden();
    GibTastaturFrei();
    MyApp.Shutdown();

    LoescheListenDateien();
    for (int i = 0; i < 20; ++i) os::DeleteFile("Gamestate/S_Town" + std::to_string(i) + ".dat");
    for (int i = 1; i <= 8; ++i) os::DeleteFile("Intro00" + std::to_string(i) + ".bmp");
    for (const char* datei : SoundDateien)
        if (datei) LoescheDatei(datei);

    win::Destroy();
    BeendeAufzeichnung();
    os::ReleaseSingleInstance();
}

int32_t WinMain(const ShellOptions& options)
{
    if (!StarteProgramm(options)) return kExitFehler;
    while (BeendenFlag == 0) FrameSchritt();
    BeendeProgramm();
    return startFehlgeschlagen ? kExitFehler : kExitErfolg;
}
