// Pictures of recorded pages: black surface, the display's fonts at the
// sizes the simulator makes them, the colours drawn, and rectangles as GDI
// fills them.
#include "platform/page_png.h"

#include "display/default_styles.h"
#include "display/page.h"
#include "display/page_listing.h"
#include "platform/host_paths.h"
#include "posix/os/font_metrics.h"

#include <cairo.h>

#include <algorithm>

namespace host {
namespace {

void SetColour(cairo_t *cr, COLORREF c) {
    cairo_set_source_rgb(cr, GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0);
}

void FillPixels(cairo_t *cr, int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_fill(cr);
}

// GDI leaves out the right and bottom edge: a one-pixel border runs along
// columns left and right-1 and rows top and bottom-1, the brush fills inside.
void DrawRectangle(cairo_t *cr, const DrawCall &call) {
    int left = std::min(call.left, call.right), right = std::max(call.left, call.right);
    int top = std::min(call.top, call.bottom), bottom = std::max(call.top, call.bottom);
    int inset = call.outlined ? 1 : 0;
    if (call.filled) {
        SetColour(cr, call.fill);
        FillPixels(cr, left + inset, top + inset, right - 1, bottom - 1);
    }
    if (call.outlined) {
        SetColour(cr, call.pen);
        FillPixels(cr, left, top, right, top + 1);
        FillPixels(cr, left, bottom - 1, right, bottom);
        FillPixels(cr, left, top, left + 1, bottom);
        FillPixels(cr, right - 1, top, right, bottom);
    }
}

// Each text in its default font at the cell height the simulator gives that
// font on this display; TextOut places the top of the character cell at y,
// and draws no background box (TRANSPARENT).
void DrawText(cairo_t *cr, const DrawCall &call, DWORD displayHeight) {
    const FontStyle &style = DefaultFontStyle(call.font);
    const FaceMetrics &face = MeasureFace(style.family, style.heavy);
    const int cell = FontCellHeight(displayHeight, call.font);
    if (cell < 1 || face.cellPerEm <= 0.0)
        return;
    const double em = cell / face.cellPerEm;
    SelectFace(cr, style.family, style.heavy);
    cairo_set_font_size(cr, em);
    SetColour(cr, call.colour);
    cairo_move_to(cr, call.x, call.y + em * face.ascentPerEm);
    cairo_show_text(cr, Cp1252ToUtf8(call.text).c_str());
}

} // namespace

bool WritePagePng(const Page &page, const std::string &path, std::string *error) {
    if (page.width < 1 || page.height < 1) {
        if (error)
            *error = "the page has no size";
        return false;
    }
    ReleaseFontCachesAtExit();
    cairo_surface_t *surface = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, static_cast<int>(page.width), static_cast<int>(page.height));
    cairo_t *cr = cairo_create(surface);
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);

    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    for (const DrawCall &call : page.calls) {
        if (call.kind == DrawCall::Rect) {
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            DrawRectangle(cr, call);
        } else {
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
            DrawText(cr, call, page.height);
        }
    }
    cairo_surface_flush(surface);
    cairo_status_t status = cairo_surface_write_to_png(surface, SystemPath(path).c_str());
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        if (error)
            *error = "cannot write " + path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

} // namespace host
