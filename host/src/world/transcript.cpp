// Transcript output: time-stamped events and plain PRINT lines.
#include "world/transcript.h"

#include "world/world.h"

#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <vector>

namespace host {

namespace {

bool quietOutput = false;
std::ostream *output = nullptr;

std::ostream &Out() {
    return output ? *output : std::cout;
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
    char prefix[64];
    std::snprintf(prefix, sizeof prefix, "[%8.3f] ", World().simTime);
    Out() << prefix << text.data() << '\n';
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
