#include "tests/snapshots/schnappschuss.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

using gfx::RenderState;

// A tenth of a unit is fine enough for every position the game sets and coarse enough that the
// last bits of a float (Debug against Release) cannot show.
std::string Zahl(double v)
{
    double r = std::round(v * 10.0) / 10.0;
    if (r == 0.0) r = 0.0;  // no "-0"
    char b[48];
    if (std::fabs(r - std::round(r)) < 1e-6)
        std::snprintf(b, sizeof b, "%.0f", r);
    else
        std::snprintf(b, sizeof b, "%.1f", r);
    return b;
}

std::string Anteil(double v)  // colours, rotations: two decimals
{
    double r = std::round(v * 100.0) / 100.0;
    if (r == 0.0) r = 0.0;
    char b[48];
    std::snprintf(b, sizeof b, "%.2f", r);
    return b;
}

std::string Farbe(const gfx::Color& c)
{
    return Anteil(c.r) + "," + Anteil(c.g) + "," + Anteil(c.b) + "," + Anteil(c.a);
}

std::string Hex(uint32_t v)
{
    char b[16];
    std::snprintf(b, sizeof b, "%08X", v);
    return b;
}

// Bytes outside printable ASCII (the texts are code page 1252) as \xNN, so the files stay plain text.
std::string Lesbar(const std::string& s)
{
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
            out += char(c);
        } else {
            char b[8];
            std::snprintf(b, sizeof b, "\\x%02X", c);
            out += b;
        }
    }
    return out;
}

const char* Vergleich(uint32_t f)
{
    static const char* const namen[] = {"?", "never", "<", "==", "<=", ">", "!=", ">=", "always"};
    return f < 9 ? namen[f] : "?";
}

bool IstOrtho(const math3d::Matrix& p) { return p.m[2][3] == 0.0f && p.m[3][3] == 1.0f; }

class Schreiber {
public:
    Schreiber(const gfx::RecordingDevice& g, const std::vector<std::string>& paesse)
        : g_(g), paesse_(paesse), aktiv_(paesse.empty()) {}

    std::string Name(uint32_t handle) const
    {
        if (handle == 0) return "-";
        const std::string& n = g_.NameOf(handle);
        return n.empty() ? "unnamed" : n;
    }

    void Marker(const std::string& pass)
    {
        offenerPass_ = pass;
        aktiv_ = paesse_.empty() || std::find(paesse_.begin(), paesse_.end(), pass) != paesse_.end();
    }

    void Zeile(const std::string& zeile, bool immer = false)
    {
        if (!aktiv_ && !immer) return;
        if (!offenerPass_.empty() && aktiv_) {
            out_ << "pass " << offenerPass_ << "\n";
            offenerPass_.clear();
        }
        out_ << zeile << "\n";
    }

    // The states of a draw that differ from those last printed, as one indented line.
    void Zustaende(const gfx::DeviceState& s)
    {
        if (!aktiv_) return;
        std::map<std::string, std::string> z;
        z["target"] = s.renderTarget ? Name(s.renderTarget) : "back";
        z["z"] = std::to_string(s.Get(RenderState::ZEnable)) + "/" + std::to_string(s.Get(RenderState::ZWriteEnable));
        z["blend"] = s.Get(RenderState::AlphaBlendEnable)
                         ? std::to_string(s.Get(RenderState::SrcBlend)) + "/" + std::to_string(s.Get(RenderState::DestBlend))
                         : "off";
        z["atest"] = s.Get(RenderState::AlphaTestEnable)
                         ? std::string(Vergleich(s.Get(RenderState::AlphaFunc))) + std::to_string(s.Get(RenderState::AlphaRef))
                         : "off";
        z["cull"] = std::to_string(s.Get(RenderState::CullMode));
        using gfx::StageState;
        z["stage"] = std::to_string(s.Get(StageState::ColorOp)) + "(" + std::to_string(s.Get(StageState::ColorArg1)) + "," +
                     std::to_string(s.Get(StageState::ColorArg2)) + ")/" + std::to_string(s.Get(StageState::AlphaOp)) + "(" +
                     std::to_string(s.Get(StageState::AlphaArg1)) + "," + std::to_string(s.Get(StageState::AlphaArg2)) + ")";
        using gfx::SamplerState;
        z["sampler"] = std::to_string(s.Get(SamplerState::MinFilter)) + "/" + std::to_string(s.Get(SamplerState::MagFilter)) +
                       " " + std::to_string(s.Get(SamplerState::AddressU)) + "/" + std::to_string(s.Get(SamplerState::AddressV));
        const bool licht = s.Get(RenderState::Lighting) != 0;
        z["light"] = licht ? "on " + Hex(s.Get(RenderState::Ambient)) : "off";
        if (licht) {
            const gfx::Material& m = s.material;
            z["material"] = "d " + Farbe(m.diffuse) + " a " + Farbe(m.ambient) + " e " + Farbe(m.emissive);
            std::string lichter;
            for (uint32_t i = 0; i < gfx::kMaxLights; ++i) {
                if (!s.lightEnabled[i]) continue;
                const gfx::Light& l = s.lights[i];
                if (!lichter.empty()) lichter += " ";
                lichter += std::to_string(i) + ":";
                if (l.type == gfx::LightType::Directional)
                    lichter += std::string("dir ") + Anteil(l.direction.x) + "," + Anteil(l.direction.y) + "," + Anteil(l.direction.z);
                else
                    lichter += std::string("at ") + Zahl(l.position.x) + "," + Zahl(l.position.y) + "," + Zahl(l.position.z) + " r " +
                               Zahl(l.range);
                lichter += ' ';
                lichter += Farbe(l.diffuse);
            }
            z["lights"] = lichter.empty() ? "none" : lichter;
        }
        const math3d::Matrix& p = s.Get(gfx::TransformType::Projection);
        if (IstOrtho(p)) {
            z["camera"] = "2d";
        } else {
            math3d::Matrix inv;
            const math3d::Matrix& v = s.Get(gfx::TransformType::View);
            std::string kamera = "persp " + Anteil(p.m[0][0]) + "," + Anteil(p.m[1][1]) + " ";
            if (math3d::Inverse(v, inv))
                kamera += "eye " + Zahl(inv.m[3][0]) + "," + Zahl(inv.m[3][1]) + "," + Zahl(inv.m[3][2]) + " look " +
                          Anteil(inv.m[2][0]) + "," + Anteil(inv.m[2][1]) + "," + Anteil(inv.m[2][2]);
            z["camera"] = kamera;
        }
        std::string zeile;
        for (const auto& [k, wert] : z) {
            auto it = zuletzt_.find(k);
            if (it != zuletzt_.end() && it->second == wert) continue;
            zuletzt_[k] = wert;
            zeile += "  " + k + " " + wert;
        }
        if (!zeile.empty()) Zeile(zeile);
    }

    void Zeichne(const gfx::Call& c)
    {
        Zustaende(c.state);
        const gfx::DeviceState& s = c.state;
        const math3d::Matrix& welt = s.Get(gfx::TransformType::World);
        std::string zeile;
        if (c.type == gfx::CallType::DrawSubset) {
            zeile = "mesh " + Name(c.handle) + " #" + std::to_string(c.subset) + "  tex " + Name(s.texture) + "  at " +
                    Zahl(welt.m[3][0]) + "," + Zahl(welt.m[3][1]) + "," + Zahl(welt.m[3][2]);
            bool einheit = true;
            std::string dreh;
            for (int r = 0; r < 3; ++r)
                for (int k = 0; k < 3; ++k) {
                    if (std::fabs(welt.m[r][k] - (r == k ? 1.0f : 0.0f)) > 0.005f) einheit = false;
                    dreh += k == 0 && r > 0 ? "/" : (k > 0 ? "," : "");
                    dreh += Anteil(welt.m[r][k]);
                }
            if (!einheit) zeile += "  m " + dreh;
            Zeile(zeile);
            return;
        }
        const bool ortho = IstOrtho(s.Get(gfx::TransformType::Projection));
        const math3d::Matrix wvp = math3d::Multiply(
            math3d::Multiply(welt, s.Get(gfx::TransformType::View)), s.Get(gfx::TransformType::Projection));
        float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
        float uvLo[2] = {1e30f, 1e30f}, uvHi[2] = {-1e30f, -1e30f};
        for (const gfx::Vertex& v : c.vertices) {
            float p[3];
            if (ortho) {
                const math3d::Vec3 n = math3d::TransformCoord({v.x, v.y, v.z}, wvp);
                // Pixels as Direct3D covers them: the game's quads are shifted by half a pixel.
                p[0] = (n.x + 1.0f) * 512.0f + 0.5f;
                p[1] = (1.0f - n.y) * 384.0f + 0.5f;
                p[2] = 0;
            } else {
                const math3d::Vec3 w = math3d::TransformCoord({v.x, v.y, v.z}, welt);
                p[0] = w.x;
                p[1] = w.y;
                p[2] = w.z;
            }
            for (int i = 0; i < 3; ++i) {
                lo[i] = std::min(lo[i], p[i]);
                hi[i] = std::max(hi[i], p[i]);
            }
            uvLo[0] = std::min(uvLo[0], v.u);
            uvLo[1] = std::min(uvLo[1], v.v);
            uvHi[0] = std::max(uvHi[0], v.u);
            uvHi[1] = std::max(uvHi[1], v.v);
        }
        const bool quad = c.primitive == gfx::Primitive::TriangleStrip && c.primitiveCount == 2;
        zeile = std::string(quad ? "quad " : "prim ") + Name(s.texture);
        if (!quad) zeile += "  n " + std::to_string(c.primitiveCount);
        if (c.vertices.empty()) {
            zeile += "  no vertices";
        } else if (ortho) {
            zeile += "  " + Zahl(lo[0]) + "," + Zahl(lo[1]) + " " + Zahl(hi[0] - lo[0]) + "x" + Zahl(hi[1] - lo[1]);
        } else {
            zeile += "  box " + Zahl(lo[0]) + "," + Zahl(lo[1]) + "," + Zahl(lo[2]) + " " + Zahl(hi[0]) + "," + Zahl(hi[1]) +
                     "," + Zahl(hi[2]);
        }
        if (!c.vertices.empty() && (uvLo[0] != 0.0f || uvLo[1] != 0.0f || uvHi[0] != 1.0f || uvHi[1] != 1.0f))
            zeile += "  uv " + Anteil(uvLo[0]) + "," + Anteil(uvLo[1]) + " " + Anteil(uvHi[0]) + "," + Anteil(uvHi[1]);
        Zeile(zeile);
    }

    std::string Text() const { return out_.str(); }

private:
    const gfx::RecordingDevice& g_;
    const std::vector<std::string>& paesse_;
    bool aktiv_;
    std::ostringstream out_;
    std::string offenerPass_;
    std::map<std::string, std::string> zuletzt_;
};

bool IstGlyphe(const std::string& name) { return name.rfind("SchriftTexturen[", 0) == 0; }

std::vector<std::string> Zeilen(const std::string& text)
{
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string zeile; std::getline(in, zeile);) z.push_back(zeile);
    return z;
}

}  // namespace

std::string Schnappschuss(const gfx::RecordingDevice& geraet, const std::vector<std::string>& toene,
                          const std::vector<std::string>& paesse)
{
    return SchnappschussDerAufrufe(geraet, geraet.Calls(), toene, paesse);
}

std::string SchnappschussDerAufrufe(const gfx::RecordingDevice& geraet, const std::vector<gfx::Call>& aufrufe,
                                    const std::vector<std::string>& toene, const std::vector<std::string>& paesse)
{
    Schreiber s(geraet, paesse);
    bool imText = false;  // a text's glyphs follow its marker and are not listed one by one
    for (const gfx::Call& c : aufrufe) {
        switch (c.type) {
        case gfx::CallType::Marker:
            imText = false;
            s.Marker(c.text);
            break;
        case gfx::CallType::TextMarker:
            imText = true;
            s.Zeile("text f" + std::to_string(c.font) + " " + Zahl(c.x) + "," + Zahl(c.y) + " \"" + Lesbar(c.text) + "\"");
            break;
        case gfx::CallType::Clear:
            imText = false;
            s.Zeile("clear " + s.Name(c.handle) + " " + std::to_string(c.clearFlags) + " " + Hex(c.clearColor));
            break;
        case gfx::CallType::DrawPrimitive:
        case gfx::CallType::DrawSubset:
            if (imText && IstGlyphe(s.Name(c.state.texture))) break;
            imText = false;
            s.Zeichne(c);
            break;
        case gfx::CallType::Present:
            s.Zeile("present");
            break;
        default:
            break;
        }
    }
    for (const std::string& t : toene) s.Zeile("sound " + t, true);
    return s.Text();
}

std::string SchnappschussUnterschied(const std::string& erwartet, const std::string& ist)
{
    if (erwartet == ist) return {};
    const std::vector<std::string> a = Zeilen(erwartet), b = Zeilen(ist);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    std::ostringstream out;
    out << "first difference at line " << (i + 1) << " (reference " << a.size() << " lines, frame " << b.size()
        << " lines):\n";
    for (size_t k = i >= 3 ? i - 3 : 0; k < i; ++k) out << "  " << a[k] << "\n";
    for (size_t k = i; k < std::min(a.size(), i + 4); ++k) out << "- " << a[k] << "\n";
    for (size_t k = i; k < std::min(b.size(), i + 4); ++k) out << "+ " << b[k] << "\n";
    return out.str();
}
