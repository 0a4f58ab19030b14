# The module with Microsoft's C++ ABI for 64-bit Windows: clang in MSVC mode,
# lld-link, Wine's C runtime headers and import libraries.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET x86_64-pc-windows-msvc)
set(CMAKE_LINKER lld-link)
# Nothing links here but the module itself, against libraries named explicitly.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_CXX_STANDARD_LIBRARIES "" CACHE STRING "" FORCE)
set(TARSEL_ARCH x64)
set(TARSEL_IMPORT_LIBRARY_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(TARSEL_DLLTOOL_MACHINE i386:x86-64)
set(TARSEL_ENTRY DllMain)
# Functions Wine's winnt.h defines that clang knows as builtins.
set(TARSEL_WINE_BUILTINS _InterlockedCompareExchange128)
