// What the plug-in allocates on the heap while it steps and draws. The
// plug-in, loaded as the simulator loads it, calls this program's operator
// new and delete (heap.h); a call counts when it comes from the plug-in's own
// code during one opcPreStep or one drawing of a page. The host's own
// allocations (its world, its recording context) do not count.
// Here only: a plug-in built with MinGW carries its own allocator, which no
// program can replace.
#include "heap.h"
#include "module_world.h"

#include <dlfcn.h>

namespace {

const void *moduleBase = nullptr; // where the plug-in is loaded

bool FromModule(const void *caller) {
    Dl_info info;
    return dladdr(caller, &info) && info.dli_fbase == moduleBase;
}

// What the plug-in allocated and freed while `run` ran.
template <typename Run> std::pair<int, int> Counted(Run run) {
    heap::window = heap::Window{FromModule};
    run();
    heap::window.fromModule = nullptr;
    return {heap::window.allocations, heap::window.frees};
}

// The plug-in loaded, its run begun, and Earth with 16 ships, each with the
// mode open on display 0 and a tank of 20 t: one drive for every bucket of
// the default registry and some chains.
class PlugInAllocations : public ModuleWorldTest {
protected:
    void SetUp() override {
        ModuleWorldTest::SetUp();
        host::SetQuiet(true);
        std::string error;
        ASSERT_TRUE(host::LoadModule(TARSEL_MODULE, &error)) << error;
        void *library = dlopen(TARSEL_MODULE, RTLD_NOW | RTLD_NOLOAD);
        preStep_ = reinterpret_cast<void (*)(double, double, double)>(dlsym(library, "opcPreStep"));
        Dl_info info;
        ASSERT_TRUE(dladdr(reinterpret_cast<void *>(preStep_), &info));
        moduleBase = info.dli_fbase;
        dlclose(library);
        host::BeginRun();
        host::World().AddBody("Earth", 5.97e24, 6.371e6, VECTOR3{}, VECTOR3{});
        for (int i = 0; i < 16; ++i) {
            ships.push_back(AddShip("Ship" + std::to_string(i), Vec(1e7 + 1e6 * i, 0, 0), {},
                                    Vec(0, 0, 1), {2e4}));
            Open(ships.back(), 0);
        }
    }

    // One host step with the step's opcPreStep counted.
    std::pair<int, int> CountedStep() {
        host::WorldState &world = host::World();
        const auto counted = Counted([&] { preStep_(world.simTime, world.stepLength, 0.0); });
        world.AdvanceStep();
        host::FlushDeletions();
        return counted;
    }

    // Allocations of the plug-in while it draws the page afresh.
    static int CountedDrawing(Vessel *v, int position = 0) {
        return Counted([&] { Draw(v, position); }).first;
    }

    std::vector<Vessel *> ships;

private:
    void (*preStep_)(double, double, double) = nullptr;
};

// Charging sixteen drives, then a jump of one with a stack docked during its
// acceleration: the only step that allocates is the jump's, and it frees all
// it allocated (the walk's room) before it returns.
TEST_F(PlugInAllocations, StepsAllocateOnlyForTheJumpsDockedStackWalk) {
    for (Vessel *ship : ships)
        Key(ship, 0, OAPI_KEY_C);
    Vessel *jumper = ships[5];
    Vessel *module = AddShip("Module", host::Vec(1.5e7, 0, 30), VECTOR3{}, host::Vec(0, 0, 1), {});
    int jumpSteps = 0;
    for (int step = 0; step < 3000; ++step) {
        if (step == 1700)
            Key(jumper, 0, OAPI_KEY_J); // charged: 100 turns of 0.1 s, one in 16 steps
        if (step == 1705) {
            ASSERT_TRUE(host::World().Dock(jumper, 0, module, 0));
        }
        const size_t flashesBefore = Flashes().size();
        const auto [allocations, frees] = CountedStep();
        if (Flashes().size() > flashesBefore) {
            ++jumpSteps;
            EXPECT_GT(allocations, 0) << "the walk's room";
            EXPECT_EQ(frees, allocations) << "freed before the step ends";
        } else {
            ASSERT_EQ(allocations, 0) << "step " << step;
        }
    }
    EXPECT_EQ(jumpSteps, 1);
    EXPECT_FALSE(oapiIsVessel(host::Handle(module))) << "the walk ran";
}

// Every drawing of a page after its display's first, in every readout, while
// charging and while jumping, allocates nothing.
TEST_F(PlugInAllocations, PagesAfterTheFirstDrawingAllocateNothing) {
    Vessel *ship = ships[0];
    Open(ship, 1, 420, 420);
    CountedDrawing(ship);
    CountedDrawing(ship, 1);
    Key(ship, 0, OAPI_KEY_C);
    for (int mode = 0; mode < 10; ++mode) {
        EXPECT_EQ(CountedDrawing(ship), 0) << "mode " << mode;
        EXPECT_EQ(CountedDrawing(ship, 1), 0) << "mode " << mode;
        Key(ship, 0, OAPI_KEY_M);
    }
    for (int step = 0; step < 1700; ++step)
        CountedStep();
    ASSERT_TRUE(Key(ship, 0, OAPI_KEY_J));
    for (int step = 0; step < 400; ++step) {
        CountedStep();
        if (step % 8 == 0) {
            ASSERT_EQ(CountedDrawing(ship), 0) << "step " << step << " of the jump";
        }
    }
}

} // namespace
