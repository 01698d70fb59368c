#pragma once
// The camera: where the 3D view looks from and to. Its one instance `Cam` lives inside the game
// globals (world/spielglobals.h), so a save stores it; the nine floats are its file layout. It is
// a plain aggregate so the block stays trivially copyable; `Cam` starts at eye (0, 0, 0),
// target (0, 1, 5), up (0, 0, 1) when the program starts.

class Camera {
public:
    float Auge[3];  // eye
    float Ziel[3];  // target
    float Oben[3];  // up

    void Set(float ex, float ey, float ez, float tx, float ty, float tz, float ux, float uy, float uz);
    void Orbit(float ax, float ay, float az);
    void Rotate(float cx, float cy, float cz, float ax, float ay, float az);
    void Strafe(float amount);
    void MoveForward(float amount);
};
static_assert(sizeof(Camera) == 36);
