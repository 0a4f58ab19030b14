// Libraries through the dynamic loader; every library keeps its own symbols.
#include "platform/libraries.h"
#include "platform/host_paths.h"

#include <dlfcn.h>

namespace host {

const char *const kLibrarySuffix = ".so";

void *OpenLibrary(const std::string &path, std::string *error) {
    void *library = dlopen(SystemPath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library && error) {
        const char *text = dlerror();
        *error = text ? text : "unknown loader error";
    }
    return library;
}

void *LibrarySymbol(void *library, const char *name) {
    return dlsym(library, name);
}

void CloseLibrary(void *library) {
    dlclose(library);
}

} // namespace host
