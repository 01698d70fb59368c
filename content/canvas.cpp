#include "content/canvas.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

#include "platform/os.h"

namespace content {

Rgba FromArgb(uint32_t argb) {
    return {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24)};
}

Rgba Mix(Rgba a, Rgba b, float t) {
    auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(float(x) + (float(y) - float(x)) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Rgba Shade(Rgba c, float f) {
    auto s = [f](uint8_t x) { return uint8_t(std::clamp(std::lround(float(x) * f), 0L, 255L)); };
    return {s(c.r), s(c.g), s(c.b), c.a};
}

std::u32string Utf8ToU32(const std::string& s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const uint8_t c = uint8_t(s[i]);
        int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (uint8_t(s[i + k]) & 0x3F);
        out.push_back(cp);
        i += size_t(n);
    }
    return out;
}

// ---- FreeType ---------------------------------------------------------------------------------

struct Typefaces::Impl {
    FT_Library lib = nullptr;
    std::map<Face, FT_Face> faces;
    std::map<std::tuple<int, uint32_t, int>, GlyphBitmap> cache;
};

namespace {
const char* FacePath(Face f) {
    switch (f) {
    case Face::Sans: return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    case Face::SansBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    case Face::Condensed: return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf";
    case Face::CondensedBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    case Face::Serif: return "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
    case Face::SerifBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
    case Face::Mono: return "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
    }
    return "";
}
}  // namespace

Typefaces::Typefaces() : impl_(std::make_unique<Impl>()) {
    if (FT_Init_FreeType(&impl_->lib)) throw std::runtime_error("FreeType did not start");
}

Typefaces::~Typefaces() {
    for (auto& [f, face] : impl_->faces) FT_Done_Face(face);
    FT_Done_FreeType(impl_->lib);
}

Typefaces& Typefaces::Get() {
    static Typefaces t;
    return t;
}

bool Typefaces::HasGlyph(Face face, uint32_t cp) {
    Render(face, 'A', 10);  // opens the face
    return FT_Get_Char_Index(impl_->faces[face], cp) != 0;
}

GlyphBitmap Typefaces::Render(Face face, uint32_t cp, int px) {
    const auto key = std::make_tuple(int(face), cp, px);
    if (auto it = impl_->cache.find(key); it != impl_->cache.end()) return it->second;
    FT_Face& f = impl_->faces[face];
    if (!f && FT_New_Face(impl_->lib, FacePath(face), 0, &f))
        throw std::runtime_error(std::string("font missing: ") + FacePath(face) + " (package fonts-dejavu)");
    FT_Set_Pixel_Sizes(f, 0, FT_UInt(px));
    GlyphBitmap g;
    if (FT_Load_Char(f, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0) {
        const FT_Bitmap& b = f->glyph->bitmap;
        g.width = int(b.width);
        g.height = int(b.rows);
        g.left = f->glyph->bitmap_left;
        g.top = f->glyph->bitmap_top;
        g.advance = int(f->glyph->advance.x >> 6);
        g.coverage.resize(size_t(g.width) * size_t(g.height));
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x) g.coverage[size_t(y * g.width + x)] = b.buffer[y * b.pitch + x];
    }
    impl_->cache[key] = g;
    return g;
}

// ---- Canvas -----------------------------------------------------------------------------------

Canvas::Canvas(int w, int h, Rgba fill) : w_(w), h_(h), px_(size_t(w) * size_t(h) * 4) { Fill(fill); }

Rgba Canvas::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return {0, 0, 0, 0};
    const uint8_t* p = &px_[(size_t(y) * size_t(w_) + size_t(x)) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void Canvas::Set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    uint8_t* p = &px_[(size_t(y) * size_t(w_) + size_t(x)) * 4];
    p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = c.a;
}

void Canvas::Blend(int x, int y, Rgba c, float coverage) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    const float sa = float(c.a) / 255.0f * std::clamp(coverage, 0.0f, 1.0f);
    if (sa <= 0) return;
    uint8_t* p = &px_[(size_t(y) * size_t(w_) + size_t(x)) * 4];
    const float da = float(p[3]) / 255.0f;
    const float oa = sa + da * (1 - sa);
    auto ch = [&](uint8_t s, uint8_t d) {
        return uint8_t(std::lround((float(s) * sa + float(d) * da * (1 - sa)) / oa));
    };
    p[0] = ch(c.r, p[0]);
    p[1] = ch(c.g, p[1]);
    p[2] = ch(c.b, p[2]);
    p[3] = uint8_t(std::lround(oa * 255.0f));
}

void Canvas::Fill(Rgba c) {
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) Set(x, y, c);
}

void Canvas::FillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = std::max(0, y); j < std::min(h_, y + h); ++j)
        for (int i = std::max(0, x); i < std::min(w_, x + w); ++i) Blend(i, j, c);
}

void Canvas::VerticalGradient(int x, int y, int w, int h, Rgba top, Rgba bottom) {
    for (int j = 0; j < h; ++j) FillRect(x, y + j, w, 1, Mix(top, bottom, h > 1 ? float(j) / float(h - 1) : 0));
}

void Canvas::HorizontalGradient(int x, int y, int w, int h, Rgba left, Rgba right) {
    for (int i = 0; i < w; ++i) FillRect(x + i, y, 1, h, Mix(left, right, w > 1 ? float(i) / float(w - 1) : 0));
}

void Canvas::Bevel(int x, int y, int w, int h, Rgba face, int edge, bool sunken) {
    const Rgba light = Shade(face, 1.45f), dark = Shade(face, 0.55f);
    VerticalGradient(x, y, w, h, Shade(face, sunken ? 0.85f : 1.15f), Shade(face, sunken ? 1.1f : 0.85f));
    for (int k = 0; k < edge; ++k) {
        const Rgba tl = sunken ? dark : light, br = sunken ? light : dark;
        FillRect(x + k, y + k, w - 2 * k, 1, tl);
        FillRect(x + k, y + k, 1, h - 2 * k, tl);
        FillRect(x + k, y + h - 1 - k, w - 2 * k, 1, br);
        FillRect(x + w - 1 - k, y + k, 1, h - 2 * k, br);
    }
    Outline(x, y, w, h, {10, 10, 10, 255});
}

void Canvas::Outline(int x, int y, int w, int h, Rgba c, int t) {
    FillRect(x, y, w, t, c);
    FillRect(x, y + h - t, w, t, c);
    FillRect(x, y, t, h, c);
    FillRect(x + w - t, y, t, h, c);
}

void Canvas::Ring(float cx, float cy, float r0, float r1, Rgba c) {
    for (int y = int(cy - r1 - 1); y <= int(cy + r1 + 1); ++y)
        for (int x = int(cx - r1 - 1); x <= int(cx + r1 + 1); ++x) {
            const float d = std::sqrt((float(x) + 0.5f - cx) * (float(x) + 0.5f - cx) +
                                      (float(y) + 0.5f - cy) * (float(y) + 0.5f - cy));
            const float cov = std::clamp(r1 - d + 0.5f, 0.0f, 1.0f) * std::clamp(d - r0 + 0.5f, 0.0f, 1.0f);
            if (cov > 0) Blend(x, y, c, cov);
        }
}

void Canvas::Disc(float cx, float cy, float r, Rgba c) { Ring(cx, cy, -1.0f, r, c); }

void Canvas::SoftBlob(float cx, float cy, float r, Rgba c) {
    for (int y = int(cy - r - 1); y <= int(cy + r + 1); ++y)
        for (int x = int(cx - r - 1); x <= int(cx + r + 1); ++x) {
            const float d = std::sqrt((float(x) + 0.5f - cx) * (float(x) + 0.5f - cx) +
                                      (float(y) + 0.5f - cy) * (float(y) + 0.5f - cy)) / r;
            if (d < 1) Blend(x, y, c, (1 - d) * (1 - d));
        }
}

void Canvas::Line(float x0, float y0, float x1, float y1, float t, Rgba c) {
    const float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    for (int y = int(std::min(y0, y1) - t - 1); y <= int(std::max(y0, y1) + t + 1); ++y)
        for (int x = int(std::min(x0, x1) - t - 1); x <= int(std::max(x0, x1) + t + 1); ++x) {
            const float px = float(x) + 0.5f, py = float(y) + 0.5f;
            float u = len2 > 0 ? ((px - x0) * dx + (py - y0) * dy) / len2 : 0;
            u = std::clamp(u, 0.0f, 1.0f);
            const float ex = x0 + u * dx - px, ey = y0 + u * dy - py;
            const float d = std::sqrt(ex * ex + ey * ey);
            const float cov = std::clamp(t / 2 - d + 0.5f, 0.0f, 1.0f);
            if (cov > 0) Blend(x, y, c, cov);
        }
}

void Canvas::Polygon(const std::vector<std::pair<float, float>>& pts, Rgba c) {
    if (pts.size() < 3) return;
    float minY = pts[0].second, maxY = minY;
    for (auto& p : pts) minY = std::min(minY, p.second), maxY = std::max(maxY, p.second);
    std::vector<float> row(static_cast<size_t>(w_), 0.0f);
    for (int y = std::max(0, int(minY)); y <= std::min(h_ - 1, int(maxY)); ++y) {
        std::fill(row.begin(), row.end(), 0.0f);
        // Four sub-rows give soft top and bottom edges; the span ends give soft sides.
        for (int s = 0; s < 4; ++s) {
            const float sy = float(y) + 0.125f + 0.25f * float(s);
            std::vector<float> xs;
            for (size_t i = 0; i < pts.size(); ++i) {
                auto a = pts[i], b = pts[(i + 1) % pts.size()];
                if ((a.second <= sy && b.second > sy) || (b.second <= sy && a.second > sy))
                    xs.push_back(a.first + (sy - a.second) / (b.second - a.second) * (b.first - a.first));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2)
                for (int x = std::max(0, int(xs[i])); x <= std::min(w_ - 1, int(xs[i + 1])); ++x)
                    row[size_t(x)] += 0.25f * std::clamp(std::min(float(x) + 1 - xs[i], xs[i + 1] - float(x)), 0.0f, 1.0f);
        }
        for (int x = 0; x < w_; ++x)
            if (row[size_t(x)] > 0) Blend(x, y, c, row[size_t(x)]);
    }
}

void Canvas::Noise(uint32_t seed, float amount) {
    uint32_t s = seed * 2654435761u + 12345u;
    for (size_t i = 0; i < px_.size(); i += 4) {
        s = s * 1103515245u + 12345u;
        const float f = 1.0f + amount * (float((s >> 16) & 0xff) / 127.5f - 1.0f);
        for (int k = 0; k < 3; ++k) px_[i + size_t(k)] = uint8_t(std::clamp(std::lround(float(px_[i + size_t(k)]) * f), 0L, 255L));
    }
}

void Canvas::Multiply(Rgba c) {
    for (size_t i = 0; i < px_.size(); i += 4) {
        px_[i] = uint8_t(px_[i] * c.r / 255);
        px_[i + 1] = uint8_t(px_[i + 1] * c.g / 255);
        px_[i + 2] = uint8_t(px_[i + 2] * c.b / 255);
    }
}

int Canvas::TextWidth(const std::string& utf8, Face face, int px) const {
    int w = 0;
    for (char32_t cp : Utf8ToU32(utf8)) w += Typefaces::Get().Render(face, cp, px).advance;
    return w;
}

int Canvas::Text(const std::string& utf8, int x, int baseline, Face face, int px, Rgba c) {
    int pen = x;
    for (char32_t cp : Utf8ToU32(utf8)) {
        const GlyphBitmap g = Typefaces::Get().Render(face, cp, px);
        for (int j = 0; j < g.height; ++j)
            for (int i = 0; i < g.width; ++i) {
                const uint8_t cov = g.coverage[size_t(j * g.width + i)];
                if (cov) Blend(pen + g.left + i, baseline - g.top + j, c, float(cov) / 255.0f);
            }
        pen += g.advance;
    }
    return pen - x;
}

void Canvas::TextCentered(const std::string& utf8, int x, int y, int w, int h, Face face, int px, Rgba c,
                          bool shadow) {
    while (px > 6 && TextWidth(utf8, face, px) > w - 4) --px;
    const int tw = TextWidth(utf8, face, px);
    const int baseline = y + (h + px * 7 / 10) / 2;
    const int tx = x + (w - tw) / 2;
    if (shadow) Text(utf8, tx + 1, baseline + 1, face, px, {0, 0, 0, 200});
    Text(utf8, tx, baseline, face, px, c);
}

void Canvas::Draw(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.h_; ++j)
        for (int i = 0; i < src.w_; ++i) {
            const Rgba c = src.At(i, j);
            if (c.a) Blend(x + i, y + j, c);
        }
}

image::Image Canvas::ToImage() const {
    image::Image img;
    img.width = w_;
    img.height = h_;
    img.rgba = px_;
    return img;
}

std::vector<uint8_t> Canvas::ToPng() const {
    // Written through the platform's PNG writer into a scratch file, then read back.
    static int serial = 0;
    const std::string tmp = (std::filesystem::temp_directory_path() /
                             ("velquor_art_" + std::to_string(getpid()) + "_" + std::to_string(serial++) + ".png"))
                                .string();
    std::string error;
    if (!image::SavePng(tmp, ToImage(), error)) throw std::runtime_error("PNG: " + error);
    std::vector<uint8_t> bytes;
    os::ReadFile(tmp, bytes);
    std::remove(tmp.c_str());
    return bytes;
}

}  // namespace content
