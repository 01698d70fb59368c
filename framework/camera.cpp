#include "framework/camera.h"

#include <cmath>

#include "framework/myapp.h"

Frustum SichtPyramide;

void Camera::Set(float ex, float ey, float ez, float tx, float ty, float tz, float ux, float uy, float uz)
{
    Auge[0] = ex, Auge[1] = ey, Auge[2] = ez;
    Ziel[0] = tx, Ziel[1] = ty, Ziel[2] = tz;
    Oben[0] = ux, Oben[1] = uy, Oben[2] = uz;
}

void Camera::StadtStart()
{
    Set(589.5035f, 250.0f, -100.32703f, 589.5277f, 237.0f, -90.327095f, 0.0f, 1.0f, 0.0f);
}

// Every step uses the same offset taken before the first one, so combined angles do not compose
// as rotations; the game's camera keys turn about one axis at a time.
void Camera::Orbit(float ax, float ay, float az)
{
    const float vx = Ziel[0] - Auge[0], vy = Ziel[1] - Auge[1], vz = Ziel[2] - Auge[2];
    ay = -ay;
    if (ax != 0.0f) {
        Ziel[2] = Auge[2] + std::sin(ax) * vy + std::cos(ax) * vz;
        Ziel[1] = Auge[1] + std::cos(ax) * vy - std::sin(ax) * vz;
    }
    if (ay != 0.0f) {
        Ziel[2] = Auge[2] + std::sin(ay) * vx + std::cos(ay) * vz;
        Ziel[0] = Auge[0] + std::cos(ay) * vx - std::sin(ay) * vz;
    }
    if (az != 0.0f) {
        Ziel[0] = Auge[0] + std::sin(az) * vy + std::cos(az) * vx;
        Ziel[1] = Auge[1] + std::cos(az) * vy - std::sin(az) * vx;
    }
}

void Camera::Rotate(float cx, float cy, float cz, float ax, float ay, float az)
{
    const float vx = Auge[0] - cx, vy = Auge[1] - cy, vz = Auge[2] - cz;
    if (ax != 0.0f) {
        Auge[2] = cz + std::sin(ax) * vy + std::cos(ax) * vz;
        Auge[1] = cy + std::cos(ax) * vy - std::sin(ax) * vz;
    }
    if (ay != 0.0f) {
        Auge[2] = cz + std::sin(ay) * vx + std::cos(ay) * vz;
        Auge[0] = cx + std::cos(ay) * vx - std::sin(ay) * vz;
    }
    if (az != 0.0f) {
        Auge[0] = cx + std::sin(az) * vy + std::cos(az) * vx;
        Auge[1] = cy + std::cos(az) * vy - std::sin(az) * vx;
    }
}

void Camera::Strafe(float amount)
{
    const float dx = Ziel[0] - Auge[0], dy = Ziel[1] - Auge[1], dz = Ziel[2] - Auge[2];
    const float sx = dz * Oben[1] - dy * Oben[2];
    const float sz = dy * Oben[0] - dx * Oben[1];
    Auge[0] += sx * amount;
    Ziel[0] += sx * amount;
    Auge[2] += sz * amount;
    Ziel[2] += sz * amount;
}

void Camera::MoveForward(float amount)
{
    const float dx = Ziel[0] - Auge[0];
    const float dz = Ziel[2] - Auge[2];
    Auge[0] += dx * amount;
    Ziel[0] += dx * amount;
    Auge[2] += dz * amount;
    Ziel[2] += dz * amount;
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
