// What has docked to a jumping vessel goes at the jump, whatever shape the
// docked vessels form: each vessel once, outer vessels before those they
// are docked to.
#include "module_world.h"

#include <map>

namespace {

// The order in which the transcript reports the deletions asked for (the
// simulator carries them out at the end of the frame, by its own order).
std::vector<std::string> RequestedInOrder(const std::string &transcript) {
    std::vector<std::string> names;
    const std::string mark = "] vessel ", requested = ": deletion requested\n";
    for (size_t at = transcript.find(mark); at != std::string::npos;
         at = transcript.find(mark, at + 1)) {
        const size_t start = at + mark.size();
        const size_t end = transcript.find_first_of(":\n", start);
        if (end != std::string::npos && transcript.compare(end, requested.size(), requested) == 0)
            names.push_back(transcript.substr(start, end - start));
    }
    return names;
}

class DockedStackTest : public DriveTest {
protected:
    // A ready drive on Ship, engaged; whatever docks to Ship from now on goes at the jump.
    void SetUp() override {
        DriveTest::SetUp();
        ship = MakeVessel("Ship", Vec(0, 0, 1e7));
        ship->ports.resize(4);
        drive = &MakeDrive(ship, 1);
        ASSERT_TRUE(drive->Engage());
    }

    Vessel *Module(const std::string &name, int ports) {
        Vessel *v = MakeVessel(name, Vec(0, 0, 1e7 + 100));
        v->ports.resize(ports);
        return v;
    }

    void Dock(Vessel *a, int portA, Vessel *b, int portB) {
        ASSERT_TRUE(host::World().Dock(a, portA, b, portB))
            << a->name << ":" << portA << " " << b->name << ":" << portB;
    }

    // Runs to the jump and returns the vessels the jump asked to delete, in
    // order; each was asked for once and is gone at the end of the frame.
    std::vector<std::string> Jump() {
        transcript.str("");
        RunUntil(*drive, Flash);
        const std::string t = Transcript();
        EXPECT_EQ(t.find("deletion requested again"), std::string::npos);
        EXPECT_TRUE(oapiIsVessel(host::Handle(ship)));
        EXPECT_EQ(ship->iface->GetFlightStatus() & 0x2u, 0u);
        const std::vector<std::string> requested = RequestedInOrder(t);
        for (const std::string &name : requested)
            EXPECT_EQ(host::World().FindByName(name), nullptr) << name;
        return requested;
    }

    Vessel *ship = nullptr;
    DriveUnit *drive = nullptr;
};

// Eleven vessels all docked to each other: every one but Ship goes, once.
TEST_F(DockedStackTest, ADenseStackGoesVesselByVesselOnce) {
    ship->ports.resize(10);
    std::vector<Vessel *> all{ship};
    for (int i = 0; i < 10; ++i)
        all.push_back(Module("M" + std::to_string(i), 10));
    // Port j of vessel i leads to vessel j (or j + 1 past itself).
    for (int i = 0; i < 11; ++i)
        for (int j = i + 1; j < 11; ++j)
            Dock(all[i], j - 1, all[j], i);
    const std::vector<std::string> deleted = Jump();
    std::map<std::string, int> times;
    for (const std::string &name : deleted)
        ++times[name];
    EXPECT_EQ(deleted.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(times["M" + std::to_string(i)], 1) << i;
    // The walk goes deep first: M0 leads to M1, M1 to M2 and so on, so the
    // last one reached goes first and M0 last.
    ASSERT_EQ(deleted.size(), 10u);
    EXPECT_EQ(deleted.front(), "M9");
    EXPECT_EQ(deleted.back(), "M0");
}

// Walked from a vessel that the walk came from, that vessel and whatever
// lies beyond it stay.
TEST_F(DockedStackTest, TheVesselTheWalkCameFromStaysWithWhatLiesBeyondIt) {
    Vessel *from = Module("From", 2), *beyond = Module("Beyond", 1), *inner = Module("Near", 2),
           *outer = Module("Far", 1);
    Dock(beyond, 0, from, 0);
    Dock(from, 1, ship, 0);
    Dock(ship, 1, inner, 0);
    Dock(inner, 1, outer, 0);
    transcript.str("");
    DriveUnit::RemoveDockedStack(ship->iface, host::Handle(from));
    host::FlushDeletions();
    EXPECT_EQ(RequestedInOrder(Transcript()), (std::vector<std::string>{"Far", "Near"}));
}

// A 7 x 7 lattice of four-port modules docked to Ship at one corner, and a
// long chain on another port: all of them go, each once, and along the
// chain the far end goes first.
TEST_F(DockedStackTest, ALatticeAndALongChainGoOuterVesselsFirst) {
    std::vector<std::vector<Vessel *>> grid(7);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c)
            grid[r].push_back(Module("L" + std::to_string(r) + "_" + std::to_string(c), 4));
    // Ports: 0 up, 1 right, 2 down, 3 left.
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 7; ++c) {
            if (c + 1 < 7)
                Dock(grid[r][c], 1, grid[r][c + 1], 3);
            if (r + 1 < 7)
                Dock(grid[r][c], 2, grid[r + 1][c], 0);
        }
    Dock(ship, 0, grid[0][0], 0);
    const int chainLength = 3000;
    Vessel *previous = ship;
    for (int i = 0; i < chainLength; ++i) {
        Vessel *link = Module("C" + std::to_string(i), 2);
        Dock(previous, 1, link, 0);
        previous = link;
    }
    const std::vector<std::string> deleted = Jump();
    ASSERT_EQ(deleted.size(), 49u + chainLength);
    std::map<std::string, int> times;
    for (const std::string &name : deleted)
        ++times[name];
    EXPECT_EQ(times.size(), deleted.size()) << "a vessel was asked for twice";
    // The lattice is walked first (port 0), then the chain, from its far end.
    for (int i = 0; i < chainLength; ++i)
        ASSERT_EQ(deleted[49 + i], "C" + std::to_string(chainLength - 1 - i));
}

} // namespace
