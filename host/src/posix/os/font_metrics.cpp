#include "posix/os/font_metrics.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace host {
namespace {

void ReleaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

// Large enough that the font's unhinted metrics come out exact.
constexpr double kMeasuringSize = 2048.0;

FaceMetrics Measure(const char *family, bool heavy) {
    ReleaseFontCachesAtExit();
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t *cr = cairo_create(surface);
    cairo_font_options_t *options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    SelectFace(cr, family, heavy);
    cairo_set_font_size(cr, kMeasuringSize);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    cairo_text_extents_t digit;
    cairo_text_extents(cr, "0", &digit);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return {(font.ascent + font.descent) / kMeasuringSize, font.ascent / kMeasuringSize,
            digit.x_advance / kMeasuringSize};
}

} // namespace

void SelectFace(cairo_t *cr, const char *family, bool heavy) {
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL,
                           heavy ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
}

const FaceMetrics &MeasureFace(const char *family, bool heavy) {
    static std::map<std::pair<std::string, bool>, FaceMetrics> measured;
    auto key = std::make_pair(std::string(family), heavy);
    auto it = measured.find(key);
    if (it == measured.end())
        it = measured.emplace(key, Measure(family, heavy)).first;
    return it->second;
}

void ReleaseFontCachesAtExit() {
    static bool registered = false;
    if (!registered) {
        std::atexit(ReleaseFontCaches);
        registered = true;
    }
}

} // namespace host
