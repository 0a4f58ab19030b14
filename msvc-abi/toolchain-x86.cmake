# The module with Microsoft's C++ ABI for 32-bit Windows: clang in MSVC mode,
# lld-link, Wine's C runtime headers and MinGW's import libraries (the same
# names; lld-link reads them).
set(CMAKE_SYSTEM_PROCESSOR X86)
set(TARSEL_TARGET i686-pc-windows-msvc)
set(TARSEL_ARCH x86)
set(TARSEL_IMPORT_LIBRARY_DIR /usr/i686-w64-mingw32/lib)
set(TARSEL_DLLTOOL_MACHINE i386)
# __stdcall decoration of DllMain(HINSTANCE, DWORD, LPVOID).
set(TARSEL_ENTRY DllMain@12)
set(TARSEL_WINE_BUILTINS
    _InterlockedCompareExchange128 _InterlockedAnd64 _InterlockedCompareExchangePointer
    _InterlockedDecrement64 _InterlockedExchangeAdd64 _InterlockedExchangePointer
    _InterlockedIncrement64 _InterlockedOr64 _InterlockedXor64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-common.cmake)
