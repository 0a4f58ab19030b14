// The module linked into the program, in the form the host takes a loaded
// plug-in's entry points: host::AttachModule(ModuleEntry()) starts it as
// the simulator starts the plug-in.
#ifndef TEST_MODULE_ENTRY_H
#define TEST_MODULE_ENTRY_H

#include "module/module_exports.h"
#include "world/simulation.h"

inline host::ModuleEntryPoints ModuleEntry() {
    host::ModuleEntryPoints module;
    module.initModule = InitModule;
    module.exitModule = ExitModule;
    module.preStep = opcPreStep;
    module.openRenderViewport = opcOpenRenderViewport;
    module.closeRenderViewport = opcCloseRenderViewport;
    module.deleteVessel = opcDeleteVessel;
    return module;
}

#endif
