#include "platform/splash.h"

#include <SDL.h>

namespace win {

namespace {
SDL_Window* splash = nullptr;

// The splash window's surface can take the current OpenGL context away from the game's window
// (the offscreen driver draws window surfaces through GL); the drawing device needs it back.
struct KontextBleibt {
    SDL_Window* fenster = SDL_GL_GetCurrentWindow();
    SDL_GLContext kontext = SDL_GL_GetCurrentContext();
    ~KontextBleibt() {
        if (kontext) SDL_GL_MakeCurrent(fenster, kontext);
    }
};
}

void ShowSplash(const uint8_t* rgba, int width, int height)
{
    KontextBleibt kontext;
    HideSplash();
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
    splash = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    if (!splash) return;
    SDL_Surface* bild = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(rgba), width, height, 32,
                                                           width * 4, SDL_PIXELFORMAT_RGBA32);
    SDL_Surface* ziel = SDL_GetWindowSurface(splash);
    if (bild && ziel) {
        SDL_BlitSurface(bild, nullptr, ziel, nullptr);
        SDL_UpdateWindowSurface(splash);
    }
    if (bild) SDL_FreeSurface(bild);
}

void HideSplash()
{
    KontextBleibt kontext;
    if (splash) SDL_DestroyWindow(splash);
    splash = nullptr;
}

}  // namespace win
