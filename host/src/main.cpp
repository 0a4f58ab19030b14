// tarsel-sim: the headless host that flies the module through a scenario file.
#include "platform/platform_setup.h"
#include "scenario/scenario_main.h"

// TARSEL_DEFAULT_MODULE: the module built alongside, set by the build.
int main(int argc, char **argv) {
    host::PreparePlatform();
    return scenario::RunScenarioMain(argc, argv, TARSEL_DEFAULT_MODULE);
}
