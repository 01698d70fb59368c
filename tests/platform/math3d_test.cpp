#include "platform/math3d.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace math3d;

namespace {

constexpr float kPi = 3.14159265f;

void ExpectNear(const Vec3& a, const Vec3& b, float eps = 1e-4f)
{
    EXPECT_NEAR(a.x, b.x, eps);
    EXPECT_NEAR(a.y, b.y, eps);
    EXPECT_NEAR(a.z, b.z, eps);
}

TEST(Math3d, TransformsMovePointsAsDirect3DDoes)
{
    struct Case {
        const char* name;
        Matrix m;
        Vec3 in, out;
    } cases[] = {
        {"identity", Identity(), {1, 2, 3}, {1, 2, 3}},
        {"scaling", Scaling(2, 3, 4), {1, 1, 1}, {2, 3, 4}},
        {"translation", Translation(5, -6, 7), {1, 1, 1}, {6, -5, 8}},
        // Left-handed rotations, clockwise when looking down the axis towards the origin.
        {"rotation x 90", RotationX(kPi / 2), {0, 1, 0}, {0, 0, 1}},
        {"rotation y 90", RotationY(kPi / 2), {1, 0, 0}, {0, 0, -1}},
        {"rotation z 90", RotationZ(kPi / 2), {1, 0, 0}, {0, 1, 0}},
        // Row vectors: scale first, then translate.
        {"scale then translate", Multiply(Scaling(2, 2, 2), Translation(1, 0, 0)), {1, 1, 1}, {3, 2, 2}},
        {"ortho 1024x768", OrthoLH(1024, 768, 0, 1), {512, -384, 0.5f}, {1, -1, 0.5f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectNear(TransformCoord(c.in, c.m), c.out);
    }
}

TEST(Math3d, LookAtAndPerspectivePutAPointAheadIntoClipRange)
{
    const Matrix view = LookAtLH({0, 100, -100}, {0, 0, 0}, {0, 1, 0});
    const Matrix proj = PerspectiveFovLH(kPi / 4, 1024.0f / 768.0f, 1.0f, 1000.0f);
    const Matrix vp = Multiply(view, proj);

    // The target lies straight ahead: centre of the screen, depth strictly inside 0..1.
    const Vec4 c = Transform({0, 0, 0}, vp);
    ASSERT_GT(c.w, 0.0f);
    EXPECT_NEAR(c.x / c.w, 0.0f, 1e-5f);
    EXPECT_NEAR(c.y / c.w, 0.0f, 1e-5f);
    EXPECT_GT(c.z / c.w, 0.0f);
    EXPECT_LT(c.z / c.w, 1.0f);

    // x grows to the right on screen for a left-handed camera.
    EXPECT_GT(TransformCoord({10, 0, 0}, vp).x, 0.0f);
    // The near and far planes map to depth 0 and 1.
    const Matrix viewZ = LookAtLH({0, 0, 0}, {0, 0, 1}, {0, 1, 0});
    EXPECT_NEAR(TransformCoord({0, 0, 1}, Multiply(viewZ, proj)).z, 0.0f, 1e-5f);
    EXPECT_NEAR(TransformCoord({0, 0, 1000}, Multiply(viewZ, proj)).z, 1.0f, 1e-4f);
    // A point behind the eye has w <= 0.
    EXPECT_LT(Transform({0, 200, -200}, vp).w, 0.0f);
}

TEST(Math3d, ShadowFlattensOntoThePlaneAlongTheLight)
{
    const Plane ground{0, 1, 0, 0};
    const Matrix directional = Shadow({1, 1, 0, 0}, ground);  // light from +x+y, w = 0
    ExpectNear(TransformCoord({0, 10, 0}, directional), {-10, 0, 0});
    const Matrix point = Shadow({0, 20, 0, 1}, ground);
    ExpectNear(TransformCoord({5, 10, 0}, point), {10, 0, 0});
}

TEST(Math3d, InverseUndoesAndSingularIsRefused)
{
    const Matrix m = Multiply(Multiply(RotationY(0.7f), Scaling(2, 3, 4)), Translation(10, -5, 3));
    Matrix inv;
    ASSERT_TRUE(Inverse(m, inv));
    ExpectNear(TransformCoord(TransformCoord({1, 2, 3}, m), inv), {1, 2, 3});

    Matrix untouched = Identity();
    EXPECT_FALSE(Inverse(Scaling(1, 0, 1), untouched));
    EXPECT_EQ(untouched.m[0][0], 1.0f);
}

TEST(Math3d, VectorHelpers)
{
    ExpectNear(Cross({1, 0, 0}, {0, 1, 0}), {0, 0, 1});
    EXPECT_FLOAT_EQ(Dot({1, 2, 3}, {4, 5, 6}), 32.0f);
    EXPECT_FLOAT_EQ(Length({3, 4, 0}), 5.0f);
    ExpectNear(Normalize({0, 0, 0}), {0, 0, 0});
    ExpectNear(Normalize({0, 3, 0}), {0, 1, 0});
    ExpectNear(TransformNormal({1, 0, 0}, Translation(5, 5, 5)), {1, 0, 0});
}

}  // namespace
