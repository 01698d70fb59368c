#pragma once
// Vectors and 4x4 matrices with Direct3D's conventions: row vectors (v' = v * M), left-handed
// coordinates, translation in the fourth row. All single precision, as the game computes.

namespace math3d {

struct Vec2 { float x, y; };
struct Vec3 { float x, y, z; };
struct Vec4 { float x, y, z, w; };
struct Plane { float a, b, c, d; };   // a*x + b*y + c*z + d = 0

struct Matrix {
    float m[4][4];
};

Matrix Identity();
Matrix Multiply(const Matrix& a, const Matrix& b);           // a then b
Matrix Scaling(float sx, float sy, float sz);
Matrix Translation(float x, float y, float z);
Matrix RotationX(float angle);
Matrix RotationY(float angle);
Matrix RotationZ(float angle);
Matrix LookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up);
Matrix PerspectiveFovLH(float fovy, float aspect, float zn, float zf);
Matrix OrthoLH(float w, float h, float zn, float zf);
Matrix Shadow(const Vec4& light, const Plane& plane);          // flattens geometry onto plane
bool Inverse(const Matrix& in, Matrix& out);                   // false when singular (out untouched)

Vec3 Add(const Vec3& a, const Vec3& b);
Vec3 Sub(const Vec3& a, const Vec3& b);
Vec3 Scale(const Vec3& a, float s);
float Dot(const Vec3& a, const Vec3& b);
Vec3 Cross(const Vec3& a, const Vec3& b);
float Length(const Vec3& a);
Vec3 Normalize(const Vec3& a);                                 // zero vector stays zero
Vec4 Transform(const Vec3& v, const Matrix& m);                // (x, y, z, 1) * m
Vec3 TransformCoord(const Vec3& v, const Matrix& m);           // Transform, divided by w
Vec3 TransformNormal(const Vec3& v, const Matrix& m);          // (x, y, z, 0) * m

}  // namespace math3d
