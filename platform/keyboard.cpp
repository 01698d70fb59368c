#include "platform/keyboard.h"

#include <SDL.h>

#include <cstring>

#include "platform/replay.h"
#include "platform/window.h"

namespace kbd {

namespace {

struct Pair {
    SDL_Scancode sdl;
    uint8_t dik;
};

// The one table from SDL's scancodes to the key codes the game reads.
constexpr Pair kTable[] = {
    {SDL_SCANCODE_ESCAPE, dik::Escape}, {SDL_SCANCODE_1, dik::K1}, {SDL_SCANCODE_2, dik::K2},
    {SDL_SCANCODE_3, dik::K3}, {SDL_SCANCODE_4, dik::K4}, {SDL_SCANCODE_5, dik::K5}, {SDL_SCANCODE_6, dik::K6},
    {SDL_SCANCODE_7, dik::K7}, {SDL_SCANCODE_8, dik::K8}, {SDL_SCANCODE_9, dik::K9}, {SDL_SCANCODE_0, dik::K0},
    {SDL_SCANCODE_MINUS, dik::Minus}, {SDL_SCANCODE_EQUALS, dik::Equals}, {SDL_SCANCODE_BACKSPACE, dik::Back},
    {SDL_SCANCODE_TAB, dik::Tab}, {SDL_SCANCODE_Q, dik::Q}, {SDL_SCANCODE_W, dik::W}, {SDL_SCANCODE_E, dik::E},
    {SDL_SCANCODE_R, dik::R}, {SDL_SCANCODE_T, dik::T}, {SDL_SCANCODE_Y, dik::Y}, {SDL_SCANCODE_U, dik::U},
    {SDL_SCANCODE_I, dik::I}, {SDL_SCANCODE_O, dik::O}, {SDL_SCANCODE_P, dik::P},
    {SDL_SCANCODE_LEFTBRACKET, dik::LBracket}, {SDL_SCANCODE_RIGHTBRACKET, dik::RBracket},
    {SDL_SCANCODE_RETURN, dik::Return}, {SDL_SCANCODE_KP_ENTER, dik::Return}, {SDL_SCANCODE_LCTRL, dik::LControl},
    {SDL_SCANCODE_A, dik::A}, {SDL_SCANCODE_S, dik::S}, {SDL_SCANCODE_D, dik::D}, {SDL_SCANCODE_F, dik::F},
    {SDL_SCANCODE_G, dik::G}, {SDL_SCANCODE_H, dik::H}, {SDL_SCANCODE_J, dik::J}, {SDL_SCANCODE_K, dik::K},
    {SDL_SCANCODE_L, dik::L}, {SDL_SCANCODE_SEMICOLON, dik::Semicolon}, {SDL_SCANCODE_APOSTROPHE, dik::Apostrophe},
    {SDL_SCANCODE_GRAVE, dik::Grave}, {SDL_SCANCODE_LSHIFT, dik::LShift}, {SDL_SCANCODE_BACKSLASH, dik::Backslash},
    {SDL_SCANCODE_Z, dik::Z}, {SDL_SCANCODE_X, dik::X}, {SDL_SCANCODE_C, dik::C}, {SDL_SCANCODE_V, dik::V},
    {SDL_SCANCODE_B, dik::B}, {SDL_SCANCODE_N, dik::N}, {SDL_SCANCODE_M, dik::M}, {SDL_SCANCODE_COMMA, dik::Comma},
    {SDL_SCANCODE_PERIOD, dik::Period}, {SDL_SCANCODE_SLASH, dik::Slash}, {SDL_SCANCODE_RSHIFT, dik::RShift},
    {SDL_SCANCODE_KP_MULTIPLY, dik::Multiply}, {SDL_SCANCODE_LALT, dik::LMenu}, {SDL_SCANCODE_SPACE, dik::Space},
    {SDL_SCANCODE_CAPSLOCK, dik::Capital}, {SDL_SCANCODE_F1, dik::F1}, {SDL_SCANCODE_F2, dik::F2},
    {SDL_SCANCODE_F3, dik::F3}, {SDL_SCANCODE_F4, dik::F4}, {SDL_SCANCODE_F5, dik::F5}, {SDL_SCANCODE_F6, dik::F6},
    {SDL_SCANCODE_F7, dik::F7}, {SDL_SCANCODE_F8, dik::F8}, {SDL_SCANCODE_F9, dik::F9},
    {SDL_SCANCODE_F10, dik::F10}, {SDL_SCANCODE_F11, dik::F11}, {SDL_SCANCODE_F12, dik::F12},
    {SDL_SCANCODE_RCTRL, dik::RControl}, {SDL_SCANCODE_RALT, dik::RMenu}, {SDL_SCANCODE_HOME, dik::Home},
    {SDL_SCANCODE_UP, dik::Up}, {SDL_SCANCODE_PAGEUP, dik::Prior}, {SDL_SCANCODE_LEFT, dik::Left},
    {SDL_SCANCODE_RIGHT, dik::Right}, {SDL_SCANCODE_END, dik::End}, {SDL_SCANCODE_DOWN, dik::Down},
    {SDL_SCANCODE_PAGEDOWN, dik::Next}, {SDL_SCANCODE_INSERT, dik::Insert}, {SDL_SCANCODE_DELETE, dik::Delete},
    // German layouts put "<>|" on the extra key beside left Shift.
    {SDL_SCANCODE_NONUSBACKSLASH, 0x56},
};

uint8_t forced[256];
bool anyForced = false;

}  // namespace

uint8_t FromScancode(int sdlScancode)
{
    for (const Pair& p : kTable)
        if (p.sdl == sdlScancode) return p.dik;
    return 0;
}

void ReadState(uint8_t state[256])
{
    std::memset(state, 0, 256);
    if (anyForced) {
        std::memcpy(state, forced, 256);
    } else if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetKeyboardFocus()) {
        int count = 0;
        const Uint8* keys = SDL_GetKeyboardState(&count);
        for (const Pair& p : kTable)
            if (p.sdl < count && keys[p.sdl]) state[p.dik] = 0x80;
    }
    replay::Keys(state);
}

uintptr_t VirtualKey(uint8_t code)
{
    switch (code) {
    case dik::Return: return win::vk::Return;
    case dik::Escape: return win::vk::Escape;
    case dik::Space: return win::vk::Space;
    default: return 0;
    }
}

void ForceKey(uint8_t code, bool down)
{
    if (down && forced[code] == 0) {
        const bool shift = forced[dik::LShift] != 0 || forced[dik::RShift] != 0;
        win::PostMessage(win::msg::KeyDown, VirtualKey(code), win::KeyLParam(code, shift));
    }
    forced[code] = down ? 0x80 : 0;
    anyForced = false;
    for (uint8_t v : forced) anyForced = anyForced || v != 0;
}

void ClearForcedKeys()
{
    std::memset(forced, 0, sizeof forced);
    anyForced = false;
}

}  // namespace kbd
