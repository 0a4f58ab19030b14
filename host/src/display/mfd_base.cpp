// The MFD base class as the simulator provides it to modules.
#include "display/default_styles.h"
#include "display/mfd_host.h"
#include "platform/default_objects.h"

#include "world/transcript.h"
#include "world/world.h"

#include <cstring>

MFD::MFD(DWORD w, DWORD h, VESSEL *vessel) : W(w), H(h), cw(0), ch(0), pV(vessel), host(nullptr) {}

MFD::~MFD() {
    if (host)
        host->Detach();
}

void MFD::InvalidateDisplay() {
    if (host)
        host->NoteRedrawRequest();
}

void MFD::InvalidateButtons() {
    if (host)
        host->NoteButtonRefresh();
}

// The title stands in the top-left corner in font 0 and the main colour;
// the context keeps what it had selected before. Fonts belong to the display
// the object is on: before it is attached there are none.
void MFD::Title(HDC hDC, const char *title) const {
    if (!title || !host)
        return;
    HGDIOBJ oldFont = SelectObject(hDC, host::DefaultFont(0, host->height));
    COLORREF oldColour = SetTextColor(hDC, host::kDefaultTextColour);
    TextOutA(hDC, static_cast<int>(cw), 1, title, static_cast<int>(std::strlen(title)));
    SetTextColor(hDC, oldColour);
    if (oldFont)
        SelectObject(hDC, oldFont);
}

HPEN MFD::SelectDefaultPen(HDC hDC, DWORD i) const {
    HPEN pen = host::DefaultPen(i);
    if (!pen)
        return nullptr;
    return static_cast<HPEN>(SelectObject(hDC, pen));
}

HFONT MFD::SelectDefaultFont(HDC hDC, DWORD i) const {
    HFONT font = host ? host::DefaultFont(i, host->height) : nullptr;
    if (!font)
        return nullptr;
    return static_cast<HFONT>(SelectObject(hDC, font));
}

void MFDHost::Attach(MFD *mfd) {
    display = mfd;
    mfd->host = this;
    mfd->cw = host::CellWidth(height);
    mfd->ch = host::CellHeight(height);
}

void MFDHost::Detach() {
    if (display)
        display->host = nullptr;
    display = nullptr;
}

std::string MFDHost::Describe() const {
    return (vessel ? vessel->name : std::string("?")) + " " + std::to_string(position);
}

void MFDHost::NoteRedrawRequest() {
    ++redrawRequests;
    drawDue = true;
    host::Event("display %s: redraw requested", Describe().c_str());
}

void MFDHost::NoteButtonRefresh() {
    ++buttonRefreshes;
    host::Event("display %s: buttons refreshed", Describe().c_str());
}
