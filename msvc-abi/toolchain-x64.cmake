# The module with Microsoft's C++ ABI for 64-bit Windows: clang in MSVC mode,
# lld-link, Wine's C runtime headers and import libraries.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TARSEL_TARGET x86_64-pc-windows-msvc)
set(TARSEL_ARCH x64)
set(TARSEL_IMPORT_LIBRARY_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(TARSEL_DLLTOOL_MACHINE i386:x86-64)
set(TARSEL_ENTRY DllMain)
# Functions Wine's winnt.h defines that clang knows as builtins.
set(TARSEL_WINE_BUILTINS _InterlockedCompareExchange128)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
