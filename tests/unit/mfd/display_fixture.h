// A simulation run with the module initialised, the stand-in sound library
// loaded and a small world: the body Earth, the ship Scout (three tanks) and
// the ship Tug; the transcript is captured. Displays are opened through the
// host's display framework, as the simulator does.
#ifndef TEST_MFD_DISPLAY_FIXTURE_H
#define TEST_MFD_DISPLAY_FIXTURE_H

#include "display/displays.h"
#include "display/gdi_objects.h"
#include "mfd/drive_mfd.h"
#include "module/module_exports.h"
#include "module/module_state.h"
#include "world/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousDir_ = std::filesystem::current_path();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tarsel-mfd-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        scratchDir_ = pattern;
        std::filesystem::current_path(scratchDir_);
        host::World().Reset();
        host::SetQuiet(false);
        host::SetOutput(&transcript);
        std::string error;
        ASSERT_TRUE(host::LoadSoundLibrary("full", &error)) << error;
        InitModule(nullptr);
        opcOpenRenderViewport(nullptr, 1024, 768, FALSE);

        earth = host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
        scout = AddShip("Scout", 3);
        tug = AddShip("Tug", 1);
    }

    void TearDown() override {
        host::CloseAllDisplays();
        opcCloseRenderViewport();
        ExitModule(nullptr);
        host::UnloadSoundLibrary();
        host::SetOutput(nullptr);
        host::World().Reset();
        std::filesystem::current_path(previousDir_);
        std::filesystem::remove_all(scratchDir_);
    }

    // A ship 1000 m from Earth's centre along x, facing +z, up +y, tanks of 1000 kg each.
    Vessel *AddShip(const std::string &name, int tanks) {
        Vessel *v = host::World().AddVessel(name, "Test");
        v->mass = 10000.0;
        v->size = 10.0;
        v->pos = VECTOR3{{1000.0, 0.0, 0.0}};
        v->rot = host::RotationFromAxes(VECTOR3{{0, 0, 1}}, VECTOR3{{0, 1, 0}});
        for (int i = 0; i < tanks; ++i)
            v->tanks.push_back(host::Tank{20000.0, 1000.0});
        return v;
    }

    DriveMFD *Open(Vessel *v, int position, DWORD w = 256, DWORD h = 256) {
        std::string error;
        EXPECT_TRUE(host::OpenDisplay(v, position, w, h, &error)) << error;
        return static_cast<DriveMFD *>(host::DisplayObject(v, position));
    }

    void Close(Vessel *v, int position) {
        std::string error;
        EXPECT_TRUE(host::CloseDisplay(v, position, &error)) << error;
    }

    bool Key(Vessel *v, int position, DWORD key) {
        bool consumed = false;
        std::string error;
        EXPECT_TRUE(host::SendKey(v, position, key, &consumed, &error)) << error;
        return consumed;
    }

    bool Answer(const std::string &text) {
        std::string error;
        EXPECT_TRUE(host::AnswerInputBox(text, &error)) << error;
        return !host::InputBoxOpen();
    }

    host::Page Draw(Vessel *v, int position) {
        host::Page page;
        std::string error;
        EXPECT_TRUE(host::DrawPage(v, position, &page, &error)) << error;
        return page;
    }

    // The value text on a label's line of a fresh drawing.
    std::string Line(Vessel *v, int position, const std::string &label) {
        std::vector<std::string> texts;
        EXPECT_TRUE(host::TextsOnLabelLine(Draw(v, position), label, &texts)) << label;
        return texts.empty() ? std::string("<none>") : texts.front();
    }

    std::string Transcript() const { return transcript.str(); }

    std::string TakeTranscript() {
        std::string text = transcript.str();
        transcript.str("");
        return text;
    }

    static int Count(const std::string &text, const std::string &part) {
        int n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    }

    // A play of the display's answer sounds as the stand-in library reports it.
    static std::string Played(int slot) {
        return "slot=" + std::to_string(slot) + " loop=0 volume=255";
    }

    host::Body *earth = nullptr;
    Vessel *scout = nullptr;
    Vessel *tug = nullptr;
    std::ostringstream transcript;

private:
    std::filesystem::path previousDir_, scratchDir_;
};

#endif
