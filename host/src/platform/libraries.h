// Loading the module and the sound library as the simulator loads them: on
// Windows LoadLibraryA, GetProcAddress and FreeLibrary, here the dynamic
// loader. This and run/simulation.cpp are the only places that load a
// module or look into one.
#ifndef HOST_LIBRARIES_H
#define HOST_LIBRARIES_H

#include <string>

namespace host {

// The file name ending of a library on this system: ".so" or ".dll".
extern const char *const kLibrarySuffix;

// Loads the library at path (as host::SystemPath opens it); null with the
// loader's reason when it cannot be loaded. On Windows the drawing calls the
// library makes through GDI are recorded from then on (platform/drawing_surface.h).
void *OpenLibrary(const std::string &path, std::string *error);
// The library's export of that name, or null.
void *LibrarySymbol(void *library, const char *name);
void CloseLibrary(void *library);

} // namespace host

#endif
