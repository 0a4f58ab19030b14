// The twelve buttons, their keys and menu, and what each key does.
#include "mfd/drive_mfd.h"
#include "mfd/input_boxes.h"
#include "sound/answer_sound.h"

namespace {

constexpr int kButtonCount = 12;
constexpr int32_t kModeCount = 10;

struct Button {
    const char *label;
    DWORD key;
};

const Button kButtons[kButtonCount] = {
    {"JMP", OAPI_KEY_J}, {"FUE", OAPI_KEY_F}, {"CHG", OAPI_KEY_C}, {"TGT", OAPI_KEY_T},
    {"MOD", OAPI_KEY_M}, {"<>", OAPI_KEY_U},  {"ALL", OAPI_KEY_A}, {"INC", OAPI_KEY_I},
    {"DEC", OAPI_KEY_D}, {"PRV", OAPI_KEY_P}, {"NXT", OAPI_KEY_N}, {"SET", OAPI_KEY_S},
};

const MFDBUTTONMENU kMenu[kButtonCount] = {
    {"Engage jump", nullptr, 'J'},         {"Select fuel index", nullptr, 'F'},
    {"Charge up cell", nullptr, 'C'},      {"Select target", nullptr, 'T'},
    {"Change display mode", nullptr, 'M'}, {"Set to current", nullptr, 'U'},
    {"Fleet jump command", nullptr, 'A'},  {"Increase index", nullptr, 'I'},
    {"Decrease index", nullptr, 'D'},      {"Previous target", nullptr, 'P'},
    {"Next target", nullptr, 'N'},         {"Select distance", nullptr, 'S'},
};

bool IsCommandKey(DWORD key) {
    for (const Button &button : kButtons)
        if (button.key == key)
            return true;
    return false;
}

// A vessel that is gone has no tanks to step over.
DWORD TankCount(const DriveUnit *drive, const VESSEL *vessel) {
    return drive->VesselAlive() ? vessel->GetPropellantCount() : 0;
}

} // namespace

bool DriveMFD::ConsumeButton(int bt, int event) {
    if (!(event & PANEL_MOUSE_LBDOWN) || bt < 0 || bt >= kButtonCount)
        return false;
    return ConsumeKeyBuffered(kButtons[bt].key);
}

char *DriveMFD::ButtonLabel(int bt) {
    if (bt < 0 || bt >= kButtonCount)
        return nullptr;
    return const_cast<char *>(kButtons[bt].label);
}

int DriveMFD::ButtonMenu(const MFDBUTTONMENU **menu) const {
    if (menu)
        *menu = kMenu;
    return kButtonCount;
}

bool DriveMFD::ConsumeKeyBuffered(DWORD key) {
    if (!drive || !state) {
        const bool command = IsCommandKey(key);
        if (command)
            PlayAnswer(soundId, false);
        return command;
    }
    switch (key) {
    case OAPI_KEY_J:
        PlayAnswer(soundId, drive->Engage());
        break;
    case OAPI_KEY_C:
        PlayAnswer(soundId, drive->StartCharge());
        break;
    case OAPI_KEY_A:
        FleetJump(vessel, drive, soundId);
        break;
    case OAPI_KEY_T:
        PlayAnswer(soundId, true);
        OpenTargetBox(state);
        break;
    case OAPI_KEY_F:
        PlayAnswer(soundId, true);
        OpenFuelBox(state);
        break;
    case OAPI_KEY_S:
        PlayAnswer(soundId, true);
        OpenDistanceBox(state);
        break;
    case OAPI_KEY_M:
        PlayAnswer(soundId, true);
        state->displayMode = state->displayMode + 1 >= kModeCount ? 0 : state->displayMode + 1;
        break;
    case OAPI_KEY_U:
        PlayAnswer(soundId, true);
        state->setToCurrent = true;
        state->displayMode = 2; // "Target distance", where the capture shows
        break;
    case OAPI_KEY_N:
        PlayAnswer(soundId, true);
        state->targetIndex =
            state->targetIndex + 1 >= oapiGetObjectCount() ? 0 : state->targetIndex + 1;
        break;
    case OAPI_KEY_P:
        PlayAnswer(soundId, true);
        state->targetIndex =
            state->targetIndex != 0 ? state->targetIndex - 1 : oapiGetObjectCount() - 1;
        break;
    case OAPI_KEY_I: {
        PlayAnswer(soundId, true);
        uint32_t index = drive->GetFuelIndex() + 1;
        drive->SetFuelIndex(index > TankCount(drive, vessel) ? 0 : index);
        break;
    }
    case OAPI_KEY_D: {
        PlayAnswer(soundId, true);
        int64_t index = static_cast<int32_t>(drive->GetFuelIndex()) - int64_t{1};
        drive->SetFuelIndex(index < 0 ? TankCount(drive, vessel) : static_cast<uint32_t>(index));
        break;
    }
    default:
        return false;
    }
    InvalidateDisplay();
    return true;
}
