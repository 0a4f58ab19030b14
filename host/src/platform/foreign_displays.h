// Display objects made by a module built with another C++ ABI than the
// host's own. Only the platform knows such modules: on Windows a module with
// Microsoft's ABI, whose display objects the bridge constructs
// (windows/foreign_displays.cpp); elsewhere every module has the host's ABI.
#ifndef HOST_FOREIGN_DISPLAYS_H
#define HOST_FOREIGN_DISPLAYS_H

#include "Orbitersdk.h"

namespace host {

struct DisplayCalls; // display/module_display.h

// The calls of an object made with another ABI than the host's own, or null.
const DisplayCalls *ForeignDisplayCalls(const MFD *display);

} // namespace host

#endif
