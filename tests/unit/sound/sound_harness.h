// A fresh working directory (for the log file) and a captured transcript
// (for the stand-in sound library's reports) per test.
#ifndef TEST_SOUND_HARNESS_H
#define TEST_SOUND_HARNESS_H

#include "sound/sound_bridge.h"
#include "world/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir_ = std::filesystem::current_path();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarsel-sound-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratchDir_ = pattern;
        std::filesystem::current_path(scratchDir_);
        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
    }

    void TearDown() override {
        host::UnloadSoundLibrary();
        host::World().Reset();
        host::SetOutput(nullptr);
        std::filesystem::current_path(previousDir_);
        std::filesystem::remove_all(scratchDir_);
    }

    static void LoadLibrary(const std::string &variant) {
        std::string error;
        ASSERT_TRUE(host::LoadSoundLibrary(variant, &error)) << error;
    }

    static OBJHANDLE NewVessel(const std::string &name) {
        return host::Handle(host::World().AddVessel(name, "TestShip"));
    }

    static std::string ReadLog() {
        std::ifstream in("OrbiterSound_Log.txt", std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    static int Count(const std::string &text, const std::string &part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    std::string Transcript() const { return transcript.str(); }

    std::ostringstream transcript;

private:
    std::filesystem::path previousDir_;
    std::filesystem::path scratchDir_;
};

#endif
