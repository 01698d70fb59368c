// "Data/Intro.avi": a few seconds of the title rising over a dusk landscape, encoded by ffmpeg
// from frames painted here (MPEG-4 in AVI, single-threaded and bit-exact for the same bytes each run).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "content/art.h"
#include "content/canvas.h"
#include "content/generator.h"
#include "content/tools.h"

namespace content {

void MakeIntro(Generator& g) {
    constexpr int kW = 640, kH = 480, kFrames = 100;  // 4 seconds at 25 frames a second
    // The loading picture as the backdrop, the logo as the title.
    const ArtEntry* backdrop = nullptr;
    const ArtEntry* logo = nullptr;
    for (const ArtEntry& e : ArtTable()) {
        if (e.index == 258) backdrop = &e;
        if (e.index == 150) logo = &e;
    }
    if (!backdrop || !logo) throw std::runtime_error("intro: backdrop or logo missing from the art table");
    const Canvas back = PaintArt(*backdrop), title = PaintArt(*logo);
    const std::string out = ScratchDir() + "/Intro.avi";
    const std::string cmd = "ffmpeg -loglevel error -y -f rawvideo -pix_fmt rgba -s " + std::to_string(kW) + "x" +
                            std::to_string(kH) + " -r 25 -i - -c:v mpeg4 -q:v 3 -pix_fmt yuv420p -threads 1 " +
                            "-fflags +bitexact -flags:v +bitexact -map_metadata -1 " + ShellQuote(out);
    FILE* pipe = popen(cmd.c_str(), "w");
    if (!pipe) throw std::runtime_error("cannot start ffmpeg");
    std::vector<uint8_t> frame(size_t(kW) * kH * 4);
    for (int f = 0; f < kFrames; ++f) {
        const float u = float(f) / float(kFrames - 1);
        const float fade = std::min(1.0f, std::min(u * 4.0f, (1.0f - u) * 6.0f));            // in and out
        const float titleAlpha = std::clamp((u - 0.2f) * 3.0f, 0.0f, 1.0f) * fade;
        const int panX = int(u * 200.0f);  // the backdrop drifts slowly to the left
        const int ty = 150 - int(u * 40.0f);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                Rgba p = back.At(x + panX + 100, y + 200);
                float r = float(p.r) * fade, gg = float(p.g) * fade, b = float(p.b) * fade;
                const int lx = (x - (kW - 600) / 2) * logo->w / 600, ly = (y - ty) * logo->w / 600;
                if (lx >= 0 && ly >= 0 && lx < logo->w && ly < logo->h) {
                    const Rgba t = title.At(lx, ly);
                    const float a = float(t.a) / 255.0f * titleAlpha;
                    r += (float(t.r) - r) * a, gg += (float(t.g) - gg) * a, b += (float(t.b) - b) * a;
                }
                uint8_t* d = &frame[(size_t(y) * kW + size_t(x)) * 4];
                d[0] = uint8_t(r), d[1] = uint8_t(gg), d[2] = uint8_t(b), d[3] = 255;
            }
        if (fwrite(frame.data(), 1, frame.size(), pipe) != frame.size()) break;
    }
    if (pclose(pipe) != 0) throw std::runtime_error("ffmpeg failed: " + cmd);
    g.WriteFile("Data/Intro.avi", ReadBytes(out));
}

}  // namespace content
