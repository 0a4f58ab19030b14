// The open displays of every vessel, and what the pilot does with them.
#include "display/displays.h"
#include "display/mfd_host.h"
#include "display/mode_registry.h"
#include "display/module_display.h"
#include "display/page_listing.h"
#include "platform/drawing_surface.h"

#include "world/fatal_fault.h"
#include "world/transcript.h"
#include "world/world.h"

#include <cstring>
#include <memory>

namespace host {
namespace {

constexpr DWORD kMaxDisplaySide = 4096;
// The simulator's default refresh interval, in seconds of simulation time.
constexpr double kRefreshInterval = 0.5;
// Step times are computed (START + n x STEP) and their differences round: in
// doubles 0.6 - 0.1 is a hair under 0.5. A display this close to its
// interval is due.
constexpr double kRefreshSlack = 1e-9;
// Labels and menu lines are copied at most this long.
constexpr size_t kMaxButtonText = 64;

std::vector<std::unique_ptr<MFDHost>> &OpenDisplays() {
    static std::vector<std::unique_ptr<MFDHost>> displays;
    return displays;
}

MFDHost *Find(const Vessel *v, int position) {
    for (const auto &d : OpenDisplays())
        if (d->vessel == v && d->position == position)
            return d.get();
    return nullptr;
}

// The simulator's order: store the status, tell the mode, delete the object.
void Shut(MFDHost *d) {
    std::string name = d->Describe();
    if (MFD *mfd = d->display) {
        const DisplayCalls &calls = CallsOf(mfd);
        calls.storeStatus(mfd);
        d->msgproc(OAPI_MSG_MFD_CLOSED, static_cast<UINT>(d->position), 0, 0);
        d->Detach();
        calls.destroy(mfd);
    }
    auto &all = OpenDisplays();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it->get() == d) {
            all.erase(it);
            break;
        }
    }
    Event("display %s closed", name.c_str());
}

void CloseDisplaysOfDeadVessels() {
    auto &all = OpenDisplays();
    for (size_t i = 0; i < all.size();) {
        if (!World().IsLiveVessel(all[i]->vessel))
            Shut(all[i].get());
        else
            ++i;
    }
}

bool Fail(std::string *error, const std::string &message) {
    if (error)
        *error = message;
    return false;
}

// The open display at that place, or null with *error set.
MFDHost *Reach(Vessel *v, int position, std::string *error) {
    CloseDisplaysOfDeadVessels();
    if (!v || !World().IsLiveVessel(v)) {
        Fail(error, "no such vessel");
        return nullptr;
    }
    MFDHost *d = Find(v, position);
    if (!d || !d->display) {
        Fail(error, "display " + v->name + " " + std::to_string(position) + " is not open");
        return nullptr;
    }
    return d;
}

std::string CopyText(const char *text) {
    return text ? std::string(text, strnlen(text, kMaxButtonText)) : std::string();
}

bool StillOpen(const MFDHost *d) {
    for (const auto &open : OpenDisplays())
        if (open.get() == d)
            return true;
    return false;
}

// Update on a fresh context prepared as the simulator hands it over.
void Draw(MFDHost &d, Page *page) {
    DrawingSurface surface(d.width, d.height);
    CallsOf(d.display).update(d.display, surface.Handle());
    if (page)
        surface.TakeDrawing(page);
}

} // namespace

bool OpenDisplay(Vessel *v, int position, DWORD width, DWORD height, std::string *error) {
    CloseDisplaysOfDeadVessels();
    if (!v || !World().IsLiveVessel(v))
        return Fail(error, "no such vessel");
    if (position < 0 || position >= MAXMFD)
        return Fail(error, "display position must be 0 to " + std::to_string(MAXMFD - 1));
    if (width < 1 || height < 1 || width > kMaxDisplaySide || height > kMaxDisplaySide)
        return Fail(error, "display size must be 1 to " + std::to_string(kMaxDisplaySide) +
                               " pixels a side");
    RegisteredMode *mode = FirstMode();
    if (!mode)
        return Fail(error, "no display mode is registered");
    // Selecting a mode replaces whatever the display showed.
    if (MFDHost *old = Find(v, position))
        Shut(old);

    auto d = std::make_unique<MFDHost>();
    d->vessel = v;
    d->position = position;
    d->width = width;
    d->height = height;
    d->modeName = mode->name;
    d->msgproc = mode->spec.msgproc;

    // The extended message first, with the open record; the plain one, with
    // the size packed, when that makes no display.
    UINT pos = static_cast<UINT>(position);
    LPARAM vessel = reinterpret_cast<LPARAM>(v->iface);
    MFDMODEOPENSPEC openSpec{width, height, &mode->spec};
    OAPI_MSGTYPE made =
        d->msgproc(OAPI_MSG_MFD_OPENEDEX, pos, reinterpret_cast<WPARAM>(&openSpec), vessel);
    if (!made)
        made = d->msgproc(OAPI_MSG_MFD_OPENED, pos, MAKEWPARAM(width, height), vessel);
    if (!made) {
        // The simulator writes into the answer at once: it would crash here.
        Event("display %s: mode \"%s\" made no display", d->Describe().c_str(),
              d->modeName.c_str());
        const std::string fault = "mode \"" + d->modeName +
                                  "\" answered OAPI_MSG_MFD_OPENED with no display object, "
                                  "where the simulator would crash";
        RaiseFatalFault(fault);
        return Fail(error, fault);
    }
    MFD *mfd = reinterpret_cast<MFD *>(made);
    d->Attach(mfd);
    MFDHost *opened = d.get();
    OpenDisplays().push_back(std::move(d));
    Event("display %s opened: mode \"%s\" %ux%u", opened->Describe().c_str(),
          opened->modeName.c_str(), static_cast<unsigned>(width), static_cast<unsigned>(height));
    CallsOf(mfd).recallStatus(mfd);
    return true;
}

bool CloseDisplay(Vessel *v, int position, std::string *error) {
    MFDHost *d = Reach(v, position, error);
    if (!d)
        return false;
    Shut(d);
    return true;
}

void CloseDisplaysOf(Vessel *v) {
    auto &all = OpenDisplays();
    for (size_t i = 0; i < all.size();) {
        if (all[i]->vessel == v)
            Shut(all[i].get());
        else
            ++i;
    }
}

void CloseAllDisplays() {
    while (!OpenDisplays().empty())
        Shut(OpenDisplays().back().get());
    CancelOpenInputBoxAtRunEnd();
}

bool SendKey(Vessel *v, int position, DWORD key, bool *consumed, std::string *error) {
    MFDHost *d = Reach(v, position, error);
    if (!d)
        return false;
    std::string name = d->Describe();
    // Typing goes to the open input box; the displays hear nothing of it.
    if (InputBoxOpen()) {
        Event("key 0x%02X on display %s: taken by input box %s", static_cast<unsigned>(key),
              name.c_str(), QuoteText(InputBoxTitle()).c_str());
        if (consumed)
            *consumed = false;
        return true;
    }
    Event("key 0x%02X on display %s", static_cast<unsigned>(key), name.c_str());
    bool used = CallsOf(d->display).consumeKeyBuffered(d->display, key);
    Event("key 0x%02X on display %s: %s", static_cast<unsigned>(key), name.c_str(),
          used ? "consumed" : "not consumed");
    if (consumed)
        *consumed = used;
    return true;
}

bool SendButton(Vessel *v, int position, int button, int event, bool *consumed,
                std::string *error) {
    MFDHost *d = Reach(v, position, error);
    if (!d)
        return false;
    std::string name = d->Describe();
    Event("button %d event 0x%02X on display %s", button, static_cast<unsigned>(event),
          name.c_str());
    bool used = CallsOf(d->display).consumeButton(d->display, button, event);
    Event("button %d event 0x%02X on display %s: %s", button, static_cast<unsigned>(event),
          name.c_str(), used ? "consumed" : "not consumed");
    if (consumed)
        *consumed = used;
    return true;
}

bool ListButtons(Vessel *v, int position, std::vector<ButtonInfo> *buttons, std::string *error) {
    MFDHost *d = Reach(v, position, error);
    if (!d)
        return false;
    const DisplayCalls &calls = CallsOf(d->display);
    const MFDBUTTONMENU *menu = nullptr;
    int entries = calls.buttonMenu(d->display, &menu);
    buttons->clear();
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonInfo info{i, CopyText(calls.buttonLabel(d->display, i)), std::string(), 0};
        if (menu && i < entries) {
            info.menuText = CopyText(menu[i].line1);
            info.key = menu[i].selchar;
        }
        buttons->push_back(info);
    }
    return true;
}

bool DrawPage(Vessel *v, int position, Page *page, std::string *error) {
    MFDHost *d = Reach(v, position, error);
    if (!d)
        return false;
    Draw(*d, page);
    page->vesselName = v->name;
    page->position = position;
    page->width = d->width;
    page->height = d->height;
    return true;
}

void RefreshDisplays() {
    CloseDisplaysOfDeadVessels();
    const double now = World().simTime;
    std::vector<MFDHost *> due;
    for (const auto &d : OpenDisplays())
        if (d->display && (d->drawDue || now - d->lastDrawn >= kRefreshInterval - kRefreshSlack))
            due.push_back(d.get());
    for (MFDHost *d : due) {
        if (!StillOpen(d)) // closed while another display drew
            continue;
        // Cleared first: a request made while drawing asks for the next step.
        d->drawDue = false;
        d->lastDrawn = now;
        Draw(*d, nullptr);
    }
}

MFD *DisplayObject(Vessel *v, int position) {
    MFDHost *d = Find(v, position);
    return d ? d->display : nullptr;
}

int RedrawRequests(Vessel *v, int position) {
    MFDHost *d = Find(v, position);
    return d ? d->redrawRequests : 0;
}

} // namespace host
