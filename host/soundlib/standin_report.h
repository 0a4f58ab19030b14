// How a stand-in sound library reports its calls: one transcript line each,
// through "HostTranscriptEvent" of whichever program loaded it (tarsel-sim
// or a test program), found by name so that the library links to nothing of
// the host. Header-only: each library is built on its own, and the XRSound
// stand-in also by clang in Microsoft's mode.
#ifndef HOST_SOUNDLIB_STANDIN_REPORT_H
#define HOST_SOUNDLIB_STANDIN_REPORT_H

#include "OrbiterAPI.h"

#include <cstdarg>
#include <cstdio>

namespace {

#ifdef __GNUC__
__attribute__((format(printf, 1, 2)))
#endif
void Report(const char *fmt, ...) {
    char line[512];
    va_list args;
    va_start(args, fmt);
    // The analyzer misses the va_start just above.
    std::vsnprintf(line, sizeof line, fmt, args); // NOLINT(clang-analyzer-valist.Uninitialized)
    va_end(args);
    // Looked up once; a plain static, as no start-up code may run for it.
    typedef void (*ReportFunction)(const char *);
    static ReportFunction report = nullptr;
    static bool lookedUp = false;
    if (!lookedUp) {
        report = reinterpret_cast<ReportFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA(nullptr), "HostTranscriptEvent")));
        lookedUp = true;
    }
    if (report)
        report(line);
}

} // namespace

#endif
