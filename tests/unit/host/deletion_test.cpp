// Deleting vessels: when they go, and their handles.
#include "world_fixture.h"

#include <set>
#include <string>
#include <vector>

TEST_F(WorldTest, DeletedVesselStaysListedUntilTheEndOfTheStep) {
    static Vessel *victim;
    static bool listedDuringStep;
    victim = MakeVessel("Doomed");
    Vessel *w = MakeVessel("Other");
    host::ModuleEntryPoints entry;
    entry.preStep = [](double, double, double) {
        EXPECT_TRUE(oapiDeleteVessel(victim));
        EXPECT_FALSE(oapiDeleteVessel(victim)); // the second request is ignored
        listedDuringStep = oapiIsVessel(victim);
    };
    host::AttachModule(entry);
    host::RunSteps(1);
    EXPECT_TRUE(listedDuringStep);
    EXPECT_FALSE(oapiIsVessel(victim));
    EXPECT_EQ(oapiGetObjectCount(), 1u);
    EXPECT_EQ(oapiGetObjectByIndex(0), static_cast<host::SimObject *>(w));
    EXPECT_FALSE(oapiDeleteVessel(victim)); // gone: nothing to delete
}

TEST_F(WorldTest, HandlesOfDeletedVesselsStayReadableAndAreNeverReused) {
    world().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    std::set<OBJHANDLE> seen;
    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rbody = world().bodies[0];
    for (int i = 0; i < 50; ++i) {
        OBJHANDLE h = oapiCreateVesselEx("Hyperspace", "Hyperspace", &vs);
        ASSERT_NE(h, nullptr);
        ASSERT_TRUE(seen.insert(h).second);
        oapiDeleteVessel(h);
        host::FlushDeletions();
    }
    const OBJHANDLE gone = *seen.begin();
    char name[16];
    oapiGetObjectName(gone, name, sizeof name);
    EXPECT_STREQ(name, "Hyperspace");
    EXPECT_FALSE(oapiIsVessel(gone));
    EXPECT_EQ(oapiGetVesselInterface(gone)->GetHandle(), gone);
}

// With the simulator's memory reuse a new vessel takes the handle and the
// interface of the vessel deleted most recently, reset to a fresh state; a
// stale handle then reads the new vessel.
TEST_F(WorldTest, WithReuseANewVesselTakesThePlaceOfTheLastDeletedOne) {
    world().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    world().reuseDeleted = true;
    Vessel *first = MakeVessel("First");
    Vessel *second = MakeVessel("Second", Vec(5, 6, 7), 2);
    MakeVessel("Stays");
    second->tanks = {{100.0, 50.0}};
    VESSEL *secondInterface = second->iface;
    ASSERT_TRUE(host::DeleteNow(first));
    ASSERT_TRUE(host::DeleteNow(second));

    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rpos = Vec(0, 0, 9);
    const OBJHANDLE made = oapiCreateVesselEx("Flash", "Hyperspace", &vs);
    EXPECT_EQ(made, host::Handle(second));
    VESSEL *madeInterface = oapiGetVesselInterface(made);
    EXPECT_EQ(madeInterface, secondInterface);
    EXPECT_STREQ(madeInterface->GetName(), "Flash");
    EXPECT_EQ(madeInterface->GetPropellantCount(), 0u);
    EXPECT_EQ(madeInterface->GetDockHandle(0), nullptr);
    EXPECT_EQ(oapiGetMass(made), 1.0);
    ExpectVecNear(second->pos, Vec(0, 0, 9), 0);
    EXPECT_EQ(oapiGetObjectByIndex(2), made) << "listed as the newest vessel";

    EXPECT_EQ(oapiCreateVesselEx("Next", "Probe", &vs), host::Handle(first));
    const OBJHANDLE fresh = oapiCreateVesselEx("Fresh", "Probe", &vs);
    EXPECT_NE(fresh, host::Handle(first));
    EXPECT_NE(fresh, host::Handle(second));
    EXPECT_EQ(oapiGetObjectCount(), 5u);
}

namespace {

std::vector<std::string> order;
Vessel *escort = nullptr;

std::string NameOf(OBJHANDLE h) {
    char name[32] = "";
    oapiGetObjectName(h, name, sizeof name - 1);
    return name;
}

// A display that reports when it goes and whether its vessel is still listed then.
class Witness : public MFD {
public:
    using MFD::MFD;
    ~Witness() override {
        order.push_back("display of " + std::string(pV->GetName()) + " closes" +
                        (oapiIsVessel(pV->GetHandle()) ? ", vessel listed" : ""));
    }
    void Update(HDC) override {}
};

OAPI_MSGTYPE WitnessProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam) {
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    return reinterpret_cast<OAPI_MSGTYPE>(
        new Witness(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<VESSEL *>(lparam)));
}

// The module's opcDeleteVessel: what it finds, and the escort deleted along
// with the carrier, whose second deletion is refused.
void OnDeleteVessel(OBJHANDLE h) {
    const std::string name = NameOf(h);
    Vessel *v = host::World().VesselFromHandle(h);
    order.push_back("told " + name + ": camera on " + NameOf(oapiCameraTarget()) +
                    (host::DisplayObject(v, 0) ? ", display open" : "") +
                    (oapiIsVessel(h) ? ", listed" : "") + (v->Docked() ? ", docked" : ""));
    if (name == "Carrier") {
        EXPECT_TRUE(oapiDeleteVessel(escort));
        EXPECT_FALSE(oapiDeleteVessel(h));
    }
}

} // namespace

// Camera, module, displays, then the vessel itself. The escort the module
// deletes meanwhile stands after the carrier in the list, which the walk has
// passed: it goes at the end of the next frame. The scenario's DELETE takes
// the same path at once.
TEST_F(WorldTest, EachDeletionMovesTheCameraTellsTheModuleClosesDisplaysThenRemoves) {
    order.clear();
    world().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    Vessel *carrier = MakeVessel("Carrier", {}, 1);
    escort = MakeVessel("Escort");
    Vessel *watcher = MakeVessel("Watcher", {}, 1);
    ASSERT_TRUE(world().Dock(carrier, 0, watcher, 0));
    MFDMODESPEC spec{const_cast<char *>("Witness"), OAPI_KEY_W, WitnessProc};
    const int mode = oapiRegisterMFDMode(spec);
    ASSERT_TRUE(Open(carrier, 0));
    ASSERT_TRUE(Open(escort, 0));
    world().cameraTarget = carrier;
    host::ModuleEntryPoints entry;
    entry.deleteVessel = OnDeleteVessel;
    host::AttachModule(entry);

    ASSERT_TRUE(oapiDeleteVessel(carrier, escort));
    EXPECT_TRUE(order.empty()) << "nothing happens before the end of the step";
    host::RunSteps(1);
    std::vector<std::string> expected = {
        "told Carrier: camera on Escort, display open, listed, docked",
        "display of Carrier closes, vessel listed",
    };
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(oapiIsVessel(escort)) << "listed for one more frame";
    host::RunSteps(1);
    expected.insert(expected.end(), {"told Escort: camera on Watcher, display open, listed",
                                     "display of Escort closes, vessel listed"});
    EXPECT_EQ(order, expected);
    const std::string t = Transcript();
    EXPECT_EQ(Count(t, "vessel Carrier deleted"), 1);
    EXPECT_LT(t.find("vessel Carrier deleted"), t.find("vessel Escort deleted"));
    EXPECT_EQ(oapiGetObjectCount(), 2u);
    EXPECT_FALSE(watcher->Docked());
    EXPECT_EQ(oapiCameraTarget(), watcher);

    order.clear();
    EXPECT_TRUE(host::DeleteNow(watcher));
    EXPECT_EQ(order, std::vector<std::string>{"told Watcher: camera on Earth, listed"});
    EXPECT_EQ(oapiGetObjectCount(), 1u);
    EXPECT_FALSE(host::DeleteNow(watcher));
    oapiUnregisterMFDMode(mode);
}

namespace {

std::vector<std::string> told;

// Deletes "Low" when told of "Mid", and "Top" when told of "Low".
void DeleteNeighbours(OBJHANDLE h) {
    const std::string name = NameOf(h);
    told.push_back(name);
    const char *next = name == "Mid" ? "Low" : name == "Low" ? "Top" : nullptr;
    if (next) {
        EXPECT_TRUE(oapiDeleteVessel(oapiGetObjectByName(const_cast<char *>(next))));
    }
}

} // namespace

// The end of a frame walks the list from the last index to the first: of the
// vessels marked in the frame the last listed goes first; one marked during
// the walk goes in it when its index is still ahead, a frame later when the
// walk has passed it.
TEST_F(WorldTest, TheWalkGoesFromTheLastIndexAndLeavesPassedOnesForTheNextFrame) {
    told.clear();
    world().AddBody("Earth", 6e24, 6.4e6, Vec(0, 0, 0), Vec(0, 0, 0));
    for (const char *name : {"Low", "Mid", "Keep", "Top"})
        MakeVessel(name);
    host::ModuleEntryPoints entry;
    entry.deleteVessel = DeleteNeighbours;
    host::AttachModule(entry);
    ASSERT_TRUE(oapiDeleteVessel(oapiGetObjectByName(const_cast<char *>("Mid"))));
    host::RunSteps(1);
    EXPECT_EQ(told, (std::vector<std::string>{"Mid", "Low"}));
    EXPECT_EQ(oapiGetObjectCount(), 3u) << "Top waits for the next frame";
    host::RunSteps(1);
    EXPECT_EQ(told, (std::vector<std::string>{"Mid", "Low", "Top"}));
    ASSERT_EQ(oapiGetObjectCount(), 2u);
    EXPECT_EQ(NameOf(oapiGetObjectByIndex(1)), "Keep");
}
