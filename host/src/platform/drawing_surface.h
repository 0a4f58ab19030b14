// One drawing of a display: a device context prepared as the simulator
// prepares the one it hands to Update (display/default_styles.h), on which
// every text and rectangle drawn is recorded. On Windows it is a real GDI memory context
// on a bitmap of the display's size, and a recording layer between the
// program's (and each loaded library's) imports and gdi32 keeps the calls;
// elsewhere the host's own GDI records them without drawing.
#ifndef HOST_DRAWING_SURFACE_H
#define HOST_DRAWING_SURFACE_H

#include "Orbitersdk.h"

#include <memory>

namespace host {

struct Page; // display/page.h

class DrawingSurface {
public:
    DrawingSurface(DWORD width, DWORD height);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;

    HDC Handle() const;
    // The calls recorded so far, and the pixels where the platform draws them.
    void TakeDrawing(Page *page);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Brushes made by CreateSolidBrush and not deleted yet.
int LiveCreatedBrushCount();

} // namespace host

#endif
