#include "world/module_logs.h"

#include "world/transcript.h"

#include <cstdio>
#include <string>

namespace host {

namespace {

struct WatchedLog {
    const char *file;
    long reported; // bytes already in the transcript
};

WatchedLog logs[] = {{"OrbiterSound_Log.txt", 0}};

long FileSize(const char *file) {
    std::FILE *f = std::fopen(file, "rb");
    if (!f)
        return 0;
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::fclose(f);
    return size < 0 ? 0 : size;
}

void ReportNewLines(WatchedLog &log) {
    std::FILE *f = std::fopen(log.file, "rb");
    if (!f) {
        log.reported = 0;
        return;
    }
    std::fseek(f, 0, SEEK_END);
    if (std::ftell(f) < log.reported)
        log.reported = 0; // the file was made anew
    std::fseek(f, log.reported, SEEK_SET);
    std::string line;
    long lineStart = log.reported;
    for (int c; (c = std::fgetc(f)) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            Event("log %s: %s", log.file, line.c_str());
        line.clear();
        lineStart = std::ftell(f);
    }
    // A line still being written is reported once it is complete.
    log.reported = lineStart;
    std::fclose(f);
}

} // namespace

void WatchModuleLogs() {
    for (WatchedLog &log : logs)
        log.reported = FileSize(log.file);
}

void ReportModuleLogs() {
    for (WatchedLog &log : logs)
        ReportNewLines(log);
}

} // namespace host
