#include "framework/zeichnen.h"

#include "framework/font.h"
#include "framework/myapp.h"

void ZeichneBild(int k, float x, float y, float w, float h)
{
    if (k < 0 || k >= MyApp::kTexturen) return;
    MyApp.m_pd3dDevice->SetTexture(MyApp.Texturen[k]);
    MyApp.Draw2D(x, y, w, h);
}

bool MausIn(int x0, int x1, int y0, int y1)
{
    return MyApp.MausX >= x0 && MyApp.MausX <= x1 && MyApp.MausY >= y0 && MyApp.MausY <= y1;
}

void ZeichneZentriert(const char* text, int mitte, float y, int font)
{
    ZeichneSchrift(text, static_cast<float>(mitte - SchriftBreite(text, font) / 2), y, font);
}

void ZeichneMeshSlot(int slot, const math3d::Matrix& welt, gfx::Texture textur)
{
    if (!MeshGeladen(slot)) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetTransform(gfx::TransformType::World, welt);
    g.SetTexture(textur);
    g.DrawSubset(MyApp.Meshes[slot], 0);
}

bool MeshGeladen(int slot) { return slot >= 0 && slot < MyApp::kMeshSlots && MyApp.Meshes[slot] != 0; }

void ZeichneMeshSubset0(int slot)
{
    if (MeshGeladen(slot)) MyApp.m_pd3dDevice->DrawSubset(MyApp.Meshes[slot], 0);
}

void ZeichneMeshSubset0Mehrfach(int slot, const std::vector<math3d::Matrix>& welten)
{
    if (MeshGeladen(slot) && !welten.empty())
        MyApp.m_pd3dDevice->DrawSubsetInstanced(MyApp.Meshes[slot], 0, welten.data(), uint32_t(welten.size()));
}

gfx::Texture ErsteMeshTextur(int slot)
{
    if (slot < 0 || slot >= MyApp::kMeshSlots) return 0;
    const std::vector<gfx::Texture>& liste = MyApp.MeshTexturen[slot];
    return liste.empty() ? 0 : liste[0];
}

void SetzeVorschauLichter(uint32_t ambient)
{
    MyApp.SetPointLight(0, 1.0f, 0.5f, 0.0f, 0, 20, 80, 150, 0, 0.01f, 0);
    MyApp.SetPointLight(1, 0.0f, 0.2f, 0.4f, 20, 20, 0, 150, 0, 0.01f, 0);
    MyApp.m_pd3dDevice->SetRenderState(gfx::RenderState::Ambient, ambient);
}
