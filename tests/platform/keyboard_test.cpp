#include "platform/keyboard.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(Keyboard, ScancodesMapToTheGamesKeyCodes)
{
    struct Case {
        SDL_Scancode sdl;
        uint8_t dik;
    } cases[] = {
        {SDL_SCANCODE_ESCAPE, 0x01}, {SDL_SCANCODE_RETURN, 0x1C}, {SDL_SCANCODE_SPACE, 0x39},
        {SDL_SCANCODE_F1, 0x3B},     {SDL_SCANCODE_F11, 0x57},    {SDL_SCANCODE_F12, 0x58},
        {SDL_SCANCODE_LSHIFT, 0x2A}, {SDL_SCANCODE_RSHIFT, 0x36}, {SDL_SCANCODE_LALT, 0x38},
        {SDL_SCANCODE_A, 0x1E},      {SDL_SCANCODE_Q, 0x10},      {SDL_SCANCODE_Z, 0x2C},
        {SDL_SCANCODE_1, 0x02},      {SDL_SCANCODE_0, 0x0B},      {SDL_SCANCODE_BACKSPACE, 0x0E},
        {SDL_SCANCODE_UP, 0xC8},     {SDL_SCANCODE_LEFT, 0xCB},   {SDL_SCANCODE_PAGEDOWN, 0xD1},
        {SDL_SCANCODE_MINUS, 0x0C},  {SDL_SCANCODE_PERIOD, 0x34}, {SDL_SCANCODE_MUTE, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(kbd::FromScancode(c.sdl), c.dik) << SDL_GetScancodeName(c.sdl);
}

TEST(Keyboard, ForcedKeysAreTheStateAndClearAgain)
{
    uint8_t state[256];
    kbd::ReadState(state);
    for (uint8_t v : state) ASSERT_EQ(v, 0) << "no focus, no keys";
    kbd::ForceKey(kbd::dik::F1, true);
    kbd::ForceKey(kbd::dik::LShift, true);
    kbd::ReadState(state);
    EXPECT_EQ(state[kbd::dik::F1], 0x80);
    EXPECT_EQ(state[kbd::dik::LShift], 0x80);
    EXPECT_EQ(state[kbd::dik::Space], 0);
    kbd::ForceKey(kbd::dik::F1, false);
    kbd::ReadState(state);
    EXPECT_EQ(state[kbd::dik::F1], 0);
    kbd::ClearForcedKeys();
    kbd::ReadState(state);
    EXPECT_EQ(state[kbd::dik::LShift], 0);
}
