// Libraries as the simulator loads them; the drawing of each is recorded.
#include "platform/libraries.h"

#include "platform/host_paths.h"
#include "windows/draw_recording.h"

namespace host {
namespace {

std::string SystemMessage(DWORD code) {
    char text[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == ' '))
        text[--length] = '\0';
    return length ? std::string(text) : "error " + std::to_string(code);
}

} // namespace

const char *const kLibrarySuffix = ".dll";

void *OpenLibrary(const std::string &path, std::string *error) {
    HMODULE library = LoadLibraryA(SystemPath(path).string().c_str());
    if (!library) {
        if (error)
            *error = path + ": " + SystemMessage(GetLastError());
        return nullptr;
    }
    RecordDrawingOf(library);
    return library;
}

void *LibrarySymbol(void *library, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void *library) {
    FreeLibrary(static_cast<HMODULE>(library));
}

} // namespace host
