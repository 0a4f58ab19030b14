// What has docked to a jumping vessel goes at the jump, whatever shape the
// docked vessels form: each vessel once, outer vessels before those they
// are docked to.
#include "module_world.h"

#include <map>
#include <regex>

namespace {

class DockedStackTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        ship = AddShip("Ship", Vec(0, 0, 1e7), {}, Vec(0, 0, 1), {1e4});
        ship->ports.resize(13);
    }

    void Dock(Vessel *a, int portA, Vessel *b, int portB) {
        ASSERT_TRUE(host::World().Dock(a, portA, b, portB))
            << a->name << ":" << portA << " " << b->name << ":" << portB;
    }

    // The vessels whose deletion the transcript reports asked for, in order
    // (the simulator carries them out at the end of the frame, by its own order).
    std::vector<std::string> Requested() const {
        std::vector<std::string> names;
        const std::regex line(R"(\] vessel (\S+): deletion requested\n)");
        const std::string t = Transcript();
        for (std::sregex_iterator m(t.begin(), t.end(), line), end; m != end; ++m)
            names.push_back((*m)[1]);
        return names;
    }

    Vessel *ship = nullptr;
};

// Ship engages; then eleven vessels all docked to each other (Ship's ports
// 0 to 9), a 7 x 7 lattice of four-port modules docked at one corner (port
// 10) and a chain of 3000 (port 11) dock to it. At the jump every one of
// them goes, each once, and Ship, undocked, stays. The walk goes deep
// first: M0 leads to M1, M1 to M2 and so on, so that M9 goes before M0; the
// lattice is walked next, then the chain, from its far end.
TEST_F(DockedStackTest, EveryVesselDockedGoesOnceOuterVesselsFirst) {
    DriveUnit &drive = Drive(ship, 1);
    ASSERT_TRUE(drive.Engage());
    std::vector<Vessel *> dense{ship};
    for (int i = 0; i < 10; ++i)
        dense.push_back(AddVessel("M" + std::to_string(i), {}, 10));
    // Port j of vessel i leads to vessel j (or j + 1 past itself).
    for (int i = 0; i < 11; ++i)
        for (int j = i + 1; j < 11; ++j)
            Dock(dense[i], j - 1, dense[j], i);
    std::vector<std::vector<Vessel *>> grid(7);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            grid[r].push_back(AddVessel("L" + std::to_string(r) + "_" + std::to_string(c),
                                        Vec(0, 0, 1e7 + 100), 4));
    for (int r = 0; r < 7; ++r) // ports: 0 up, 1 right, 2 down, 3 left
        for (int c = 0; c < 7; ++c) {
            if (c + 1 < 7)
                Dock(grid[r][c], 1, grid[r][c + 1], 3);
            if (r + 1 < 7)
                Dock(grid[r][c], 2, grid[r + 1][c], 0);
        }
    Dock(ship, 10, grid[0][0], 0);
    const int chain = 3000;
    Vessel *link = ship;
    for (int i = 0; i < chain; ++i) {
        Vessel *next = AddVessel("C" + std::to_string(i), {}, 2);
        Dock(link, i ? 1 : 11, next, 0);
        link = next;
    }
    TakeTranscript();
    RunUntil(drive, Flash);
    EXPECT_EQ(Transcript().find("deletion requested again"), std::string::npos);
    EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));
    EXPECT_EQ(ship->iface->GetFlightStatus() & 0x2u, 0u);
    const std::vector<std::string> deleted = Requested();
    ASSERT_EQ(deleted.size(), 10u + 49u + chain);
    std::map<std::string, int> times;
    for (const std::string &name : deleted) {
        ++times[name];
        EXPECT_EQ(host::World().FindByName(name), nullptr) << name;
    }
    EXPECT_EQ(times.size(), deleted.size()) << "a vessel was asked for twice";
    EXPECT_EQ(deleted.front(), "M9");
    EXPECT_EQ(deleted[9], "M0");
    for (int i = 0; i < chain; ++i)
        ASSERT_EQ(deleted[59 + i], "C" + std::to_string(chain - 1 - i));
}

// Walked from a vessel that the walk came from, that vessel and whatever
// lies beyond it stay.
TEST_F(DockedStackTest, TheVesselTheWalkCameFromStaysWithWhatLiesBeyondIt) {
    Vessel *from = AddVessel("From", {}, 2), *beyond = AddVessel("Beyond", {}, 1),
           *inner = AddVessel("Near", {}, 2), *outer = AddVessel("Far", {}, 1);
    Dock(beyond, 0, from, 0);
    Dock(from, 1, ship, 0);
    Dock(ship, 1, inner, 0);
    Dock(inner, 1, outer, 0);
    DriveUnit::RemoveDockedStack(ship->iface, host::Handle(from));
    host::FlushDeletions();
    EXPECT_EQ(Requested(), (std::vector<std::string>{"Far", "Near"}));
}

} // namespace
