// A display's page as the host records it: the drawing calls of one
// drawing, the pixels where the platform draws them, and the buttons.
#ifndef HOST_PAGE_H
#define HOST_PAGE_H

#include "Orbitersdk.h"

#include <cstdint>
#include <string>
#include <vector>

namespace host {

// One drawing call recorded on a display page.
struct DrawCall {
    enum Kind { Text, Rect } kind = Text;
    int x = 0, y = 0;    // text position
    std::string text;    // code page 1252 bytes
    int font = 0;        // default font index selected (-1: none)
    COLORREF colour = 0; // text colour
    int left = 0, top = 0, right = 0, bottom = 0;
    bool filled = false;  // false: drawn with the null brush
    COLORREF fill = 0;    // brush colour when filled
    bool outlined = true; // false: drawn with the null pen
    COLORREF pen = 0;     // border colour when outlined
};

struct Page {
    std::string vesselName;
    int position = 0;
    DWORD width = 0, height = 0;
    std::vector<DrawCall> calls;
    // The pixels drawn, 0x00RRGGBB row by row from the top, where the platform
    // draws them (Windows); empty where the host only records the calls, and
    // WritePagePng draws them itself.
    std::vector<uint32_t> pixels;
};

struct ButtonInfo {
    int index;
    std::string label;
    std::string menuText;
    char key; // 0: none
};

} // namespace host

#endif
