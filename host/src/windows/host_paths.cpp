// Under Wine the host takes and writes Linux paths, as tarsel-sim does, and
// opens them through the DOS names Wine gives them (kernel32's
// wine_get_dos_file_name and wine_get_unix_file_name, which only Wine has).
// On Windows itself paths are Windows paths throughout.
#include "platform/host_paths.h"

#include <windows.h>

namespace host {
namespace {

typedef WCHAR *(CDECL *DosNameFunction)(const char *unixName);
typedef char *(CDECL *UnixNameFunction)(const WCHAR *dosName);

template <typename F> F WineFunction(const char *name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// The current folder as tarsel-sim would write it.
std::filesystem::path CurrentFolder() {
    std::error_code ignored;
    std::filesystem::path here = std::filesystem::current_path(ignored);
    static const auto unixName = WineFunction<UnixNameFunction>("wine_get_unix_file_name");
    char *name = unixName ? unixName(here.c_str()) : nullptr;
    if (!name)
        return here;
    std::filesystem::path folder(name);
    HeapFree(GetProcessHeap(), 0, name);
    return folder;
}

bool FromRoot(const std::string &path) {
    return !path.empty() && (path[0] == '/' || path[0] == '\\');
}

} // namespace

std::string AbsolutePath(const std::string &path) {
    std::filesystem::path absolute(path);
    if (!absolute.is_absolute() && !FromRoot(path))
        absolute = CurrentFolder() / absolute;
    return absolute.lexically_normal().generic_string();
}

std::filesystem::path SystemPath(const std::string &path) {
    static const auto dosName = WineFunction<DosNameFunction>("wine_get_dos_file_name");
    WCHAR *name = dosName && path.size() > 0 && path[0] == '/' ? dosName(path.c_str()) : nullptr;
    if (!name)
        return std::filesystem::path(path);
    std::filesystem::path system(name);
    HeapFree(GetProcessHeap(), 0, name);
    return system;
}

} // namespace host
