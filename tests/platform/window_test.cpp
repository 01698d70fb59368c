#include "platform/window.h"
#include "platform/keyboard.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Msg {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    bool operator==(const Msg&) const = default;
};
std::vector<Msg> got;

intptr_t Record(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    got.push_back({message, wParam, lParam});
    return 0;
}

class Messages : public ::testing::Test {
protected:
    void SetUp() override
    {
        got.clear();
        win::ResetTranslationState();
        win::SetWindowProc(Record);
        SDL_SetModState(KMOD_NONE);
    }
    void TearDown() override { win::SetWindowProc(nullptr); }

    static SDL_Event Button(bool down, uint8_t button, int x, int y, uint32_t time)
    {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = button, e.button.x = x, e.button.y = y, e.button.timestamp = time;
        return e;
    }
    static SDL_Event Wheel(int notches)
    {
        SDL_Event e{};
        e.type = SDL_MOUSEWHEEL;
        e.wheel.y = notches;
        e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        return e;
    }
};

TEST_F(Messages, MouseMovePacksPositionAndHeldButtons)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 300, e.motion.y = 200;
    win::TranslateEvent(e);
    win::TranslateEvent(Button(true, SDL_BUTTON_RIGHT, 300, 200, 0));
    win::TranslateEvent(e);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (Msg{win::msg::MouseMove, 0, (200 << 16) | 300}));
    EXPECT_EQ(got[2], (Msg{win::msg::MouseMove, win::mk::RButton, (200 << 16) | 300}));
}

TEST_F(Messages, SecondPressOfADoubleClickArrivesAsDblClk)
{
    struct Step {
        bool down;
        uint8_t button;
        int x;
        uint32_t time;
        uint32_t expect;
    } steps[] = {
        {true, SDL_BUTTON_LEFT, 100, 1000, win::msg::LButtonDown},
        {false, SDL_BUTTON_LEFT, 100, 1050, win::msg::LButtonUp},
        {true, SDL_BUTTON_LEFT, 101, 1200, win::msg::LButtonDblClk},   // within time and distance
        {false, SDL_BUTTON_LEFT, 101, 1250, win::msg::LButtonUp},
        {true, SDL_BUTTON_LEFT, 101, 1300, win::msg::LButtonDown},     // a third press starts over
        {true, SDL_BUTTON_LEFT, 101, 1900, win::msg::LButtonDown},     // too late
        {true, SDL_BUTTON_LEFT, 110, 2000, win::msg::LButtonDown},     // too far
        {true, SDL_BUTTON_RIGHT, 110, 2100, win::msg::RButtonDown},    // another button
        {true, SDL_BUTTON_RIGHT, 110, 2200, win::msg::RButtonDblClk},
        {true, SDL_BUTTON_MIDDLE, 110, 2300, win::msg::MButtonDown},
        {false, SDL_BUTTON_MIDDLE, 110, 2310, win::msg::MButtonUp},
    };
    for (const Step& s : steps) win::TranslateEvent(Button(s.down, s.button, s.x, 50, s.time));
    ASSERT_EQ(got.size(), std::size(steps));
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].message, steps[i].expect) << "step " << i;
        EXPECT_EQ(got[i].lParam, (50 << 16) | steps[i].x);
    }
}

TEST_F(Messages, WheelDeltaIsNotchesTimes120WithKeyFlags)
{
    struct Case {
        int notches;
        SDL_Keymod mod;
        uintptr_t wParam;
    } cases[] = {
        {1, KMOD_NONE, 0x00780000},
        {3, KMOD_NONE, 0x01680000},
        {4, KMOD_NONE, 0x01E00000},
        {-1, KMOD_NONE, 0xFF880000},
        {-2, KMOD_NONE, 0xFF100000},
        {1, KMOD_LSHIFT, 0x00780000 | win::mk::Shift},
        {-1, KMOD_RCTRL, 0xFF880000 | win::mk::Control},
    };
    for (const Case& c : cases) {
        got.clear();
        SDL_SetModState(c.mod);
        win::TranslateEvent(Wheel(c.notches));
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].message, win::msg::MouseWheel);
        EXPECT_EQ(got[0].wParam, c.wParam) << c.notches << " notches";
    }
}

TEST_F(Messages, ActivationCloseAndPostedMessages)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_GAINED;
    win::TranslateEvent(e);
    e.window.event = SDL_WINDOWEVENT_MINIMIZED;
    win::TranslateEvent(e);
    e.type = SDL_QUIT;
    win::TranslateEvent(e);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (Msg{win::msg::Activate, win::wa::Active, 0}));
    EXPECT_EQ(got[1], (Msg{win::msg::Activate, win::wa::Inactive, 0}));
    EXPECT_EQ(got[2].message, win::msg::Close);

    // The default handling of Close destroys the window, which the procedure hears as Destroy.
    got.clear();
    win::SetWindowProc([](uint32_t m, uintptr_t w, intptr_t l) -> intptr_t {
        got.push_back({m, w, l});
        return win::DefaultProc(m, w, l);
    });
    win::PostMessage(win::msg::Close, 0, 0);
    win::PumpMessages();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].message, win::msg::Close);
    EXPECT_EQ(got[1].message, win::msg::Destroy);
}

TEST(Window, FrameFitsKeepingItsAspect)
{
    struct Case {
        int w, h;
        win::Rect r;
    } cases[] = {
        {1024, 768, {0, 0, 1024, 768}},
        {1920, 1080, {240, 0, 1440, 1080}},
        {2048, 1536, {0, 0, 2048, 1536}},
        {1024, 1024, {0, 128, 1024, 768}},
        {0, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const win::Rect r = win::FitFrame(c.w, c.h);
        EXPECT_EQ(r.x, c.r.x) << c.w << "x" << c.h;
        EXPECT_EQ(r.y, c.r.y);
        EXPECT_EQ(r.w, c.r.w);
        EXPECT_EQ(r.h, c.r.h);
    }
}

}  // namespace

namespace {

// A key press is a message of its own (the intro stops on it, typing takes it), and so is each repeat
// of a held key; its release is none: the game reads held keys from the keyboard state.
TEST_F(Messages, KeyPressesArriveAsKeyDown)
{
    struct Fall {
        SDL_Scancode key;
        uint16_t mod;
        uintptr_t code;
        intptr_t lParam;  // the key's code and Shift, for typing
    } faelle[] = {{SDL_SCANCODE_RETURN, 0, win::vk::Return, win::KeyLParam(kbd::dik::Return, false)},
                  {SDL_SCANCODE_KP_ENTER, 0, win::vk::Return, win::KeyLParam(kbd::dik::Return, false)},
                  {SDL_SCANCODE_ESCAPE, 0, win::vk::Escape, win::KeyLParam(kbd::dik::Escape, false)},
                  {SDL_SCANCODE_SPACE, 0, win::vk::Space, win::KeyLParam(kbd::dik::Space, false)},
                  {SDL_SCANCODE_A, 0, 0, win::KeyLParam(kbd::dik::A, false)},
                  {SDL_SCANCODE_A, KMOD_RSHIFT, 0, win::KeyLParam(kbd::dik::A, true)},
                  {SDL_SCANCODE_SEMICOLON, KMOD_LSHIFT, 0, win::KeyLParam(kbd::dik::Semicolon, true)}};
    for (const Fall& f : faelle) {
        got.clear();
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.scancode = f.key;
        e.key.keysym.mod = f.mod;
        win::TranslateEvent(e);
        e.key.repeat = 1;  // held: the desktop repeats the press
        win::TranslateEvent(e);
        e.type = SDL_KEYUP;
        win::TranslateEvent(e);
        ASSERT_EQ(got.size(), 2u) << f.key;
        EXPECT_EQ(got[0], (Msg{win::msg::KeyDown, f.code, f.lParam})) << f.key;
        EXPECT_EQ(got[1], got[0]) << f.key;
    }
}

// A touchpad tap brings DOWN and UP within one frame; the UP waits for the next pump, so the frame
// that pumps the DOWN still sees the press. Later events wait behind it, in order.
TEST_F(Messages, AnUpWaitsForTheNextPumpWhenItsDownCameInThisOne)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    SDL_Event down = Button(true, SDL_BUTTON_LEFT, 10, 20, 100), up = Button(false, SDL_BUTTON_LEFT, 10, 20, 101);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 30, motion.motion.y = 40;
    for (SDL_Event* e : {&down, &up, &motion}) ASSERT_EQ(SDL_PushEvent(e), 1);

    win::PumpMessages();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, win::msg::LButtonDown);
    win::PumpMessages();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1].message, win::msg::LButtonUp);
    EXPECT_EQ(got[2].message, win::msg::MouseMove);

    // An UP whose DOWN came in an earlier pump passes at once.
    got.clear();
    ASSERT_EQ(SDL_PushEvent(&down), 1);
    win::PumpMessages();
    ASSERT_EQ(SDL_PushEvent(&up), 1);
    ASSERT_EQ(SDL_PushEvent(&motion), 1);
    win::PumpMessages();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1].message, win::msg::LButtonUp);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

}  // namespace
