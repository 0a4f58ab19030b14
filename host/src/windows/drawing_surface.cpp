// A drawing on a real GDI memory context: a 32-bit top-down DIB section of
// the display's size, prepared as the simulator prepares its displays.
#include "platform/drawing_surface.h"

#include "display/default_styles.h"
#include "display/page.h"
#include "platform/default_objects.h"
#include "windows/draw_recording.h"

namespace host {

struct DrawingSurface::State {
    DWORD width = 0, height = 0;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    uint32_t *bits = nullptr; // 0x00RRGGBB, row by row from the top
    HGDIOBJ original[4] = {}; // the fresh context's bitmap, font, brush and pen
    std::vector<DrawCall> calls;
};

DrawingSurface::DrawingSurface(DWORD width, DWORD height) : state_(std::make_unique<State>()) {
    State &s = *state_;
    s.width = width;
    s.height = height;
    s.dc = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    s.bitmap = CreateDIBSection(s.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    s.bits = static_cast<uint32_t *>(bits);
    s.original[0] = SelectObject(s.dc, s.bitmap);
    // As the simulator hands a display its context: the surface cleared to
    // black, the main text colour, font 0, no text background, the stock
    // null brush and default pen 0.
    PatBlt(s.dc, 0, 0, static_cast<int>(width), static_cast<int>(height), BLACKNESS);
    SetTextColor(s.dc, kDefaultTextColour);
    s.original[1] = SelectObject(s.dc, DefaultFont(0, height));
    SetBkMode(s.dc, TRANSPARENT);
    s.original[2] = SelectObject(s.dc, GetStockObject(NULL_BRUSH));
    s.original[3] = SelectObject(s.dc, DefaultPen(0));
    StartRecording(s.dc, height, &s.calls);
}

// After the drawing the simulator selects the stock null pen and brush back
// before it lets the context go.
DrawingSurface::~DrawingSurface() {
    State &s = *state_;
    StopRecording(s.dc);
    SelectObject(s.dc, GetStockObject(NULL_PEN));
    SelectObject(s.dc, GetStockObject(NULL_BRUSH));
    for (HGDIOBJ original : s.original)
        if (original)
            SelectObject(s.dc, original);
    DeleteObject(s.bitmap);
    DeleteDC(s.dc);
}

HDC DrawingSurface::Handle() const {
    return state_->dc;
}

void DrawingSurface::TakeDrawing(Page *page) {
    State &s = *state_;
    GdiFlush();
    page->calls = std::move(s.calls);
    s.calls.clear();
    page->pixels.clear();
    if (s.bits)
        page->pixels.assign(s.bits, s.bits + static_cast<size_t>(s.width) * s.height);
}

} // namespace host
