# What the x64 and x86 toolchain files share: clang in MSVC mode for
# TARSEL_TARGET, lld-link, and nothing linked but the module itself, against
# libraries named explicitly.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${TARSEL_TARGET})
set(CMAKE_LINKER lld-link)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_CXX_STANDARD_LIBRARIES "" CACHE STRING "" FORCE)
