// The recording layer between the module and gdi32. The host points a
// library's imports of the GDI functions whose effects it reports at its own
// functions, which call the real ones and note what they did: texts and
// rectangles drawn on a surface being recorded (PRINT PAGE, EXPECT LINE),
// and brushes made and not yet deleted.
#ifndef HOST_WINDOWS_DRAW_RECORDING_H
#define HOST_WINDOWS_DRAW_RECORDING_H

#include "display/page.h"

#include <vector>

namespace host {

// Redirects the library's imports of TextOutA, Rectangle, CreateSolidBrush
// and DeleteObject; the program itself is a library here too.
void RecordDrawingOf(HMODULE library);

// Texts and rectangles drawn on dc are appended to calls until StopRecording;
// fonts are told apart as the default fonts of a display displayHeight high.
void StartRecording(HDC dc, DWORD displayHeight, std::vector<DrawCall> *calls);
void StopRecording(HDC dc);

} // namespace host

#endif
