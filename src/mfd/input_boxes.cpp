#include "mfd/input_boxes.h"

#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"
#include "module/base/number_text.h"
#include "sound/answer_sound.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kVisibleWidth = 20;

// What the open box acts on. The simulator shows one box at a time, so one
// record serves; it outlives every state, and a state that goes while its
// box is open is taken out of it.
struct BoxTarget {
    MFDState *state = nullptr;
};
BoxTarget openBox;

void Open(const char *title, bool (*callback)(void *, char *, void *), MFDState *state) {
    openBox.state = state;
    oapiOpenInputBox(const_cast<char *>(title), callback, nullptr, kVisibleWidth, &openBox);
}

// The state the box was opened for; null once that state is gone.
MFDState *TargetOf(void *usrdata) {
    return usrdata ? static_cast<BoxTarget *>(usrdata)->state : nullptr;
}

void RequestRedraw(MFDState *state) {
    if (state->display)
        state->display->InvalidateDisplay();
}

// A rejected entry changes nothing but is answered, as a refused command is.
bool Refuse(const MFDState *state) {
    PlayAnswer(state->soundId, false);
    return false;
}

} // namespace

void ForgetBoxTarget(const MFDState *state) {
    if (openBox.state == state)
        openBox.state = nullptr;
}

void OpenTargetBox(MFDState *state) {
    Open("Enter target name:", TargetInputCallback, state);
}

void OpenFuelBox(MFDState *state) {
    Open("Enter fuel source index (0=off):", FuelInputCallback, state);
}

void OpenDistanceBox(MFDState *state) {
    Open("Enter Distance[m](,Cell count):", DistanceInputCallback, state);
}

bool TargetInputCallback(void *, char *text, void *usrdata) {
    MFDState *state = TargetOf(usrdata);
    if (!state)
        return false;
    OBJHANDLE target = text && text[0] ? oapiGetObjectByName(text) : nullptr;
    if (!target)
        return Refuse(state);
    DWORD count = oapiGetObjectCount();
    uint32_t i = 0;
    while (i < count && oapiGetObjectByIndex(static_cast<int>(i)) != target)
        ++i;
    state->targetIndex = i;
    RequestRedraw(state);
    return true;
}

// 0 selects no tank (the all-ones index), n the n-th tank; a number past the
// vessel's tanks, however large, selects none either.
bool FuelInputCallback(void *, char *text, void *usrdata) {
    MFDState *state = TargetOf(usrdata);
    if (!state)
        return false;
    const int n = text && text[0] ? SaturatingAtoi(text) : -1;
    if (n < 0)
        return Refuse(state);
    state->drive->SetFuelIndex(static_cast<uint32_t>(n) - 1u);
    return true;
}

// "distance" or "distance,cells" or ",cells". A valid cell count stays in
// force even when the distance before it is then rejected.
bool DistanceInputCallback(void *, char *text, void *usrdata) {
    MFDState *state = TargetOf(usrdata);
    if (!state)
        return false;
    if (!text || !text[0])
        return Refuse(state);
    if (char *comma = std::strchr(text, ',')) {
        int cells = SaturatingAtoi(comma + 1);
        if (cells < 1 || cells > DriveSettings.Capacitors)
            return Refuse(state);
        state->secondJumpCells = cells;
        *comma = '\0';
    }
    if (text[0]) {
        // "inf", "nan" and "1e999" are no distance either.
        double d = ReadNumber(text);
        if (!std::isfinite(d) || d < 0.0)
            return Refuse(state);
        state->distance = d + 0.0; // no "-0" on the page
    }
    RequestRedraw(state);
    return true;
}
