#include "display/module_display.h"

#include "platform/foreign_displays.h"

namespace host {
namespace {

// An object of the host's own ABI: its virtual functions.
const DisplayCalls kOwnAbiCalls = {
    [](MFD *d, HDC hDC) { d->Update(hDC); },
    [](MFD *d, DWORD key) { return d->ConsumeKeyBuffered(key); },
    [](MFD *d, int button, int event) { return d->ConsumeButton(button, event); },
    [](MFD *d, int button) { return d->ButtonLabel(button); },
    [](const MFD *d, const MFDBUTTONMENU **menu) { return d->ButtonMenu(menu); },
    [](const MFD *d) { d->StoreStatus(); },
    [](MFD *d) { d->RecallStatus(); },
    [](MFD *d) { delete d; },
};

} // namespace

const DisplayCalls &CallsOf(const MFD *display) {
    const DisplayCalls *foreign = ForeignDisplayCalls(display);
    return foreign ? *foreign : kOwnAbiCalls;
}

} // namespace host
