// Transcript output: time-stamped events and plain PRINT lines.
#include "world/transcript.h"

#include "world/world.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <string_view>
#include <vector>

namespace host {

namespace {

bool quietOutput = false;
std::ostream *output = nullptr;

std::ostream &Out() {
    return output ? *output : std::cout;
}

// The time as "%8.3f" writes it with glibc: exactly rounded, ties to even
// (0.3125 is "0.312"), on every platform; the Windows C runtime would round
// such ties away from zero.
void WriteTimeStamp(std::ostream &out, double time) {
    char digits[330]; // room for the largest double with three decimals
    const char *end =
        std::to_chars(digits, digits + sizeof digits, time, std::chars_format::fixed, 3).ptr;
    out << '[' << std::setw(8) << std::string_view(digits, size_t(end - digits)) << "] ";
}

} // namespace

void Event(const char *fmt, ...) {
    if (quietOutput)
        return;
    va_list args;
    va_start(args, fmt);
    va_list measure;
    va_copy(measure, args);
    int len = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    std::vector<char> text(len > 0 ? len + 1 : 1, '\0');
    if (len > 0)
        std::vsnprintf(text.data(), text.size(), fmt, args);
    va_end(args);
    WriteTimeStamp(Out(), World().simTime);
    Out() << text.data() << '\n';
}

void Print(const std::string &line) {
    Out() << line << '\n';
}

void SetQuiet(bool quiet) {
    quietOutput = quiet;
}

void SetOutput(std::ostream *out) {
    output = out;
}

} // namespace host

extern "C" void HostTranscriptEvent(const char *text) {
    if (text)
        host::Event("%s", text);
}
