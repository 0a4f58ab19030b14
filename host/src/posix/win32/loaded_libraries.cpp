// GetModuleHandleA and GetProcAddress over the dynamic loader: a library is
// found only when it is already loaded in the process; nothing is ever loaded.
#include "Orbitersdk.h"
#include "platform/text_case.h"

#include <cctype>
#include <dlfcn.h>
#include <link.h>
#include <string>

namespace {

std::string BaseName(const std::string &path) {
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file name that a Windows library name stands for here: "X.dll" and
// "X" become "X.so"; a name with another extension stays as it is.
std::string SharedObjectName(const char *moduleName) {
    std::string name = host::FoldCase(BaseName(moduleName));
    const std::string dll = ".dll";
    if (name.size() > dll.size() && name.compare(name.size() - dll.size(), dll.size(), dll) == 0)
        return name.substr(0, name.size() - dll.size()) + ".so";
    if (name.find('.') == std::string::npos)
        return name + ".so";
    return name;
}

struct Search {
    std::string wanted; // lower-case file name
    std::string path;   // the loaded object's path, when found
};

int VisitLoadedObject(struct dl_phdr_info *info, size_t, void *data) {
    auto *search = static_cast<Search *>(data);
    if (!info->dlpi_name || !*info->dlpi_name)
        return 0;
    if (host::FoldCase(BaseName(info->dlpi_name)) != search->wanted)
        return 0;
    search->path = info->dlpi_name;
    return 1;
}

} // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    void *h = nullptr;
    if (!lpModuleName) {
        h = dlopen(nullptr, RTLD_LAZY); // as on Windows, no name stands for the program
    } else {
        Search search{SharedObjectName(lpModuleName), {}};
        if (dl_iterate_phdr(VisitLoadedObject, &search) == 0)
            return nullptr;
        h = dlopen(search.path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    }
    // The handle stays valid while the library is loaded; holding no reference
    // of our own keeps an unload by its owner effective.
    if (h)
        dlclose(h);
    return h;
}

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (!hModule || !lpProcName)
        return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(hModule, lpProcName));
}
