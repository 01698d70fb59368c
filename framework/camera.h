#pragma once
// The camera: where the 3D view looks from and to. Its one instance `Cam` lives inside the game
// globals (world/spielglobals.h), so a save stores it; the nine floats are its file layout. It is
// a plain aggregate so the block stays trivially copyable; `Cam` starts at eye (0, 0, 0),
// target (0, 1, 5), up (0, 0, 1) when the program starts.
// The view frustum of the town frame lives here too.
#include "platform/math3d.h"

class Camera {
public:
    float Auge[3];  // eye
    float Ziel[3];  // target
    float Oben[3];  // up

    void Set(float ex, float ey, float ez, float tx, float ty, float tz, float ux, float uy, float uz);
    // The town view as a town is entered (a new game, a journey's end, back from an encounter map):
    // high over the gate, looking down the street.
    void StadtStart();
    // Turns the target about the eye (looking around).
    void Orbit(float ax, float ay, float az);
    // Turns the eye about the point (cx, cy, cz).
    void Rotate(float cx, float cy, float cz, float ax, float ay, float az);
    // Moves eye and target sideways in the horizontal plane (the step grows with the eye-target distance).
    void Strafe(float amount);
    // Moves eye and target along the horizontal view direction (not normalised).
    void MoveForward(float amount);
};
static_assert(sizeof(Camera) == 36);

// Six planes a*x + b*y + c*z + d = 0, normals pointing into the view volume.
class Frustum {
public:
    math3d::Plane planes[6];

    // Rebuilds the planes from MyApp's view and projection matrices.
    void FrustumAktualisieren();
    // Rebuilds the planes from the given matrices.
    void AusMatrizen(const math3d::Matrix& view, const math3d::Matrix& proj);
    // 1 when the sphere may be visible, 0 when it lies wholly outside a plane.
    int FrustumKugelSichtbar(float x, float y, float z, float r) const;
};

void NormiereEbene(math3d::Plane planes[6], int i);

// The view volume of the last town frame.
extern Frustum SichtPyramide;
