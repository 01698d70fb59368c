#include "platform/splash.h"

#include <SDL.h>

namespace win {

namespace {
SDL_Window* splash = nullptr;
}

void ShowSplash(const uint8_t* rgba, int width, int height)
{
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
    if (!splash) return;
    // The splash's surface may be drawn through a GL context of SDL's own, which its destruction
    // leaves current as none: the game's device context is made current again.
    SDL_Window* fenster = SDL_GL_GetCurrentWindow();
    SDL_GLContext kontext = SDL_GL_GetCurrentContext();
    SDL_DestroyWindow(splash);
    if (kontext && fenster && fenster != splash) SDL_GL_MakeCurrent(fenster, kontext);
    splash = nullptr;
}

}  // namespace win
