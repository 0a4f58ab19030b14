// The library's entry routine, which hands the library's own handle to the
// simulator when loaded and calls the module's exit function when unloaded,
// and GetModuleVersion. Against the genuine SDK on Windows, the SDK's static
// library brings both; every build that brings its own instead (the plug-in
// the host loads, the project's DLLs) defines TARSEL_OWN_LIBRARY_ENTRY. The
// module's one source with platform branches.
#ifdef TARSEL_OWN_LIBRARY_ENTRY

#ifndef _WIN32
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>
#include <link.h>
#endif

#include "Orbitersdk.h"

// The simulator's library glue. The SDK does not declare these two in its
// headers; every module declares them where it uses them.
// Hands the loaded library's instance to the simulator, which then calls InitModule.
OAPIFUNC void InitLib(HINSTANCE hModule);
// A __DATE__ text such as "Apr 25 2006" to yy * 10000 + mm * 100 + dd.
OAPIFUNC int Date2Int(char *date);

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

DLLCLBK int GetModuleVersion(void) {
    static int version = 0;
    if (version == 0) {
        char buildDate[] = "Apr 25 2006";
        version = Date2Int(buildDate);
    }
    return version;
}

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
