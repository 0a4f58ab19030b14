// The host's display framework: display positions per vessel, the module's
// display objects on them, keys, buttons, input boxes and recorded pages.
//
// Opening sends the mode OAPI_MSG_MFD_OPENEDEX (wparam a pointer to an
// MFDMODEOPENSPEC {w, h, the mode's registration record}), then, when that
// makes no display, OAPI_MSG_MFD_OPENED (wparam MAKEWPARAM(w, h)); lparam is
// the VESSEL* in both. The display is then attached, given font 0's character
// cell as cw and ch and asked to RecallStatus. Closing: StoreStatus,
// OAPI_MSG_MFD_CLOSED, delete. Displays of a vessel that is no longer in the
// world are closed before anything else is done with displays. Pens, fonts,
// colours and the context Update gets: default_styles.h.
//
// Transcript lines:
//   display mode "NAME" registered (id N) / unregistered
//   display VESSEL P opened: mode "NAME" WxH      display VESSEL P closed
//   display VESSEL P: mode "NAME" made no display
//   key 0xKK on display VESSEL P                 (before the display acts)
//   key 0xKK on display VESSEL P: consumed | not consumed
//   key 0xKK on display VESSEL P: taken by input box "TITLE"   (the display hears nothing)
//   button I event 0xEE on display VESSEL P[: consumed | not consumed]
//   display VESSEL P: redraw requested           display VESSEL P: buttons refreshed
//   input box "TITLE" opened | cancelled
//   input box "TITLE" closed                     (a new box took its place)
//   input box "TITLE" answered "TEXT": accepted | rejected, box stays open
//   input box "TITLE" not opened: no callback
#ifndef HOST_DISPLAYS_H
#define HOST_DISPLAYS_H

#include "Orbitersdk.h"
#include "display/page.h"

#include <string>
#include <vector>

class Vessel;

namespace host {

// Buttons of every display, 0 to 11.
constexpr int kButtonCount = 12;

// Each returns false and sets *error when the display cannot do it
// (no such mode registered, display not open, ...).
bool OpenDisplay(Vessel *v, int position, DWORD width, DWORD height, std::string *error);
bool CloseDisplay(Vessel *v, int position, std::string *error);
bool SendKey(Vessel *v, int position, DWORD key, bool *consumed, std::string *error);
bool SendButton(Vessel *v, int position, int button, int event, bool *consumed, std::string *error);
// Draws afresh on a new recording context prepared as the simulator
// prepares one for Update (default_styles.h).
bool DrawPage(Vessel *v, int position, Page *page, std::string *error);
bool ListButtons(Vessel *v, int position, std::vector<ButtonInfo> *buttons, std::string *error);
// The drawing the simulator does after a step: each open display is drawn
// when it opened or asked (InvalidateDisplay) since the last step, else when
// its last such drawing is 0.5 s of simulation time old. The drawing goes to
// a scratch context that is then discarded, without a transcript line;
// DrawPage's drawings do not count.
void RefreshDisplays();
// Closes every display and cancels an open input box: the end of a run.
void CloseAllDisplays();
// Closes the displays of a vessel that is about to be removed from the world.
void CloseDisplaysOf(Vessel *v);
// The module's display object on that place, or null (tests).
MFD *DisplayObject(Vessel *v, int position);
// How often that display asked to be redrawn since it opened.
int RedrawRequests(Vessel *v, int position);

// One input box at a time: a box opened while another is open closes that
// one without its callback. While a box is open, keys (SendKey) go to it and
// not to the displays; buttons (SendButton) still reach the displays.
bool InputBoxOpen();
// Confirms the open box with text; false when no box is open.
bool AnswerInputBox(const std::string &text, std::string *error);
bool CancelInputBox(std::string *error);
std::string InputBoxTitle(); // empty when none is open
void CancelOpenInputBoxAtRunEnd();

} // namespace host

#endif
