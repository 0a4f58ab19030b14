// Text formatting by the Universal C Runtime (ucrtbase.dll), which the
// simulator's modules are built against, for the Windows build made with
// MinGW-w64. MinGW's own printf writes pointers in lower case ("%p" of
// 0x2000000000C0 gives "00002000000000c0"); the simulator's runtime writes
// "00002000000000C0", and the module keys its drives by that text. The
// snprintf family of C++ programs built with MinGW-w64 formats through
// __mingw_vsnprintf: linked before MinGW's runtime, this one takes its place.
#include <cstdarg>
#include <cstddef>
#include <cstdint>

// The runtimes' own names, reserved for them.
// NOLINTBEGIN(bugprone-reserved-identifier)
extern "C" {

__declspec(dllimport) int __cdecl __stdio_common_vsprintf(uint64_t options, char *buffer,
                                                          size_t count, const char *format,
                                                          void *locale, va_list arguments);

// C99's snprintf: the length the whole text needs, the buffer always ended.
constexpr uint64_t kStandardSnprintfBehaviour = 0x2;

int __cdecl __mingw_vsnprintf(char *buffer, size_t count, const char *format, va_list arguments) {
    return __stdio_common_vsprintf(kStandardSnprintfBehaviour, buffer, count, format, nullptr,
                                   arguments);
}

} // extern "C"
// NOLINTEND(bugprone-reserved-identifier)
