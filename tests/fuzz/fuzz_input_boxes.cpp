// Any texts for the three input boxes. Each line of the input is one answer:
// its first byte picks the box (fuel, target, distance, by its value modulo
// 3), the rest is the text, cut at a NUL as a C string is. After every answer
// the page is drawn; the display state keeps its guarantees, and an answer
// the box refuses changes nothing but, for the distance box, a valid cell count.
#include "fuzz_module.h"

#include "mfd/drive_mfd.h"
#include "module/base/module_state.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace {

// What a refused answer must leave as it was (the distance's sign too).
auto Take(const DriveMFD &display) {
    const double distance = display.state->distance;
    return std::make_tuple(display.drive->GetFuelIndex(), display.state->targetIndex, distance,
                           std::signbit(distance));
}

void Answer(Vessel *scout, const DriveMFD &display, uint8_t box, const std::string &text) {
    static const DWORD kBoxKeys[3] = {OAPI_KEY_F, OAPI_KEY_T, OAPI_KEY_S};
    bool consumed = false;
    std::string error;
    host::CancelInputBox(&error);
    host::SendKey(scout, 0, kBoxKeys[box % 3], &consumed, &error);
    fuzz::Require(host::InputBoxOpen(), "the key opens its box");
    const auto before = Take(display);
    fuzz::Require(host::AnswerInputBox(text, &error), "the box takes an answer");
    const bool accepted = !host::InputBoxOpen();
    const MFDState &state = *display.state;
    fuzz::Require(std::isfinite(state.distance) && !std::signbit(state.distance),
                  "the distance set is a finite number, not negative");
    fuzz::Require(state.secondJumpCells >= 1 && state.secondJumpCells <= DriveSettings.Capacitors,
                  "the second jump's cells are a cell count");
    fuzz::Require(accepted || before == Take(display), "a refused answer changes nothing");
    host::Page page;
    fuzz::Require(host::DrawPage(scout, 0, &page, &error), "the page draws");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::StartInput();
    host::AttachModule(ModuleEntry());
    host::BeginRun();
    Vessel *scout = fuzz::OpenScout();
    fuzz::Require(scout != nullptr, "the display opens");
    const DriveMFD &display = *static_cast<DriveMFD *>(host::DisplayObject(scout, 0));
    const char *at = reinterpret_cast<const char *>(data);
    const char *end = at + size;
    for (int answers = 0; at < end && answers < 16; ++answers) {
        const char *line = at;
        const char *newline = static_cast<const char *>(std::memchr(at, '\n', end - at));
        at = newline ? newline + 1 : end;
        const size_t length = (newline ? newline : end) - line;
        if (length == 0)
            continue;
        const std::string text(line + 1, length - 1);
        Answer(scout, display, static_cast<uint8_t>(line[0]), text.substr(0, text.find('\0')));
    }
    host::EndRun();
    host::UnloadModule();
    return 0;
}
