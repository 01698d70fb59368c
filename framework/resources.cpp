#include "framework/resources.h"

#include <cmath>
#include <cstdint>

namespace {

struct Farbe {
    uint8_t r, g, b;
};

void Setze(image::Image& img, int x, int y, Farbe f)
{
    if (x < 0 || y < 0 || x >= img.width || y >= img.height) return;
    uint8_t* p = &img.rgba[(size_t(y) * img.width + x) * 4];
    p[0] = f.r, p[1] = f.g, p[2] = f.b, p[3] = 255;
}

image::Image Leer(int w, int h)
{
    image::Image img;
    img.width = w;
    img.height = h;
    img.rgba.assign(size_t(w) * h * 4, 0);
    return img;
}

// A "V" of two thick strokes from the top corners of the box to its bottom middle.
void MaleV(image::Image& img, int x0, int y0, int w, int h, float dicke, Farbe f)
{
    const float mx = x0 + w * 0.5f;
    for (int y = y0; y < y0 + h; ++y) {
        const float t = float(y - y0) / float(h);
        const float links = x0 + (mx - x0) * t;
        const float rechts = x0 + w - (x0 + w - mx) * t;
        for (int x = x0; x < x0 + w; ++x) {
            if (std::fabs(x - links) < dicke || std::fabs(x - rechts) < dicke) Setze(img, x, y, f);
        }
    }
}

}  // namespace

image::Image Programmsymbol()
{
    image::Image img = Leer(32, 32);
    // A round rust-red badge with a pale V.
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float dx = x - 15.5f, dy = y - 15.5f;
            const float r = std::sqrt(dx * dx + dy * dy);
            if (r < 15.5f) Setze(img, x, y, r > 13.5f ? Farbe{60, 30, 20} : Farbe{150, 60, 30});
        }
    MaleV(img, 8, 8, 16, 16, 2.0f, {235, 220, 180});
    return img;
}

image::Image Startbild()
{
    image::Image img = Leer(320, 160);
    // Dusk sky over a dark horizon, a sun low in the middle, a frame and the V emblem.
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 320; ++x) {
            const float t = y / 159.0f;
            Farbe f{uint8_t(40 + 150 * t), uint8_t(30 + 60 * t), uint8_t(60 - 40 * t)};
            const float dx = x - 160.0f, dy = y - 118.0f;
            if (dx * dx + dy * dy < 28.0f * 28.0f) f = {240, 170, 70};
            if (y > 118 + int(6 * std::sin(x * 0.05f))) f = {25, 20, 18};
            if (x < 3 || y < 3 || x >= 317 || y >= 157) f = {120, 90, 50};
            Setze(img, x, y, f);
        }
    MaleV(img, 130, 20, 60, 60, 4.0f, {235, 220, 180});
    return img;
}
