#pragma once
// The tutorial's step (0 no tutorial, 1..37 the steps, 99 the pause between its two parts) lives
// with the frame's interface values, where the town view reads it too.
#include "framework/frame.h"

// Whether step n is one the continue strip advances (a click ends it).
bool TutorialKlickSchritt(int n);
