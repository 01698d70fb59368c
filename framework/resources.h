#pragma once
// The program's own pictures: the window icon and the splash shown while the game starts.
// Painted in code, so the executable carries them without any file.
#include "platform/image.h"

image::Image Programmsymbol();  // 32 x 32
image::Image Startbild();       // 320 x 160
