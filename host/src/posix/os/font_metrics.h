// The faces the host draws its displays' fonts with, and their metrics, as
// the installed fonts give them (through Cairo and Fontconfig).
#ifndef HOST_FONT_METRICS_H
#define HOST_FONT_METRICS_H

#include <cairo.h>

namespace host {

// A face's metrics per unit of em size, read unhinted.
struct FaceMetrics {
    double cellPerEm;    // (ascent + descent) / em: a cell of c pixels needs an em of c / cellPerEm
    double ascentPerEm;  // ascent / em: where the baseline stands below the cell's top
    double advancePerEm; // the advance of "0" / em; every character's in a fixed-pitch face
};

// Selects the face (heavy: its bold weight) on cr.
void SelectFace(cairo_t *cr, const char *family, bool heavy);
// Measured once per face.
const FaceMetrics &MeasureFace(const char *family, bool heavy);

// Cairo and the font configuration it loads keep their data for the life of
// the process; this hands it back at exit, so that leak checkers see a clean end.
void ReleaseFontCachesAtExit();

} // namespace host

#endif
