#include "platform/window_manager.h"

#include <SDL.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>

namespace win {

namespace {

bool fehler = false;

int MerkeFehler(Display*, XErrorEvent*)
{
    fehler = true;
    return 0;
}

// The window the property names, or 0 where it names none (or the window is gone, which is an error
// that the caller's handler catches).
::Window NamedWindow(Display* d, ::Window w, Atom property)
{
    Atom typ = 0;
    int format = 0;
    unsigned long anzahl = 0, rest = 0;
    unsigned char* daten = nullptr;
    ::Window ergebnis = 0;
    if (XGetWindowProperty(d, w, property, 0, 1, False, XA_WINDOW, &typ, &format, &anzahl, &rest, &daten) == Success &&
        typ == XA_WINDOW && format == 32 && anzahl == 1 && daten)
        ergebnis = *reinterpret_cast<::Window*>(daten);
    if (daten) XFree(daten);
    return ergebnis;
}

}  // namespace

bool WindowManagerRuns()
{
    const char* treiber = SDL_GetCurrentVideoDriver();
    if (!treiber || std::strcmp(treiber, "x11") != 0) return true;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return true;
    // A running window manager names a window of its own on the root window, and that window names
    // itself; a name left behind by one that has ended points at a window that is gone.
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
    bool laeuft = false;
    if (check != 0) {
        fehler = false;
        XSync(d, False);
        const auto vorher = XSetErrorHandler(MerkeFehler);
        const ::Window wm = NamedWindow(d, DefaultRootWindow(d), check);
        laeuft = wm != 0 && NamedWindow(d, wm, check) == wm;
        XSync(d, False);
        XSetErrorHandler(vorher);
        laeuft = laeuft && !fehler;
    }
    XCloseDisplay(d);
    return laeuft;
}

}  // namespace win
