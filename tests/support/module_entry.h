// The module linked into the program, in the form the host takes a loaded
// plug-in's entry points: host::AttachModule(ModuleEntry()) starts it as
// the simulator starts the plug-in.
#ifndef TEST_MODULE_ENTRY_H
#define TEST_MODULE_ENTRY_H

#include "module/module_exports.h"
#include "run/simulation.h"

inline host::ModuleEntryPoints ModuleEntry() {
    return {InitModule,     ExitModule, opcPreStep, opcOpenRenderViewport, opcCloseRenderViewport,
            opcDeleteVessel};
}

#endif
