# Builds for 64-bit Windows with Debian's mingw-w64 cross compiler
# (g++-mingw-w64-x86-64), the POSIX threads variant, whose standard library
# has every part of C++20 the project uses:
#
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake
#
# gives orvik-stroke-check.exe and the tests as .exe files, each linked
# statically (no DLL beside it). With Qt for Windows (built once per machine
# by scripts/build-windows-qt.sh) named as
#
#   -DORVIK_WINDOWS_QT=$(scripts/build-windows-qt.sh --path)
#
# the window and its tests are built too, against Qt's DLLs; the host tools
# Qt's build steps run (moc, rcc, uic) are Debian's own. Where wine is
# installed, ctest runs the tests with it.
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

# The folders of the compiler's runtime DLLs (libstdc++, libgcc, winpthread),
# which the programs built against Qt load, as Qt's own DLLs do.
set(ORVIK_MINGW_RUNTIME_DIRS /usr/lib/gcc/${ORVIK_MINGW_PREFIX}/12-posix /usr/${ORVIK_MINGW_PREFIX}/lib)

set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVIK_WINDOWS_QT)
if(ORVIK_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${ORVIK_WINDOWS_QT})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

find_program(ORVIK_WINE wine)
if(ORVIK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVIK_WINE})
endif()
