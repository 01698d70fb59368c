#include "framework/camera.h"

#include <cmath>

#include "framework/myapp.h"

Frustum SichtPyramide;

void Camera::Set(float ex, float ey, float ez, float tx, float ty, float tz, float ux, float uy, float uz)
{
    eye = {ex, ey, ez};
    target = {tx, ty, tz};
    up = {ux, uy, uz};
}

// Every step uses the same offset taken before the first one, so combined angles do not compose
// as rotations; the game's camera keys rely on single-axis turns only.
void Camera::Orbit(float ax, float ay, float az)
{
    const math3d::Vec3 v = math3d::Sub(target, eye);
    ay = -ay;
    if (ax != 0.0f) {
        target.z = eye.z + std::sin(ax) * v.y + std::cos(ax) * v.z;
        target.y = eye.y + std::cos(ax) * v.y - std::sin(ax) * v.z;
    }
    if (ay != 0.0f) {
        target.z = eye.z + std::sin(ay) * v.x + std::cos(ay) * v.z;
        target.x = eye.x + std::cos(ay) * v.x - std::sin(ay) * v.z;
    }
    if (az != 0.0f) {
        target.x = eye.x + std::sin(az) * v.y + std::cos(az) * v.x;
        target.y = eye.y + std::cos(az) * v.y - std::sin(az) * v.x;
    }
}

void Camera::Rotate(float cx, float cy, float cz, float ax, float ay, float az)
{
    const math3d::Vec3 v = math3d::Sub(eye, math3d::Vec3{cx, cy, cz});
    if (ax != 0.0f) {
        eye.z = cz + std::sin(ax) * v.y + std::cos(ax) * v.z;
        eye.y = cy + std::cos(ax) * v.y - std::sin(ax) * v.z;
    }
    if (ay != 0.0f) {
        eye.z = cz + std::sin(ay) * v.x + std::cos(ay) * v.z;
        eye.x = cx + std::cos(ay) * v.x - std::sin(ay) * v.z;
    }
    if (az != 0.0f) {
        eye.x = cx + std::sin(az) * v.y + std::cos(az) * v.x;
        eye.y = cy + std::cos(az) * v.y - std::sin(az) * v.x;
    }
}

void Camera::Strafe(float amount)
{
    const math3d::Vec3 d = math3d::Sub(target, eye);
    const float sx = d.z * up.y - d.y * up.z;
    const float sz = d.y * up.x - d.x * up.y;
    eye.x += sx * amount;
    target.x += sx * amount;
    eye.z += sz * amount;
    target.z += sz * amount;
}

void Camera::MoveForward(float amount)
{
    const float dx = target.x - eye.x;
    const float dz = target.z - eye.z;
    eye.x += dx * amount;
    target.x += dx * amount;
    eye.z += dz * amount;
    target.z += dz * amount;
}

void NormiereEbene(math3d::Plane planes[6], int i)
{
    math3d::Plane& p = planes[i];
    const float len = std::sqrt(p.a * p.a + p.b * p.b + p.c * p.c);
    p.a /= len;
    p.b /= len;
    p.c /= len;
    p.d /= len;
}

void Frustum::AusMatrizen(const math3d::Matrix& view, const math3d::Matrix& proj)
{
    const math3d::Matrix m = math3d::Multiply(view, proj);
    // Column j of m as a plane, combined with column 4.
    auto spalte = [&](int j, float sign) {
        return math3d::Plane{m.m[0][3] + sign * m.m[0][j], m.m[1][3] + sign * m.m[1][j],
                             m.m[2][3] + sign * m.m[2][j], m.m[3][3] + sign * m.m[3][j]};
    };
    const int spalten[6] = {0, 0, 1, 1, 2, 2};
    const float zeichen[6] = {-1.0f, 1.0f, 1.0f, -1.0f, -1.0f, 1.0f};
    for (int i = 0; i < 6; ++i) {
        planes[i] = spalte(spalten[i], zeichen[i]);
        NormiereEbene(planes, i);
    }
}

void Frustum::FrustumAktualisieren()
{
    AusMatrizen(MyApp.m_matView, MyApp.m_matProj);
}

int Frustum::FrustumKugelSichtbar(float x, float y, float z, float r) const
{
    for (const math3d::Plane& p : planes) {
        if (p.a * x + p.b * y + p.c * z + p.d <= -r) return 0;
    }
    return 1;
}
