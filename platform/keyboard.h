#pragma once
// The keyboard as a 256-byte key state indexed by DirectInput key codes (0x80 = held), filled from
// SDL's scancodes through one table and read once a frame. Empty while the window has no focus.
#include <cstdint>

namespace kbd {

// Key codes, numbered as the game's key tables give them.
namespace dik {
constexpr uint8_t Escape = 0x01, K1 = 0x02, K2 = 0x03, K3 = 0x04, K4 = 0x05, K5 = 0x06, K6 = 0x07, K7 = 0x08,
                  K8 = 0x09, K9 = 0x0A, K0 = 0x0B, Minus = 0x0C, Equals = 0x0D, Back = 0x0E, Tab = 0x0F,
                  Q = 0x10, W = 0x11, E = 0x12, R = 0x13, T = 0x14, Y = 0x15, U = 0x16, I = 0x17, O = 0x18,
                  P = 0x19, LBracket = 0x1A, RBracket = 0x1B, Return = 0x1C, LControl = 0x1D, A = 0x1E,
                  S = 0x1F, D = 0x20, F = 0x21, G = 0x22, H = 0x23, J = 0x24, K = 0x25, L = 0x26,
                  Semicolon = 0x27, Apostrophe = 0x28, Grave = 0x29, LShift = 0x2A, Backslash = 0x2B,
                  Z = 0x2C, X = 0x2D, C = 0x2E, V = 0x2F, B = 0x30, N = 0x31, M = 0x32, Comma = 0x33,
                  Period = 0x34, Slash = 0x35, RShift = 0x36, Multiply = 0x37, LMenu = 0x38, Space = 0x39,
                  Capital = 0x3A, F1 = 0x3B, F2 = 0x3C, F3 = 0x3D, F4 = 0x3E, F5 = 0x3F, F6 = 0x40,
                  F7 = 0x41, F8 = 0x42, F9 = 0x43, F10 = 0x44, F11 = 0x57, F12 = 0x58,
                  RControl = 0x9D, RMenu = 0xB8, Home = 0xC7, Up = 0xC8, Prior = 0xC9, Left = 0xCB,
                  Right = 0xCD, End = 0xCF, Down = 0xD0, Next = 0xD1, Insert = 0xD2, Delete = 0xD3;
}

// The DirectInput code for an SDL scancode (0 when the key has none).
uint8_t FromScancode(int sdlScancode);

// Fills state[256] with the keys held now (0x80 each); all zero while the window has no focus.
// Recorded while an input recording is made; replaying one, the recorded keys instead.
void ReadState(uint8_t state[256]);

// The window message's key code of a key (win::vk; 0 for the keys the game takes no press of).
uintptr_t VirtualKey(uint8_t code);

// Tests press and release keys without SDL; while any key is forced, ReadState reports the forced set.
// A press of a key that was up also posts its KeyDown message, as the window delivers it.
void ForceKey(uint8_t code, bool down);
void ClearForcedKeys();

}  // namespace kbd
