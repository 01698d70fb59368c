#pragma once
// The camera (where the 3D view looks from and to) and the view frustum of the town frame.
#include "platform/math3d.h"

// Nine floats in this order (the save file keeps them raw): eye, target, up.
class Camera {
public:
    math3d::Vec3 eye{0.0f, 0.0f, 0.0f};
    math3d::Vec3 target{0.0f, 1.0f, 5.0f};
    math3d::Vec3 up{0.0f, 0.0f, 1.0f};

    void Set(float ex, float ey, float ez, float tx, float ty, float tz, float ux, float uy, float uz);
    // Turns the target about the eye (looking around).
    void Orbit(float ax, float ay, float az);
    // Turns the eye about the point (cx, cy, cz).
    void Rotate(float cx, float cy, float cz, float ax, float ay, float az);
    // Moves eye and target sideways in the horizontal plane (step grows with the eye-target distance).
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
    // Rebuilds the planes from the given matrices (FrustumAktualisieren uses MyApp's).
    void AusMatrizen(const math3d::Matrix& view, const math3d::Matrix& proj);
    // 1 when the sphere may be visible, 0 when it lies wholly outside a plane.
    int FrustumKugelSichtbar(float x, float y, float z, float r) const;
};

void NormiereEbene(math3d::Plane planes[6], int i);

// The view volume of the last town frame.
extern Frustum SichtPyramide;
