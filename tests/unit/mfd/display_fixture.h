// A simulation run with the module attached to the host (its entry points
// called as the simulator calls them), the stand-in sound library loaded and
// a small world: the body Earth, the ship Scout (three tanks) and the ship
// Tug. Displays are opened through the host's display framework, as the
// simulator does.
#ifndef TEST_MFD_DISPLAY_FIXTURE_H
#define TEST_MFD_DISPLAY_FIXTURE_H

#include "display/page_listing.h"
#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"
#include "module_entry.h"
#include "module_world.h"
#include "platform/drawing_surface.h"

#include <vector>

class DisplayTest : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        LoadSound();
        host::AttachModule(ModuleEntry());
        host::BeginRun();
        host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
        // 1000 m from Earth's centre along x, facing +z, up +y, tanks of 1000 kg each.
        scout = AddShip("Scout", host::Vec(1000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1),
                        {1000.0, 1000.0, 1000.0});
        tug = AddShip("Tug", host::Vec(1000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1), {1000.0});
    }

    void TearDown() override {
        host::EndRun();
        host::UnloadModule();
        ModuleWorldTest::TearDown();
    }

    DriveMFD *Open(Vessel *v, int position, DWORD w = 256, DWORD h = 256) {
        ModuleWorldTest::Open(v, position, w, h);
        return static_cast<DriveMFD *>(host::DisplayObject(v, position));
    }

    // The one value text on a label's line.
    static std::string LineOf(const host::Page &page, const std::string &label) {
        std::vector<std::string> texts;
        EXPECT_TRUE(host::TextsOnLabelLine(page, label, &texts)) << label;
        return texts.size() == 1 ? texts.front() : "<" + std::to_string(texts.size()) + " texts>";
    }

    // The value text on a label's line of a fresh drawing.
    static std::string Line(Vessel *v, int position, const std::string &label) {
        return LineOf(Draw(v, position), label);
    }

    // A play of the display's answer sounds as the stand-in library reports
    // it, to the end of its line.
    static std::string Played(int slot) {
        return "slot=" + std::to_string(slot) + " loop=0 volume=255\n";
    }

    Vessel *scout = nullptr;
    Vessel *tug = nullptr;
};

#endif
