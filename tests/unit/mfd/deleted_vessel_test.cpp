// A vessel the simulator deletes: the module forgets its drive and display
// states when the host tells it (opcDeleteVessel), so that nothing of the
// vessel is stepped, shown or answered afterwards.
#include "display_fixture.h"

#include "run/simulation.h"

namespace {

using DeletedVessel = DisplayTest;

// Three charging drives share the steps; once one vessel is gone, the other
// two share them alone: ten increments each in 30 steps, then thirty each in 60.
TEST_F(DeletedVessel, ItsDriveLeavesTheStepRotation) {
    Vessel *pod = AddShip("Pod", host::Vec(2000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1), {20000.0});
    scout->tanks[0].mass = 20000.0;
    tug->tanks[0].mass = 20000.0;
    for (Vessel *v : {scout, tug, pod}) {
        Open(v, 0);
        Key(v, 0, OAPI_KEY_C);
    }
    host::RunSteps(30);
    for (Vessel *v : {scout, tug, pod})
        EXPECT_EQ(v->tanks[0].mass, 20000.0 - 10 * 60.0) << v->name;
    ASSERT_TRUE(host::DeleteNow(pod));
    EXPECT_EQ(driveRegistry->EntryCount(), 2u);
    EXPECT_EQ(stateRegistry->EntryCount(), 2u);
    host::RunSteps(60);
    EXPECT_EQ(scout->tanks[0].mass, 20000.0 - 40 * 60.0);
    EXPECT_EQ(tug->tanks[0].mass, 20000.0 - 40 * 60.0);
}

// The simulator may give a new vessel the memory of a deleted one: it gets a
// new drive (with its own sound connection) and new display states.
TEST_F(DeletedVessel, AVesselAtTheSameAddressStartsAfresh) {
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

    VESSELSTATUS2 status{};
    status.version = 2;
    status.rbody = oapiGetGbodyByIndex(0);
    OBJHANDLE made = oapiCreateVesselEx("Barge", "Barge", &status);
    Vessel *barge = host::World().VesselFromHandle(made);
    ASSERT_EQ(barge->iface, oldInterface);
    barge->tanks.push_back(host::Tank{1000.0, 1000.0});
    TakeTranscript();
    DriveMFD *fresh = Open(barge, 0);
    EXPECT_EQ(Count(TakeTranscript(), "LoadVesselWaveOBSound3"), 6);
    EXPECT_EQ(fresh->drive->GetCellCharge(), 0.0);
    EXPECT_EQ(fresh->drive->GetState(), Idle);
    EXPECT_EQ(fresh->state->displayMode, 0);
    EXPECT_EQ(fresh->state->targetIndex, 2u) << "its own place in the object list";
    EXPECT_EQ(Line(barge, 0, "Target name"), "Barge");
}

// A display still open and an input box still open for the vessel let go of
// it: the display closes cleanly, the box's answer is refused, and the other
// vessel's display and box work as before. With one bucket, the states of
// both vessels share one chain, and only the deleted vessel's leave it.
TEST_F(DeletedVessel, ItsDisplaysAndInputBoxLetGo) {
    delete stateRegistry;
    stateRegistry = new KeyedTable(0);
    Open(tug, 2);
    Open(scout, 1);
    Open(tug, 0);
    Key(tug, 0, OAPI_KEY_S);
    ASSERT_TRUE(host::InputBoxOpen());
    ASSERT_TRUE(host::DeleteNow(tug));
    EXPECT_EQ(stateRegistry->EntryCount(), 1u);
    EXPECT_EQ(host::DisplayObject(tug, 0), nullptr);
    ASSERT_TRUE(host::InputBoxOpen());
    EXPECT_FALSE(Answer("1500,2")) << "nothing left to set";
    host::CancelInputBox(nullptr);
    host::RunSteps(10);

    Key(scout, 1, OAPI_KEY_S);
    EXPECT_TRUE(Answer("1500,2"));
    EXPECT_EQ(Line(scout, 1, "Distance set"), "1.500000e+03m");
}

// A vessel deleted during its flash: its flash objects stand after it in the
// object list, so the simulator's walk, from the last index down, has passed
// them and deletes them a frame later. They live on for that frame without
// the light, whose record went with the drive. So does a flash standing when
// the run ends.
TEST_F(DeletedVessel, ItsFlashObjectsOutliveItUnlit) {
    const auto flashes = [] {
        std::vector<Vessel *> found;
        for (host::SimObject *o : host::World().objects)
            if (o->className == "Hyperspace")
                found.push_back(static_cast<Vessel *>(o));
        return found;
    };
    const auto jumpUntilTheFlash = [&](Vessel *v) {
        Open(v, 0);
        Key(v, 0, OAPI_KEY_C);
        host::RunSteps(101);
        Key(v, 0, OAPI_KEY_J);
        for (int i = 0; i < 100 && flashes().empty(); ++i)
            host::RunSteps(1);
        ASSERT_EQ(flashes().size(), 2u);
    };
    Vessel *jumper =
        AddShip("Jumper", host::Vec(5000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1), {20000.0});
    jumpUntilTheFlash(jumper);
    TakeTranscript();
    ASSERT_TRUE(host::DeleteNow(jumper));
    EXPECT_EQ(Count(TakeTranscript(), "beacon removed from Hyperspace\n"), 2);
    ASSERT_EQ(flashes().size(), 2u);
    for (Vessel *flash : flashes())
        EXPECT_TRUE(flash->beacons.empty());
    host::RunSteps(1);
    const std::string t = TakeTranscript();
    EXPECT_EQ(t.find("beacon Hyperspace"), std::string::npos) << "nothing left to draw";
    EXPECT_EQ(Count(t, "vessel Hyperspace deleted"), 2);
    EXPECT_TRUE(flashes().empty());

    Vessel *late = AddShip("Late", host::Vec(9000, 0, 0), VECTOR3{}, host::Vec(0, 0, 1), {20000.0});
    jumpUntilTheFlash(late);
    TakeTranscript();
    host::EndRun();
    EXPECT_EQ(Count(TakeTranscript(), "beacon removed from Hyperspace\n"), 2);
    for (Vessel *flash : flashes())
        EXPECT_TRUE(flash->beacons.empty());
    host::BeginRun();
}

} // namespace
