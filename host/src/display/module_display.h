// Calls into a module's display object. The framework calls the object only
// through these, so it need not know with which C++ ABI the module was built:
// an object made by a module of this host's own ABI is called through its
// virtual functions, one made by a module with Microsoft's ABI (on Windows,
// windows/foreign_displays.cpp) through that ABI's virtual table.
#ifndef HOST_MODULE_DISPLAY_H
#define HOST_MODULE_DISPLAY_H

#include "Orbitersdk.h"

namespace host {

// The display object's operations as one ABI calls them.
struct DisplayCalls {
    void (*update)(MFD *display, HDC hDC);
    bool (*consumeKeyBuffered)(MFD *display, DWORD key);
    bool (*consumeButton)(MFD *display, int button, int event);
    char *(*buttonLabel)(MFD *display, int button);
    int (*buttonMenu)(const MFD *display, const MFDBUTTONMENU **menu);
    void (*storeStatus)(const MFD *display);
    void (*recallStatus)(MFD *display);
    // Destroys the object and frees its memory, as `delete` would.
    void (*destroy)(MFD *display);
};

// The calls that fit the display object.
const DisplayCalls &CallsOf(const MFD *display);

} // namespace host

#endif
