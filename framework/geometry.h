#pragma once
// Free functions over 3-float vectors and 4 x 4 float matrices (row-vector convention, the
// translation in the fourth row): headings, segment and ray tests against triangles, the mouse
// ray, and the projection of a world point to a screen pixel of the 1024 x 768 screen.
#include <cstdint>

#include "platform/math3d.h"

// Heading in degrees, 0 <= result < 360, from point 1 to point 2.
float BerechneWinkel(float x1, float y1, float x2, float y2);

void Kreuzprodukt(math3d::Vec3& out, const math3d::Vec3& a, const math3d::Vec3& b);
float VektorLaenge(const math3d::Vec3& v);
// The zero vector stays the zero vector.
void NormiereVektor(math3d::Vec3& out, const math3d::Vec3& v);
void DreieckNormale(math3d::Vec3& out, const math3d::Vec3 triangle[3]);
float EbenenKonstante(const math3d::Vec3& normal, const math3d::Vec3& point);
// True when the segment's ends lie strictly on opposite sides of the triangle's plane.
bool StreckeKreuztEbene(const math3d::Vec3 triangle[3], const math3d::Vec3 segment[2], math3d::Vec3& normal, float& d);
float Skalarprodukt(const math3d::Vec3& a, const math3d::Vec3& b);
// Angle in radians; 0 when it is not a number (a zero vector).
float VektorWinkel(const math3d::Vec3& a, const math3d::Vec3& b);
void SchnittpunktEbene(math3d::Vec3& out, const math3d::Vec3& normal, const math3d::Vec3 segment[2], float d);
bool PunktInVieleck(const math3d::Vec3& point, const math3d::Vec3* corners, int n);
bool StreckeTrifftDreieck(const math3d::Vec3* corners, const math3d::Vec3 segment[2], int n);
void TransponiereMatrix(math3d::Matrix& out, const math3d::Matrix& m);
void InvertiereMatrix(const math3d::Matrix& m, math3d::Matrix& out);
// The picking ray through a mouse pixel from MyApp's view and projection; the direction is a unit vector.
void BerechneMausStrahl(float mx, float my, math3d::Vec3& origin, math3d::Vec3& direction);
// The same from given matrices.
void BerechneMausStrahl(float mx, float my, const math3d::Matrix& view, const math3d::Matrix& proj, math3d::Vec3& origin,
                        math3d::Vec3& direction);
void VektorDifferenz(math3d::Vec3& out, const math3d::Vec3& a, const math3d::Vec3& b);
// Hits only the front side of the triangle, whatever the cull flag; distance may be null.
bool SchneideStrahlDreieck(const math3d::Vec3& origin, const math3d::Vec3& direction, uint8_t cull, const math3d::Vec3& c0,
                           const math3d::Vec3& c1, const math3d::Vec3& c2, float* distance);
int RichteMatrixAus(math3d::Matrix& out, const math3d::Vec3& from, const math3d::Vec3& to, const math3d::Vec3& up);
void MultipliziereMatrix(math3d::Matrix& out, const math3d::Matrix& a, const math3d::Matrix& b);

// A screen pixel: x from the left, y counted upward from the bottom edge (draw at 768 - y).
// vorAuge is false for a point at or behind the eye (W <= 0): x and y are 0 then and callers skip it.
struct BildschirmPunkt {
    int x = 0, y = 0;
    bool vorAuge = false;
};
BildschirmPunkt ProjiziereAufBildschirm(float x, float y, float z);
BildschirmPunkt ProjiziereAufBildschirm(float x, float y, float z, const math3d::Matrix& view, const math3d::Matrix& proj);
