// The library's entry routine: hands the library's own handle to the
// simulator when loaded, and calls the module's exit function when unloaded.
// Only the shared plug-in has it; on Windows against the real SDK, the SDK's
// static library brings its own (see module_exports.h).
#ifndef _WIN32
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>
#include <link.h>
#endif

#include "module/host_glue.h"
#include "module/module_exports.h"

#ifdef TARSEL_HAS_OWN_LIBRARY_ENTRY

namespace {

typedef void (*ExitFunction)(HINSTANCE);

HINSTANCE libraryHandle = nullptr;
ExitFunction exitFunction = nullptr;

ExitFunction FindExitFunction(HINSTANCE library) {
    FARPROC found = GetProcAddress(static_cast<HMODULE>(library), "ExitModule");
    if (!found) {
        found = GetProcAddress(static_cast<HMODULE>(library), "opcDLLExit");
    }
    // Through the generic function pointer type, as casts between unrelated
    // function types are not portable.
    return reinterpret_cast<ExitFunction>(reinterpret_cast<void (*)()>(found));
}

void AttachLibrary(HINSTANCE library) {
    libraryHandle = library;
    InitLib(library);
    exitFunction = FindExitFunction(library);
}

void DetachLibrary() {
    if (exitFunction) {
        exitFunction(libraryHandle);
    }
}

} // namespace

#ifdef _WIN32
BOOL WINAPI DllMain(HINSTANCE hModule, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        AttachLibrary(hModule);
    } else if (reason == DLL_PROCESS_DETACH) {
        DetachLibrary();
    }
    return TRUE;
}
#else
namespace {

// With glibc the link map of a loaded object is the handle dlopen gave for
// it; dladdr1 finds it without taking a reference, so dlclose still unloads.
HINSTANCE OwnHandle() {
    Dl_info info;
    struct link_map *map = nullptr;
    if (!dladdr1(reinterpret_cast<void *>(&AttachLibrary), &info, reinterpret_cast<void **>(&map),
                 RTLD_DL_LINKMAP)) {
        return nullptr;
    }
    return map;
}

__attribute__((constructor)) void OnLibraryLoad() {
    if (HINSTANCE own = OwnHandle()) {
        AttachLibrary(own);
    }
}

__attribute__((destructor)) void OnLibraryUnload() {
    DetachLibrary();
}

} // namespace
#endif

#endif
