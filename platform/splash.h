#pragma once
// The splash: a small borderless window in the middle of the screen showing one picture while
// the program starts behind it. Without a display it shows nothing and succeeds.
#include <cstdint>

namespace win {

// rgba is width x height, top row first.
void ShowSplash(const uint8_t* rgba, int width, int height);
void HideSplash();

}  // namespace win
