// The table, the docked-stack walk and the display object under memory
// exhaustion: every allocation they make can fail, and they must neither
// throw nor lose what they hold; a walk without room still deletes what is
// docked to the vessel, and a display without room for its drive is still a
// display.
// Blocks are handed out filled with garbage, so that neither may rely on
// fresh memory being zero.
#include "bucket_keys.h"
#include "drive/drive_unit.h"
#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"
#include "module_entry.h"
#include "module_world.h"
#include "registry/keyed_table.h"
#include "run/simulation.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

// How many more no-throw allocations succeed; negative: all of them.
int allocationsLeft = -1;

// The blocks the no-throw forms handed out and not yet freed: the table's own.
void *liveBlocks[256];
int liveCount = 0;

void *Allocate(std::size_t size) {
    if (allocationsLeft == 0)
        return nullptr;
    if (allocationsLeft > 0)
        --allocationsLeft;
    void *p = std::malloc(size ? size : 1);
    if (p && liveCount < 256)
        liveBlocks[liveCount++] = p;
    // As a debug heap hands blocks out: what is read before it is written
    // shows, where fresh memory from the system would be all zeros.
    if (p)
        std::memset(p, 0xA5, size);
    return p;
}

void Free(void *p) {
    for (int i = 0; i < liveCount; ++i)
        if (liveBlocks[i] == p) {
            liveBlocks[i] = liveBlocks[--liveCount];
            break;
        }
    std::free(p);
}

// Fails after `n` more allocations for as long as it lives.
struct AllocationLimit {
    explicit AllocationLimit(int n) { allocationsLeft = n; }
    ~AllocationLimit() { allocationsLeft = -1; }
};

} // namespace

// The table allocates only through the no-throw forms, so replacing them is
// enough to starve it; the throwing forms stay the library's.
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
    return Allocate(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept {
    return Allocate(size);
}
void operator delete(void *p) noexcept {
    Free(p);
}
void operator delete[](void *p) noexcept {
    Free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    Free(p);
}
void operator delete[](void *p, std::size_t) noexcept {
    Free(p);
}
void *operator new(std::size_t size) {
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void *operator new[](std::size_t size) {
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

TEST(KeyedTableWithoutMemory, FailedInsertsReportAndChangeNothing) {
    std::vector<std::string> keys = KeysInBucket(3, 16, 3);
    KeyedTable table(4);
    ASSERT_TRUE(table.Allocated());
    bool stored = true;
    {
        AllocationLimit none(0);
        EXPECT_EQ(table.Insert(keys[0].c_str(), 1, &stored), 0u);
    }
    EXPECT_FALSE(stored) << "no room for the key copy of a head slot";
    EXPECT_TRUE(table.empty);
    EXPECT_EQ(table.EntryCount(), 0u);
    EXPECT_EQ(table.BucketAt(3)->key, nullptr);

    EXPECT_EQ(table.Insert(keys[0].c_str(), 1, &stored), 0u);
    EXPECT_TRUE(stored);
    for (int left : {0, 1}) {
        AllocationLimit limit(left); // no link, or a link without its key copy
        EXPECT_EQ(table.Insert(keys[1].c_str(), 2, &stored), 0u);
        EXPECT_FALSE(stored) << left;
    }
    {
        AllocationLimit none(0);
        EXPECT_EQ(table.Insert(keys[0].c_str(), 7, &stored), 1u);
        EXPECT_TRUE(stored) << "replacing a value needs no memory";
    }
    EXPECT_EQ(table.EntryCount(), 1u);
    EXPECT_EQ(table.BucketAt(3)->next, nullptr);
    EXPECT_EQ(table.Find(keys[1].c_str()), 0u);
    EXPECT_EQ(table.Find(keys[0].c_str()), 7u);
    EXPECT_EQ(table.Insert(nullptr, 3, &stored), 0u);
    EXPECT_FALSE(stored);

    AllocationLimit none(0);
    KeyedTable starved(4);
    EXPECT_FALSE(starved.Allocated());
    EXPECT_EQ(starved.BucketCount(), 0u);
    EXPECT_EQ(starved.Insert("a", 1, &stored), 0u);
    EXPECT_FALSE(stored);
}

// Every key copy and chain link the table made goes back: through Remove,
// RemoveNext and the destructor.
TEST(KeyedTableWithoutMemory, EveryBlockTakenIsGivenBack) {
    const std::vector<std::string> keys = KeysInBucket(3, 16, 4);
    const int before = liveCount;
    {
        KeyedTable table(4);
        for (size_t i = 0; i < keys.size(); ++i)
            table.Insert(keys[i].c_str(), i + 1);
        table.Remove(keys[2].c_str()); // a link
        table.Remove(keys[0].c_str()); // the head
        table.RemoveNext(true);
    }
    EXPECT_EQ(liveCount, before);
}

// Ship, Near docked to it, Far docked to Near.
struct ThreeVesselStack {
    host::WorldState &world = host::World();
    Vessel *ship, *inner, *outer;
    ThreeVesselStack() {
        world.Reset();
        world.AddBody("Sun", 2e30, 7e8, VECTOR3{}, VECTOR3{});
        ship = world.AddVessel("Ship", "Test");
        inner = world.AddVessel("Near", "Test");
        outer = world.AddVessel("Far", "Test");
        for (Vessel *v : {ship, inner, outer})
            v->ports.resize(2);
        world.Dock(ship, 1, inner, 0);
        world.Dock(inner, 1, outer, 0);
    }
    ~ThreeVesselStack() { world.Reset(); }
};

// The walk's room is taken from blocks that held something else before.
TEST(DockedStackWalk, TheWholeStackGoesFromUsedMemory) {
    ThreeVesselStack stack;
    DriveUnit::RemoveDockedStack(stack.ship->iface, nullptr);
    host::FlushDeletions();
    EXPECT_TRUE(stack.world.IsLiveVessel(stack.ship));
    EXPECT_FALSE(stack.world.IsLiveVessel(stack.inner));
    EXPECT_FALSE(stack.world.IsLiveVessel(stack.outer));
}

// Without room for the walk only Near, docked to Ship itself, goes.
TEST(DockedStackWithoutMemory, OnlyWhatIsDockedToTheVesselItselfGoes) {
    ThreeVesselStack stack;
    {
        AllocationLimit none(0);
        DriveUnit::RemoveDockedStack(stack.ship->iface, nullptr);
    }
    host::FlushDeletions();
    EXPECT_TRUE(stack.world.IsLiveVessel(stack.ship));
    EXPECT_FALSE(stack.world.IsLiveVessel(stack.inner));
    EXPECT_TRUE(stack.world.IsLiveVessel(stack.outer));
}

// The simulator uses what the procedure answers unchecked: without room for
// the drive's range table the answer is a display that has no drive and
// refuses commands with the cancel sound; only without room for the display
// object itself is the answer null.
using DisplayWithoutMemory = ModuleWorldTest;

TEST_F(DisplayWithoutMemory, OnlyADisplayObjectThatCannotBeHadIsNoAnswer) {
    LoadSound();
    host::AttachModule(ModuleEntry());
    host::BeginRun();
    host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
    Vessel *ship = AddShip("Ship", host::Vec(1e7, 0, 0), VECTOR3{}, host::Vec(0, 0, 1), {1e4});
    const LPARAM vessel = reinterpret_cast<LPARAM>(ship->iface);
    {
        AllocationLimit none(0);
        EXPECT_EQ(DriveMFD::MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), vessel), 0);
    }
    DriveMFD *display = nullptr;
    {
        AllocationLimit displayOnly(1);
        display = reinterpret_cast<DriveMFD *>(
            DriveMFD::MsgProc(OAPI_MSG_MFD_OPENED, 0, MAKEWPARAM(256, 256), vessel));
    }
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->drive, nullptr);
    EXPECT_TRUE(driveRegistry->empty);
    TakeTranscript();
    EXPECT_TRUE(display->ConsumeKeyBuffered(OAPI_KEY_J));
    EXPECT_FALSE(display->ConsumeKeyBuffered(OAPI_KEY_Y));
    EXPECT_EQ(TakeTranscript(),
              "[   0.000] sound PlayVesselWaveOBSound3 id=" + std::to_string(display->soundId) +
                  " slot=55 loop=0 volume=255\n");
    delete display;
    host::EndRun();
    host::UnloadModule();
}
