#include "platform/window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <string>

#include "platform/os.h"
#include "platform/keyboard.h"
#include "platform/replay.h"
#include "platform/window_manager.h"

namespace win {

namespace {

SDL_Window* window = nullptr;
WindowProc proc = nullptr;
bool destroyed = false;

// SDL's X11 driver asks the session bus about the input method and the screen saver. Where there is
// no session bus (no address given and no socket in the runtime folder) the D-Bus library would try
// to launch one, which costs start-up time and can leave a bus process behind: nothing to talk to.
void KeinenBusStarten()
{
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return;
    const char* laufzeit = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    if (laufzeit && std::filesystem::exists(std::string(laufzeit) + "/bus", ec)) return;
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 0);
}

struct Message {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};
std::deque<Message> posted;

// Windows' double-click rule: the second press of the same button within the double-click time and
// a few pixels of the first arrives as DBLCLK; the press after a DBLCLK starts over.
constexpr uint32_t kDoubleClickMs = 500;
constexpr int kDoubleClickDistance = 2;
struct LastPress {
    uint8_t button = 0;
    uint32_t time = 0;
    int x = 0, y = 0;
} lastPress;
uint32_t buttonsHeld = 0;  // MK_ flags of the mouse buttons

// The game reads a press from the flag its window procedure sets on DOWN and clears on UP, once a
// frame. A tap on a touchpad brings DOWN and UP within a millisecond, into one frame's pump, and the
// press would be lost: an UP whose DOWN came in the same pump waits for the next one.
uint32_t pressedThisPump = 0;
bool hasHeldBack = false;
SDL_Event heldBack;

// What a pump hands to the procedure is the game's input and recorded as such; what the
// procedure sends on meanwhile (the Destroy after a Close) follows from it and is not.
bool pumping = false;
int sendDepth = 0;

intptr_t Send(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (pumping && sendDepth == 0) replay::RecordMessage(message, wParam, lParam);
    ++sendDepth;
    const intptr_t result = proc ? proc(message, wParam, lParam) : DefaultProc(message, wParam, lParam);
    --sendDepth;
    return result;
}

// Window pixels to the game's 1024 x 768 client coordinates.
void ToClient(int wx, int wy, int& x, int& y)
{
    int ww = 1024, wh = 768;
    if (window) SDL_GetWindowSize(window, &ww, &wh);
    const Rect r = FitFrame(ww, wh);
    x = r.w > 0 ? (wx - r.x) * 1024 / r.w : wx;
    y = r.h > 0 ? (wy - r.y) * 768 / r.h : wy;
    x = std::clamp(x, 0, 1023);
    y = std::clamp(y, 0, 767);
}

uint32_t KeyFlags()
{
    const SDL_Keymod mod = SDL_GetModState();
    uint32_t flags = buttonsHeld;
    if (mod & KMOD_SHIFT) flags |= mk::Shift;
    if (mod & KMOD_CTRL) flags |= mk::Control;
    return flags;
}

uint32_t ButtonFlag(uint8_t button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return mk::LButton;
    case SDL_BUTTON_RIGHT: return mk::RButton;
    case SDL_BUTTON_MIDDLE: return mk::MButton;
    default: return 0;
    }
}

bool MustWait(const SDL_Event& e)
{
    return e.type == SDL_MOUSEBUTTONUP && (pressedThisPump & ButtonFlag(e.button.button)) != 0;
}

void TranslateButton(const SDL_MouseButtonEvent& e, bool down)
{
    uint32_t downMsg, upMsg, dblMsg;
    switch (e.button) {
    case SDL_BUTTON_LEFT: downMsg = msg::LButtonDown, upMsg = msg::LButtonUp, dblMsg = msg::LButtonDblClk; break;
    case SDL_BUTTON_RIGHT: downMsg = msg::RButtonDown, upMsg = msg::RButtonUp, dblMsg = msg::RButtonDblClk; break;
    case SDL_BUTTON_MIDDLE: downMsg = msg::MButtonDown, upMsg = msg::MButtonUp, dblMsg = msg::MButtonDblClk; break;
    default: return;
    }
    int x, y;
    ToClient(e.x, e.y, x, y);
    if (down) {
        buttonsHeld |= ButtonFlag(e.button);
        pressedThisPump |= ButtonFlag(e.button);
        const bool isDouble = lastPress.button == e.button && e.timestamp - lastPress.time <= kDoubleClickMs &&
                              std::abs(x - lastPress.x) <= kDoubleClickDistance &&
                              std::abs(y - lastPress.y) <= kDoubleClickDistance;
        if (isDouble) {
            lastPress = LastPress{};
            Send(dblMsg, KeyFlags(), MakeLParam(x, y));
        } else {
            lastPress = LastPress{e.button, e.timestamp, x, y};
            Send(downMsg, KeyFlags(), MakeLParam(x, y));
        }
    } else {
        buttonsHeld &= ~ButtonFlag(e.button);
        Send(upMsg, KeyFlags(), MakeLParam(x, y));
    }
}

}  // namespace

Rect FitFrame(int outerW, int outerH)
{
    if (outerW <= 0 || outerH <= 0) return {0, 0, 0, 0};
    // Compare 1024/768 with outerW/outerH in integers to keep the result exact.
    int w, h;
    if (int64_t(outerW) * 768 >= int64_t(outerH) * 1024) {
        h = outerH;
        w = int(int64_t(outerH) * 1024 / 768);
    } else {
        w = outerW;
        h = int(int64_t(outerW) * 768 / 1024);
    }
    return {(outerW - w) / 2, (outerH - h) / 2, w, h};
}

bool Create(const std::string& title, std::string& error, int headlessWidth, int headlessHeight)
{
    if (window) return true;
    // Without a display SDL would fall back to a driver that shows nothing and run the game unseen;
    // the headless drivers are for tests, which name them.
    const char* treiber = std::getenv("SDL_VIDEODRIVER");
    const bool treiberGewaehlt = treiber && *treiber;
    if (!treiberGewaehlt && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        error = kNoDisplay;
        return false;
    }
    KeinenBusStarten();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return false;
    }
    if (!treiberGewaehlt && os::Headless()) {  // a display was named but could not be opened
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        error = kNoDisplay;
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 4);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 5);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    // Made at the desktop's own size from the start. A window manager maps it full-screen at once.
    // Without one nobody takes the request for full screen (SDL would wait 100 ms for an answer when
    // the window shows): a borderless window at that size covers the screen just the same.
    SDL_Rect bereich{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, headlessWidth, headlessHeight};
    if (!os::Headless()) {
        flags |= WindowManagerRuns() ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_BORDERLESS;
        if (SDL_GetDisplayBounds(0, &bereich) != 0) bereich = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768};
    }
    window = SDL_CreateWindow(title.c_str(), bereich.x, bereich.y, bereich.w, bereich.h, flags);
    if (!window) {
        error = SDL_GetError();
        return false;
    }
    destroyed = false;
    return true;
}

void Destroy()
{
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
    destroyed = true;
}

SDL_Window* Handle() { return window; }

void Show(bool visible)
{
    if (!window) return;
    if (visible) {
        SDL_ShowWindow(window);
        SDL_RaiseWindow(window);
    } else {
        SDL_HideWindow(window);
    }
}

void SetIcon(const uint8_t* rgba, int width, int height)
{
    if (!window) return;
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba), width, height, 32, width * 4,
                                                        SDL_PIXELFORMAT_RGBA32);
    if (!s) return;
    SDL_SetWindowIcon(window, s);
    SDL_FreeSurface(s);
}

WindowProc SetWindowProc(WindowProc p)
{
    const WindowProc before = proc;
    proc = p;
    return before;
}

void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) { posted.push_back({message, wParam, lParam}); }

intptr_t DefaultProc(uint32_t message, uintptr_t, intptr_t)
{
    if (message == msg::Close && !destroyed) {
        Destroy();
        Send(msg::Destroy, 0, 0);
    }
    return 0;
}

void TranslateEvent(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_MOUSEMOTION: {
        int x, y;
        ToClient(e.motion.x, e.motion.y, x, y);
        Send(msg::MouseMove, KeyFlags(), MakeLParam(x, y));
        break;
    }
    case SDL_MOUSEBUTTONDOWN: TranslateButton(e.button, true); break;
    case SDL_MOUSEBUTTONUP: TranslateButton(e.button, false); break;
    case SDL_MOUSEWHEEL: {
        int notches = e.wheel.y;
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
        if (notches == 0) break;
        const int32_t delta = notches * kWheelDelta;
        const uintptr_t wParam = (uint32_t(uint16_t(int16_t(delta))) << 16) | KeyFlags();
        int mx = 0, my = 0;
        SDL_GetMouseState(&mx, &my);
        int x, y;
        ToClient(mx, my, x, y);
        Send(msg::MouseWheel, wParam, MakeLParam(x, y));
        break;
    }
    case SDL_WINDOWEVENT:
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_RESTORED: Send(msg::Activate, wa::Active, 0); break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED: Send(msg::Activate, wa::Inactive, 0); break;
        case SDL_WINDOWEVENT_CLOSE: Send(msg::Close, 0, 0); break;
        case SDL_WINDOWEVENT_EXPOSED: Send(msg::Paint, 0, 0); break;
        default: break;
        }
        break;
    case SDL_KEYDOWN: {
        // Every press and every repeat of a held key (at the desktop's rate): what typing takes.
        const uint8_t code = kbd::FromScancode(e.key.keysym.scancode);
        Send(msg::KeyDown, kbd::VirtualKey(code), KeyLParam(code, (e.key.keysym.mod & KMOD_SHIFT) != 0));
        break;
    }
    case SDL_QUIT: Send(msg::Close, 0, 0); break;
    default: break;
    }
}

void ResetTranslationState()
{
    lastPress = LastPress{};
    buttonsHeld = 0;
    pressedThisPump = 0;
    hasHeldBack = false;
}

namespace {

void PumpLive()
{
    while (!posted.empty()) {
        const Message m = posted.front();
        posted.pop_front();
        Send(m.message, m.wParam, m.lParam);
    }
    pressedThisPump = 0;
    if (hasHeldBack) {
        hasHeldBack = false;
        TranslateEvent(heldBack);
    }
    if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (MustWait(e)) {
            // Everything after it waits too, so the order stays.
            heldBack = e;
            hasHeldBack = true;
            return;
        }
        TranslateEvent(e);
    }
}

}  // namespace

void PumpMessages()
{
    const std::vector<replay::Message> replayed = replay::Pump();
    if (replay::CurrentMode() == replay::Mode::Replaying) {
        // Only the recording's input counts, and what the game posted itself is in it already.
        posted.clear();
        if (SDL_WasInit(SDL_INIT_EVENTS)) SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        for (const replay::Message& m : replayed) Send(m.message, m.wParam, m.lParam);
        return;
    }
    pumping = true;
    PumpLive();
    pumping = false;
}

}  // namespace win

namespace os {

void WarpPointer(int x, int y)
{
    SDL_Window* w = win::Handle();
    if (!w) return;
    int ww, wh;
    SDL_GetWindowSize(w, &ww, &wh);
    const win::Rect r = win::FitFrame(ww, wh);
    SDL_WarpMouseInWindow(w, r.x + x * r.w / 1024, r.y + y * r.h / 768);
}

}  // namespace os
