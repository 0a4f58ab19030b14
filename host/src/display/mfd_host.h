// The host's side of one open display: which vessel and position it sits on,
// the mode's message procedure and the module's display object it shows.
#ifndef HOST_MFD_HOST_H
#define HOST_MFD_HOST_H

#include "Orbitersdk.h"

#include <string>

class Vessel;

class MFDHost {
public:
    Vessel *vessel = nullptr;
    int position = 0;
    DWORD width = 0, height = 0;
    std::string modeName;
    OAPI_MSGTYPE (*msgproc)(UINT, UINT, WPARAM, LPARAM) = nullptr;
    MFD *display = nullptr;
    int redrawRequests = 0;
    int buttonRefreshes = 0;
    // The run loop draws the display after the next step when this is set
    // (it opened, or asked with InvalidateDisplay), else 0.5 s after lastDrawn.
    bool drawDue = true;
    double lastDrawn = 0.0; // simulation time of the run loop's last drawing

    // Makes the display this host's and gives it font 0's character cell.
    void Attach(MFD *mfd);
    // Undoes Attach before the display object is deleted.
    void Detach();
    // The name the transcript uses for this display: "VESSEL p".
    std::string Describe() const;
    void NoteRedrawRequest();
    void NoteButtonRefresh();
};

#endif
