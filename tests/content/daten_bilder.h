#pragma once
// The fixture of the tests that draw the generated data for people to look at: a temporary working
// directory that sees build-test/game/Data, the OpenGL device on MyApp, message boxes collected, and
// pictures saved into build-test/screenshots/.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/myapp.h"
#include "platform/gfx.h"
#include "platform/os.h"

class DatenBilder : public ::testing::Test {
protected:
    static inline const std::filesystem::path kGame = std::filesystem::path(VELQUOR_BINARY_DIR) / "game";
    static inline const std::filesystem::path kBilder = std::filesystem::path(VELQUOR_BINARY_DIR) / "screenshots";

    std::filesystem::path alt, ordner;
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        namespace fs = std::filesystem;
        ASSERT_TRUE(fs::exists(kGame / "Data" / "Pack16.gzp")) << "the demo data is made by the build";
        ordner = fs::path(::testing::TempDir()) /
                 ("daten_bilder_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  "_" + std::to_string(getpid()));
        fs::create_directories(ordner);
        fs::create_directory_symlink(kGame / "Data", ordner / "Data");
        fs::create_directories(kBilder);
        alt = fs::current_path();
        fs::current_path(ordner);
        os::CaptureMessageBoxes(&meldungen);
        std::string error;
        MyApp.m_pd3dDevice = gfx::CreateGLDevice(nullptr, error);
        ASSERT_TRUE(MyApp.m_pd3dDevice) << error;
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        MyApp.Shutdown();
        std::filesystem::current_path(alt);
        std::filesystem::remove_all(ordner);
    }
    // Ends the scene, writes the frame to build-test/screenshots/<name> and presents it.
    void SpeichereBild(const std::string& name)
    {
        MyApp.m_pd3dDevice->EndScene();
        std::string error;
        EXPECT_TRUE(gfx::SaveBackBufferPng(*MyApp.m_pd3dDevice, (kBilder / name).string(), error)) << error;
        MyApp.m_pd3dDevice->Present();
    }
};
