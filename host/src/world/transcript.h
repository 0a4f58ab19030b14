// The host's output: event transcript lines prefixed with the simulation
// time, and PRINT lines without prefix.
#ifndef HOST_TRANSCRIPT_H
#define HOST_TRANSCRIPT_H

#include "OrbiterAPI.h"

#include <iosfwd>
#include <string>

namespace host {

// Writes "[%8.3f] " + the formatted text + newline, unless quiet.
void Event(const char *fmt, ...) __attribute__((format(printf, 1, 2)));
// Writes the line as it stands (PRINT output); never suppressed.
void Print(const std::string &line);
void SetQuiet(bool quiet);
// Redirects all output (tests); null restores standard output.
void SetOutput(std::ostream *out);

} // namespace host

// For the stand-in sound library, which reports its calls to the program that
// loaded it: exported by the program, found by name.
DLLCLBK void HostTranscriptEvent(const char *text);

#endif
