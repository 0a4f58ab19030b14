// Pictures of recorded pages: black surface, the host's fonts, the colours
// drawn, and rectangles as GDI fills them.
#include "display/default_styles.h"
#include "display/displays.h"
#include "display/page_listing.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>

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

// Font 0 is sized so that one character advances exactly the host's cell
// width. Its height is held to what fits the cell height (capitals and
// descenders within one line); on a display wider than 35:28 the glyphs are
// squat rather than overlapping the next line.
struct FontScale {
    double x, y;
};

FontScale FontZeroScale(cairo_t *cr, const Page &page) {
    const FontStyle &style = DefaultFontStyle(0);
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 100.0);
    cairo_text_extents_t digit, capital;
    cairo_text_extents(cr, "0", &digit);
    cairo_text_extents(cr, "H", &capital);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    double cell = std::max<DWORD>(CellWidth(page.width), 1);
    double x = digit.x_advance > 0 ? cell * 100.0 / digit.x_advance : cell;
    double capitalAndDescent = (-capital.y_bearing + font.descent) / 100.0;
    double line = std::max<DWORD>(CellHeight(page.height), 1);
    double y = capitalAndDescent > 0 ? std::min(x, line / capitalAndDescent) : x;
    return {x, y};
}

void DrawText(cairo_t *cr, const DrawCall &call, FontScale zero) {
    const FontStyle &style = DefaultFontStyle(call.font);
    cairo_select_font_face(cr, style.family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_matrix_t size;
    cairo_matrix_init_scale(&size, zero.x * style.scale, zero.y * style.scale);
    cairo_set_font_matrix(cr, &size);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    SetColour(cr, call.colour);
    // TextOut places the top of the character cell at y.
    cairo_move_to(cr, call.x, call.y + font.ascent);
    cairo_show_text(cr, Cp1252ToUtf8(call.text).c_str());
}

// Cairo and the font configuration it loads keep their data for the life of
// the process; hand it back at exit so that leak checkers see a clean end.
void ReleaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

void ReleaseFontCachesAtExit() {
    static bool registered = false;
    if (!registered) {
        std::atexit(ReleaseFontCaches);
        registered = true;
    }
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
    const FontScale fontZero = FontZeroScale(cr, page);
    for (const DrawCall &call : page.calls) {
        if (call.kind == DrawCall::Rect) {
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            DrawRectangle(cr, call);
        } else {
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
            DrawText(cr, call, fontZero);
        }
    }
    cairo_surface_flush(surface);
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
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
