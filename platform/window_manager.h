#pragma once
// Whether a window manager runs on the desktop the window opens on.

namespace win {

// True where a window manager takes requests for full screen, or where that cannot be told (not
// X11); false on an X display no window manager runs on.
bool WindowManagerRuns();

}  // namespace win
