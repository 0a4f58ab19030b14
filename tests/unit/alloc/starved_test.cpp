// The table, the docked-stack walk and the display object when the heap runs
// dry: every allocation they make can fail, and they must neither throw nor
// lose what they hold; a walk without room still deletes what is docked to
// the vessel, and a display without room for its drive is still a display.
#include "bucket_keys.h"
#include "drive/drive_unit.h"
#include "heap.h"
#include "mfd/drive_mfd.h"
#include "module_world.h"

TEST(StarvedTable, FailedInsertsReportAndChangeNothing) {
    const std::vector<std::string> keys = KeysInBucket(3, 16, 3);
    KeyedTable table(4);
    ASSERT_TRUE(table.Allocated());
    // What Insert returns, and whether it stored the value, with that many
    // allocations left (-1: all of them).
    using Result = std::pair<uintptr_t, bool>;
    const auto insert = [&table](const char *key, uintptr_t value, int left) {
        heap::Limit limit(left);
        bool stored = true;
        const uintptr_t before = table.Insert(key, value, &stored);
        return Result(before, stored);
    };
    EXPECT_EQ(insert(keys[0].c_str(), 1, 0), Result(0, false)) << "no room for a head's key copy";
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.EntryCount(), 0u);
    EXPECT_EQ(table.BucketAt(3)->key, nullptr);
    EXPECT_EQ(insert(keys[0].c_str(), 1, -1), Result(0, true));
    EXPECT_EQ(insert(keys[1].c_str(), 2, 0), Result(0, false)) << "no room for a link";
    EXPECT_EQ(insert(keys[1].c_str(), 2, 1), Result(0, false)) << "a link without its key copy";
    EXPECT_EQ(insert(keys[0].c_str(), 7, 0), Result(1, true)) << "replacing needs no memory";
    EXPECT_EQ(table.EntryCount(), 1u);
    EXPECT_EQ(table.BucketAt(3)->next, nullptr);
    EXPECT_EQ(table.Find(keys[1].c_str()), 0u);
    EXPECT_EQ(table.Find(keys[0].c_str()), 7u);
    EXPECT_EQ(insert(nullptr, 3, -1), Result(0, false));

    heap::Limit none(0);
    KeyedTable starved(4);
    EXPECT_FALSE(starved.Allocated());
    EXPECT_EQ(starved.BucketCount(), 0u);
    bool stored = true;
    EXPECT_EQ(starved.Insert("a", 1, &stored), 0u);
    EXPECT_FALSE(stored);
}

// Every key copy and chain link the table made goes back: through Remove,
// RemoveNext and the destructor, which frees the first bucket's head and
// chain too.
TEST(StarvedTable, EveryBlockTakenIsGivenBack) {
    const std::vector<std::string> keys = KeysInBucket(0, 16, 5);
    const int before = heap::liveBlocks;
    {
        KeyedTable table(4);
        for (size_t i = 0; i < keys.size(); ++i)
            table.Insert(keys[i].c_str(), i + 1);
        table.Remove(keys[2].c_str()); // a link
        table.Remove(keys[0].c_str()); // the head
        table.RemoveNext(true);
    }
    EXPECT_EQ(heap::liveBlocks, before);
}

// Ship, Near docked to it, Far docked to Near. The walk's room comes from
// blocks that held something else; without room for it only Near, docked
// to Ship itself, goes.
TEST_F(ModuleWorldTest, TheDockedStackWalkWithAndWithoutRoom) {
    for (int limit : {-1, 0}) {
        host::World().Reset();
        Vessel *ship = AddShip("Ship", {}, {}, host::Vec(0, 0, 1), {});
        Vessel *inner = AddShip("Near", {}, {}, host::Vec(0, 0, 1), {});
        Vessel *outer = AddShip("Far", {}, {}, host::Vec(0, 0, 1), {});
        host::World().Dock(ship, 1, inner, 0);
        host::World().Dock(inner, 1, outer, 0);
        {
            heap::Limit room(limit);
            DriveUnit::RemoveDockedStack(ship->iface, nullptr);
        }
        host::FlushDeletions();
        EXPECT_TRUE(host::World().IsLiveVessel(ship));
        EXPECT_FALSE(host::World().IsLiveVessel(inner));
        EXPECT_EQ(host::World().IsLiveVessel(outer), limit == 0);
    }
}

// The simulator uses what the procedure answers unchecked: without room for
// the drive's range table the answer is a display that has no drive and
// refuses commands with the cancel sound; only without room for the display
// object itself is the answer null.
TEST_F(DisplayTest, OnlyADisplayObjectThatCannotBeHadIsNoAnswer) {
    Open(tug, 0); // so that Scout's sound id is not the first, 0
    const LPARAM vessel = reinterpret_cast<LPARAM>(scout->iface);
    {
        heap::Limit none(0);
        EXPECT_EQ(DriveMFD::MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), vessel), 0);
    }
    DriveMFD *display = nullptr;
    {
        heap::Limit displayOnly(1);
        display = reinterpret_cast<DriveMFD *>(
            DriveMFD::MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), vessel));
    }
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(!display->drive && driveRegistry->EntryCount() == 1u); // Tug's only
    EXPECT_GT(display->soundId, 0);
    TakeTranscript();
    EXPECT_TRUE(display->ConsumeKeyBuffered(OAPI_KEY_J));
    EXPECT_FALSE(display->ConsumeKeyBuffered(OAPI_KEY_Y));
    EXPECT_EQ(TakeTranscript(),
              "[   0.000] sound PlayVesselWaveOBSound3 id=" + std::to_string(display->soundId) +
                  " slot=55 loop=0 volume=255\n");
    delete display;
}
