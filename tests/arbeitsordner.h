#pragma once
// A fresh working directory per test: the file readers and the unpacker work in the current
// directory, so each test runs in a folder of its own and parallel tests never meet.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class Arbeitsordner : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        ordner_ = std::filesystem::path(::testing::TempDir()) /
                  ("velquor_" + std::string(info->test_suite_name()) + "_" + info->name() + "_" +
                   std::to_string(getpid()));
        std::filesystem::remove_all(ordner_);
        std::filesystem::create_directories(ordner_);
        vorher_ = std::filesystem::current_path();
        std::filesystem::current_path(ordner_);
    }
    void TearDown() override {
        std::filesystem::current_path(vorher_);
        std::filesystem::remove_all(ordner_);
    }

    static void Schreibe(const std::string& pfad, const std::string& inhalt) {
        const auto eltern = std::filesystem::path(pfad).parent_path();
        if (!eltern.empty()) std::filesystem::create_directories(eltern);
        std::ofstream(pfad, std::ios::binary) << inhalt;
    }
    static std::string Lies(const std::string& pfad) {
        std::ifstream f(pfad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

private:
    std::filesystem::path ordner_, vorher_;
};
