// The Windows host: runs that repeat, output bytes as written, no error
// dialogs, and the program's own drawing (the display base class's title)
// recorded as a loaded module's is.
#include "platform/platform_setup.h"

#include "platform/repeatable_runs.h"
#include "windows/draw_recording.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace host {

void PreparePlatform() {
    MakeRunsRepeatable();
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    RecordDrawingOf(GetModuleHandleA(nullptr));
}

} // namespace host
