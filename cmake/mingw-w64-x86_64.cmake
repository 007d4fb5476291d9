# Builds for 64-bit Windows with Debian's mingw-w64 cross compiler
# (g++-mingw-w64-x86-64), the POSIX threads variant, whose standard library
# has every part of C++20 the stroke document and the checker use:
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
#
# gives orvik-stroke-check.exe and the tests as .exe files, each linked
# statically (no DLL beside it). The window is not built: Qt for Windows is
# not part of this build. Where wine is installed, ctest runs the tests with it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVIK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVIK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVIK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVIK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libstdc++, libgcc, winpthread) inside each .exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(ORVIK_WINE wine)
if(ORVIK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVIK_WINE})
endif()
