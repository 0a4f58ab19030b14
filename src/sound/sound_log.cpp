// The sound bridge's log: why the module stays silent.
#include "sound/sound_bridge.h"

#include "module/base/host_path.h"

#include <cstdio>

namespace {

const char kLogPath[] = "OrbiterSound_Log.txt";
// At most 101 entries while the module is loaded; a new run does not reset it.
int logEntries = 0;

} // namespace

void WriteSoundLog(const char *first, const char *second) {
    if (logEntries > 100)
        return;
    FILE *file = OpenHostFile(kLogPath, "r+t");
    if (!file) {
        file = OpenHostFile(kLogPath, "w+t");
        if (!file)
            return;
        std::fputs("Orbiter Sound Log Started\n*****************************\n\n", file);
    }
    std::fclose(file);
    file = OpenHostFile(kLogPath, "a+t");
    if (!file)
        return;
    std::fprintf(file, "%s\n", "--------------------------------------");
    if (first)
        std::fprintf(file, "%s\n", first);
    if (second)
        std::fprintf(file, "%s\n", second);
    ++logEntries;
    std::fclose(file);
}
