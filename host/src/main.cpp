// tarsel-sim: the headless host that flies the module through a scenario file.
#include "scenario/scenario_main.h"

#ifndef TARSEL_DEFAULT_MODULE
#define TARSEL_DEFAULT_MODULE "Modules/Plugin/TarselMFD.so"
#endif

int main(int argc, char **argv) {
    return scenario::RunScenarioMain(argc, argv, TARSEL_DEFAULT_MODULE);
}
