// A simulation run with the module initialised, the stand-in sound library
// loaded and a small world: the body Earth, the ship Scout (three tanks) and
// the ship Tug. Displays are opened through the host's display framework,
// as the simulator does.
#ifndef TEST_MFD_DISPLAY_FIXTURE_H
#define TEST_MFD_DISPLAY_FIXTURE_H

#include "display/displays.h"
#include "display/gdi_objects.h"
#include "mfd/drive_mfd.h"
#include "module/module_exports.h"
#include "module/module_state.h"
#include "module_world.h"

#include <vector>

class DisplayTest : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        LoadSound();
        InitModule(nullptr);
        opcOpenRenderViewport(nullptr, 1024, 768, FALSE);
        host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
        // 1000 m from Earth's centre along x, facing +z, up +y, tanks of 1000 kg each.
        scout = AddShip("Scout", host::Vec(1000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1),
                        {1000.0, 1000.0, 1000.0});
        tug = AddShip("Tug", host::Vec(1000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1), {1000.0});
    }

    void TearDown() override {
        host::CloseAllDisplays();
        opcCloseRenderViewport();
        ExitModule(nullptr);
        ModuleWorldTest::TearDown();
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

    // A play of the display's answer sounds as the stand-in library reports it.
    static std::string Played(int slot) {
        return "slot=" + std::to_string(slot) + " loop=0 volume=255";
    }

    Vessel *scout = nullptr;
    Vessel *tug = nullptr;
};

#endif
