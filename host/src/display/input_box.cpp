// The simulator's one text input box.
#include "display/displays.h"
#include "display/page_listing.h"

#include "world/transcript.h"

#include <algorithm>
#include <vector>

namespace host {
namespace {

// Room the callback may write into, as the simulator's own edit buffer.
constexpr size_t kMinAnswerBuffer = 256;

struct InputBox {
    bool open = false;
    std::string title;
    bool (*callback)(void *, char *, void *) = nullptr;
    void *userData = nullptr;
    unsigned serial = 0;    // tells a box apart from one that took its place
    bool answering = false; // its callback runs: a box it opens takes its place unannounced
};

InputBox &Box() {
    static InputBox box;
    return box;
}

const char *Quoted(const std::string &text, std::string *holder) {
    *holder = QuoteText(text);
    return holder->c_str();
}

} // namespace

bool InputBoxOpen() {
    return Box().open;
}

std::string InputBoxTitle() {
    return Box().open ? Box().title : std::string();
}

bool AnswerInputBox(const std::string &text, std::string *error) {
    InputBox &box = Box();
    if (!box.open) {
        if (error)
            *error = "no input box is open";
        return false;
    }
    std::vector<char> buffer(std::max(kMinAnswerBuffer, text.size() + 1), '\0');
    std::copy(text.begin(), text.end(), buffer.begin());
    box.answering = true;
    InputBox answered = box;
    bool accepted = answered.callback(&box, buffer.data(), answered.userData);
    std::string t, a;
    Event("input box %s answered %s: %s", Quoted(answered.title, &t), Quoted(text, &a),
          accepted ? "accepted" : "rejected, box stays open");
    // A callback may have opened a new box in place of this one.
    if (box.serial == answered.serial) {
        box.answering = false;
        box.open = !accepted;
    }
    return true;
}

bool CancelInputBox(std::string *error) {
    InputBox &box = Box();
    if (!box.open) {
        if (error)
            *error = "no input box is open";
        return false;
    }
    box.open = false;
    box.answering = false;
    ++box.serial; // a callback that cancels its own box leaves it closed
    std::string t;
    Event("input box %s cancelled", Quoted(box.title, &t));
    return true;
}

void CancelOpenInputBoxAtRunEnd() {
    if (Box().open)
        CancelInputBox(nullptr);
}

} // namespace host

// The initial text and visible width only shape the simulator's dialog,
// which this host does not show. There is one box: a new one closes the open
// one without calling its callback.
void oapiOpenInputBox(char *title, bool (*Clbk)(void *, char *, void *), char *, int,
                      void *usrdata) {
    host::InputBox &box = host::Box();
    std::string t;
    std::string name = title ? title : "";
    if (!Clbk) {
        host::Event("input box %s not opened: no callback", host::Quoted(name, &t));
        return;
    }
    if (box.open && !box.answering)
        host::Event("input box %s closed", host::QuoteText(box.title).c_str());
    box.open = true;
    box.title = name;
    box.callback = Clbk;
    box.userData = usrdata;
    box.answering = false;
    ++box.serial;
    host::Event("input box %s opened", host::Quoted(name, &t));
}
