// Here the C library differs from the simulator's platform only where runs
// must repeat.
#include "platform/platform_setup.h"

#include "platform/repeatable_runs.h"

namespace host {

void PreparePlatform() {
    MakeRunsRepeatable();
}

} // namespace host
