// The jump step of a vessel with a 7 x 7 lattice of four-port modules docked
// to it: the walk that deletes them, as a drive makes it at the jump.
#include "drive/drive_unit.h"
#include "run/simulation.h"
#include "world/transcript.h"
#include "world/world.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The lattice, docked at its corner to the vessel with the drive.
Vessel *BuildLattice(int side) {
    host::WorldState &world = host::World();
    world.Reset();
    world.AddBody("Sun", 2e30, 7e8, VECTOR3{}, VECTOR3{});
    Vessel *ship = world.AddVessel("Ship", "Bench");
    ship->ports.resize(4);
    std::vector<Vessel *> grid;
    for (int i = 0; i < side * side; ++i) {
        grid.push_back(world.AddVessel("M" + std::to_string(i), "Bench"));
        grid.back()->ports.resize(4);
    }
    for (int r = 0; r < side; ++r)
        for (int c = 0; c < side; ++c) {
            Vessel *here = grid[r * side + c];
            if (c + 1 < side)
                world.Dock(here, 1, grid[r * side + c + 1], 3);
            if (r + 1 < side)
                world.Dock(here, 2, grid[(r + 1) * side + c], 0);
        }
    world.Dock(ship, 0, grid[0], 0);
    return ship;
}

void DockedLatticeWalk(benchmark::State &state) {
    const int side = static_cast<int>(state.range(0));
    std::ostringstream discarded;
    host::SetOutput(&discarded);
    for (auto _ : state) {
        state.PauseTiming();
        Vessel *ship = BuildLattice(side);
        discarded.str("");
        state.ResumeTiming();
        DriveUnit::RemoveDockedStack(ship->iface, nullptr);
        state.PauseTiming();
        const size_t pending = host::World().objects.size();
        host::FlushDeletions();
        if (host::World().objects.size() + side * side != pending)
            state.SkipWithError("not every module was deleted once");
        state.ResumeTiming();
    }
    host::SetOutput(nullptr);
    host::World().Reset();
}
BENCHMARK(DockedLatticeWalk)->Arg(7)->Arg(30)->Unit(benchmark::kMicrosecond);

} // namespace
