// Vessels deleted: when the host lets them go and what their handles read
// then; how the module forgets their drives and display states when the host
// tells it (opcDeleteVessel; the flights vessel_deleted, flash_outlives_vessel
// and stress/deletions_every_phase show the rest); and how a drive whose
// vessel is gone, told or not, ends what it started and refuses every command.
#include "module_world.h"

#include <set>

using WorldTest = ModuleWorldTest;

namespace {

std::string NameOf(OBJHANDLE h) {
    char name[32] = "";
    oapiGetObjectName(h, name, sizeof name - 1);
    return name;
}

OBJHANDLE Make(const char *name, const char *className, VECTOR3 rpos = {}) {
    VESSELSTATUS2 vs{};
    vs.version = 2;
    vs.rbody = oapiGetGbodyByIndex(0);
    vs.rpos = rpos;
    return oapiCreateVesselEx(name, className, &vs);
}

} // namespace

// Handles of deleted vessels stay readable and are never reused, unless the
// simulator's memory reuse is on: then a new vessel takes the handle and the
// interface of the vessel deleted most recently, reset to a fresh state, and
// a stale handle reads the new vessel.
TEST_F(WorldTest, HandlesOfDeletedVesselsAndTheirReuse) {
    host::World().AddBody("Earth", 6e24, 6.4e6, {}, {});
    std::set<OBJHANDLE> seen;
    for (int i = 0; i < 50; ++i) {
        const OBJHANDLE h = Make("Hyperspace", "Hyperspace");
        ASSERT_TRUE(seen.insert(h).second);
        oapiDeleteVessel(h);
        host::FlushDeletions();
    }
    EXPECT_EQ(NameOf(*seen.begin()), "Hyperspace");
    EXPECT_FALSE(oapiIsVessel(*seen.begin()));
    EXPECT_EQ(oapiGetVesselInterface(*seen.begin())->GetHandle(), *seen.begin());

    host::World().reuseDeleted = true;
    Vessel *first = AddVessel("First");
    Vessel *second = AddVessel("Second", Vec(5, 6, 7), 2);
    AddVessel("Stays");
    second->tanks = {{100.0, 50.0}};
    VESSEL *secondInterface = second->iface;
    ASSERT_TRUE(host::DeleteNow(first));
    ASSERT_TRUE(host::DeleteNow(second));
    const OBJHANDLE made = Make("Flash", "Hyperspace", Vec(0, 0, 9));
    EXPECT_EQ(made, host::Handle(second));
    VESSEL *madeInterface = oapiGetVesselInterface(made);
    EXPECT_EQ(madeInterface, secondInterface);
    EXPECT_EQ(std::make_tuple(std::string(madeInterface->GetName()),
                              madeInterface->GetPropellantCount(), madeInterface->GetDockHandle(0),
                              oapiGetMass(made)),
              std::make_tuple(std::string("Flash"), 0u, nullptr, 1.0));
    EXPECT_EQ(Gap(second->pos, Vec(0, 0, 9)), 0.0);
    EXPECT_EQ(oapiGetObjectByIndex(2), made) << "listed as the newest vessel";
    EXPECT_EQ(Make("Next", "Probe"), host::Handle(first));
    const OBJHANDLE fresh = Make("Fresh", "Probe");
    EXPECT_TRUE(fresh != host::Handle(first) && fresh != host::Handle(second));
    EXPECT_EQ(oapiGetObjectCount(), 5u);
}

namespace {

std::vector<std::string> order;
Vessel *escort = nullptr;

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

// A vessel asked for stays listed until the end of the step, when it goes:
// camera, module, displays, then the vessel itself. The escort the module
// deletes meanwhile stands after the carrier in the list, which the walk has
// passed: it goes at the end of the next frame. The scenario's DELETE takes
// the same path at once.
TEST_F(WorldTest, EachDeletionMovesTheCameraTellsTheModuleClosesDisplaysThenRemoves) {
    order.clear();
    host::World().AddBody("Earth", 6e24, 6.4e6, {}, {});
    Vessel *carrier = AddVessel("Carrier", {}, 1);
    escort = AddVessel("Escort");
    Vessel *watcher = AddVessel("Watcher", {}, 1);
    ASSERT_TRUE(host::World().Dock(carrier, 0, watcher, 0));
    MFDMODESPEC spec{const_cast<char *>("Witness"), OAPI_KEY_W, WitnessProc};
    const int mode = oapiRegisterMFDMode(spec);
    ASSERT_TRUE(Open(carrier, 0));
    ASSERT_TRUE(Open(escort, 0));
    host::World().cameraTarget = carrier;
    host::ModuleEntryPoints entry;
    entry.deleteVessel = OnDeleteVessel;
    host::AttachModule(entry);

    ASSERT_TRUE(oapiDeleteVessel(carrier, escort));
    EXPECT_FALSE(oapiDeleteVessel(carrier)) << "a second request is ignored";
    EXPECT_TRUE(oapiIsVessel(carrier)) << "listed until the end of the step";
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
    EXPECT_FALSE(oapiDeleteVessel(carrier)) << "gone: nothing to delete";
    oapiUnregisterMFDMode(mode);
}

// The end of a frame walks the list from the last index to the first: of the
// vessels marked in the frame the last listed goes first; one marked during
// the walk goes in it when its index is still ahead, a frame later when the
// walk has passed it. Told of "Mid", the module deletes "Low"; told of "Low", "Top".
TEST_F(WorldTest, TheWalkGoesFromTheLastIndexAndLeavesPassedOnesForTheNextFrame) {
    order.clear();
    host::World().AddBody("Earth", 6e24, 6.4e6, {}, {});
    for (const char *name : {"Low", "Mid", "Keep", "Top"})
        AddVessel(name);
    host::ModuleEntryPoints entry;
    entry.deleteVessel = [](OBJHANDLE h) {
        order.push_back(NameOf(h));
        const char *next = order.back() == "Mid" ? "Low" : order.back() == "Low" ? "Top" : "";
        if (*next) {
            EXPECT_TRUE(oapiDeleteVessel(oapiGetObjectByName(const_cast<char *>(next))));
        }
    };
    host::AttachModule(entry);
    ASSERT_TRUE(oapiDeleteVessel(oapiGetObjectByName(const_cast<char *>("Mid"))));
    host::RunSteps(1);
    EXPECT_EQ(order, (std::vector<std::string>{"Mid", "Low"}));
    EXPECT_EQ(oapiGetObjectCount(), 3u) << "Top waits for the next frame";
    host::RunSteps(1);
    EXPECT_EQ(order, (std::vector<std::string>{"Mid", "Low", "Top"}));
    ASSERT_EQ(oapiGetObjectCount(), 2u);
    EXPECT_EQ(NameOf(oapiGetObjectByIndex(1)), "Keep");
}

// The simulator may give a new vessel the memory of a deleted one: it gets a
// new drive (with its own sound connection) and new display states.
TEST_F(DisplayTest, AVesselAtTheAddressOfADeletedOneStartsAfresh) {
    host::World().reuseDeleted = true;
    DriveMFD *old = Open(tug, 0);
    Open(tug, 3);
    Key(tug, 0, OAPI_KEY_C);
    Key(tug, 0, OAPI_KEY_M);
    Key(tug, 0, OAPI_KEY_N);
    host::RunSteps(20);
    ASSERT_GT(old->drive->GetCellCharge(), 0.0);
    VESSEL *const oldInterface = tug->iface;
    ASSERT_TRUE(host::DeleteNow(tug));
    EXPECT_TRUE(driveRegistry->empty);
    EXPECT_TRUE(stateRegistry->empty);

    Vessel *barge = host::World().VesselFromHandle(Make("Barge", "Barge"));
    ASSERT_EQ(barge->iface, oldInterface);
    barge->tanks.push_back(host::Tank{1000.0, 1000.0});
    TakeTranscript();
    DriveMFD *fresh = Open(barge, 0);
    EXPECT_EQ(Count(TakeTranscript(), "LoadVesselWaveOBSound3"), 6);
    EXPECT_EQ(fresh->drive->GetCellCharge(), 0.0);
    EXPECT_EQ(fresh->drive->GetState(), Idle);
    EXPECT_EQ(fresh->state->displayMode, 0);
    EXPECT_EQ(fresh->state->targetIndex, 2u) << "its own place in the object list";
    EXPECT_EQ(LineOf(Draw(barge, 0), "Target name"), "Barge");
}

// A vessel gone in some phase of its drive, the camera on it or elsewhere:
// at its next turn the drive ends what it started, as the end of the
// sequence would have (the charge loop stops, the flash objects go, a camera
// it widened gets the saved aperture back, the sequence's progress is
// dropped), and it refuses every command from then on.
TEST_F(DisplayTest, AGoneVesselsDriveEndsWhatItStartedAndRefusesEveryCommand) {
    const std::pair<DriveState, bool> rows[] = {
        // the phase, and the camera on the vessel
        {Charging, true}, {Accelerate, true}, {Hold, true},       {Hold, false},
        {Flash, true},    {Decelerate, true}, {Decelerate, false}};
    for (const auto &[phase, watched] : rows) {
        SCOPED_TRACE(testing::Message() << "phase " << phase << (watched ? ", watched" : ""));
        Vessel *ship = AddShip("Ship", Vec(0, 0, 1e7), {}, Vec(0, 0, 1), {1e4});
        // A drive the module does not know of: nobody tells it of the deletion.
        static const int32_t slots[4] = {50, 52, 53, 54};
        SavedAperture aperture{30.0 * kDegree, true};
        const int32_t id = ConnectToOrbiterSoundDLL3(host::Handle(ship));
        DriveUnit drive(DriveParams{ship->iface, &aperture, 5, id, slots, 50000.0,
                                    new double[1]{7.5e8}, 10.0, 10.0, 6000.0});
        const auto step = [&drive](int steps) {
            for (int i = 0; i < steps; ++i) {
                drive.Step(host::World().simTime, host::World().stepLength);
                host::RunSteps(1);
            }
        };
        host::World().SetCameraAperture(30.0 * kDegree);
        host::World().cameraTarget = host::Handle(watched ? ship : tug);
        drive.cellCharge = phase == Charging ? 0.0 : 1.0;
        ASSERT_TRUE(phase == Charging ? drive.StartCharge() : drive.Engage());
        step(5);
        for (int i = 0; i < 400 && drive.GetState() != phase; ++i)
            step(1);
        ASSERT_EQ(drive.GetState(), phase);
        if (!watched)
            host::World().SetCameraAperture(50.0 * kDegree);
        ASSERT_EQ(Flashes().size(), phase == Flash ? 2u : 0u);
        TakeTranscript();
        ASSERT_TRUE(host::DeleteNow(ship));
        step(1);
        EXPECT_EQ(drive.GetState(), Idle);
        EXPECT_EQ(drive.GetCellCharge() == 0.0, phase != Charging);
        EXPECT_TRUE(!drive.departFlash && !drive.arriveFlash && Flashes().empty());
        EXPECT_NEAR(ApertureDegrees(), watched ? 30.0 : 50.0, 1e-9);
        EXPECT_TRUE(aperture.restored);
        step(30);
        const std::string t = TakeTranscript();
        const std::string stop = "StopVesselWave3 id=" + std::to_string(id) + " slot=50";
        EXPECT_EQ(Count(t, stop), phase == Charging ? 1 : 0);
        EXPECT_EQ(t.find("PlayVesselWaveOBSound3"), std::string::npos);
        EXPECT_EQ(Count(t, "vessel Hyperspace deleted"), phase == Flash ? 2 : 0);
        EXPECT_FALSE(drive.Engage() || drive.StartCharge() || drive.CanEngage());
    }
}
