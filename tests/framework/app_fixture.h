#pragma once
// MyApp on the recording device, for tests of what the framework draws.
#include <gtest/gtest.h>

#include <memory>

#include "framework/myapp.h"
#include "platform/gfx_recording.h"

class MitGeraet : public ::testing::Test {
protected:
    gfx::RecordingDevice* dev = nullptr;

    void SetUp() override
    {
        auto d = std::make_unique<gfx::RecordingDevice>();
        dev = d.get();
        MyApp.m_pd3dDevice = std::move(d);
        MyApp.CreateQuad();
        dev->ClearCalls();
    }
    void TearDown() override { MyApp.Shutdown(); }

    // Top-left pixel of a 2D quad drawn with MyApp::Draw2D, from its world transform.
    static void QuadPosition(const gfx::Call& draw, float& x, float& y)
    {
        const math3d::Matrix& w = draw.state.Get(gfx::TransformType::World);
        x = w.m[3][0] + 0.5f + 512.0f;
        y = 384.0f - (w.m[3][1] - 0.5f) - w.m[1][1];
    }
};
