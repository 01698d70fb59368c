#pragma once
// The game's one window and its message pump. The game always sees a 1024 x 768 client area:
// mouse positions are scaled into it and the frame is scaled to fit the window, aspect kept.
// SDL events become Windows-style messages handed to the game's window procedure, so that
// procedure is written as the game describes it and can be tested with synthetic messages.
#include <cstdint>
#include <string>

union SDL_Event;
struct SDL_Window;

namespace win {

// Message codes and key flags, numbered as the game's window procedure expects them.
namespace msg {
constexpr uint32_t Destroy = 0x0002, Activate = 0x0006, Paint = 0x000F, Close = 0x0010, Quit = 0x0012;
constexpr uint32_t KeyDown = 0x0100;  // wParam: a vk code below, 0 for every other key; lParam: KeyLParam
constexpr uint32_t MouseMove = 0x0200, LButtonDown = 0x0201, LButtonUp = 0x0202, LButtonDblClk = 0x0203,
                   RButtonDown = 0x0204, RButtonUp = 0x0205, RButtonDblClk = 0x0206,
                   MButtonDown = 0x0207, MButtonUp = 0x0208, MButtonDblClk = 0x0209, MouseWheel = 0x020A;
}
namespace mk {
constexpr uint32_t LButton = 0x0001, RButton = 0x0002, Shift = 0x0004, Control = 0x0008, MButton = 0x0010;
}
namespace vk {
constexpr uintptr_t Return = 0x0D, Escape = 0x1B, Space = 0x20;
}
namespace wa {
constexpr uint32_t Inactive = 0, Active = 1, ClickActive = 2;
}
constexpr int32_t kWheelDelta = 120;

inline uint32_t MakeLParam(int x, int y) { return (uint32_t(uint16_t(y)) << 16) | uint16_t(x); }

// A key press's lParam: the key's code in the keyboard state's numbering (kbd::dik) in bits 16-23,
// where Windows puts the scan code, and bit 25 while Shift is held. Each press comes once, and a
// held key's press again at the desktop's repeat rate.
constexpr intptr_t kKeyShift = intptr_t(1) << 25;
inline intptr_t KeyLParam(uint8_t code, bool shift) { return (intptr_t(code) << 16) | (shift ? kKeyShift : 0); }
inline uint8_t KeyCode(intptr_t lParam) { return uint8_t(uint32_t(lParam) >> 16); }
inline bool KeyShift(intptr_t lParam) { return (lParam & kKeyShift) != 0; }

using WindowProc = intptr_t (*)(uint32_t message, uintptr_t wParam, intptr_t lParam);

// What Create reports when there is no display to open a window on.
constexpr const char* kNoDisplay = "Velquor Kerrowind needs a graphical desktop (an X11 or Wayland display); none could be opened.";

// Creates the window (full-screen at the desktop's size where there is a display, else headlessWidth
// x headlessHeight on the headless driver a test named), hidden, with an OpenGL-capable surface.
// False on failure, with the reason in error; without a display and no driver named in
// SDL_VIDEODRIVER it fails.
bool Create(const std::string& title, std::string& error, int headlessWidth = 1024, int headlessHeight = 768);
void Destroy();
SDL_Window* Handle();  // for the graphics device; nullptr before Create
void Show(bool visible);
void SetIcon(const uint8_t* rgba, int width, int height);

// Where the 1024 x 768 frame sits inside an area of outerW x outerH pixels: scaled to fit, aspect
// kept, centred. The one rule that the frame's presentation and the mouse scaling share.
struct Rect {
    int x, y, w, h;
};
Rect FitFrame(int outerW, int outerH);

// Returns the procedure it replaces.
WindowProc SetWindowProc(WindowProc proc);

// Empties the event queue, handing every message to the window procedure. Callable from nested
// (modal) loops. While an input recording is made, what it hands out is recorded; while one is
// replayed, it hands out the recording's next pump instead of live input (see replay.h). A close
// request arrives as Close; the default handling of Close (DefaultProc) destroys the window, which
// sends Destroy. A key press arrives as KeyDown, its repeats too (the game reads held keys from the
// keyboard state, and types from the presses).
void PumpMessages();
// Queues a message to be delivered by the next PumpMessages (the game's PostMessage).
void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
// What the default window procedure does with a message the game passes on.
intptr_t DefaultProc(uint32_t message, uintptr_t wParam, intptr_t lParam);

// The translation itself, for tests: turns one SDL event into messages (0, 1 or 2) delivered
// through the window procedure. Double clicks are recognised as Windows does (second press
// within the double-click time and distance arrives as DBLCLK instead of DOWN).
void TranslateEvent(const SDL_Event& event);
void ResetTranslationState();  // forget the last click (tests)

}  // namespace win
