// A drawing on the host's recording GDI: nothing is drawn, every call kept.
#include "platform/drawing_surface.h"

#include "display/default_styles.h"
#include "display/page.h"
#include "platform/default_objects.h"
#include "posix/win32/gdi_objects.h"

namespace host {

struct DrawingSurface::State {
    RecordingDC dc;
};

// Font 0, the stock null brush, default pen 0 and the main text colour.
DrawingSurface::DrawingSurface(DWORD, DWORD height) : state_(std::make_unique<State>()) {
    RecordingDC &dc = state_->dc;
    dc.font = LookUpGdiObject(DefaultFont(0, height));
    dc.brush = LookUpGdiObject(GetStockObject(NULL_BRUSH));
    dc.pen = LookUpGdiObject(DefaultPen(0));
    dc.textColour = kDefaultTextColour;
}

DrawingSurface::~DrawingSurface() = default;

HDC DrawingSurface::Handle() const {
    return state_->dc.Handle();
}

void DrawingSurface::TakeDrawing(Page *page) {
    page->calls = std::move(state_->dc.calls);
    state_->dc.calls.clear();
}

} // namespace host
