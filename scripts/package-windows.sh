#!/usr/bin/env bash
# Builds the editor for 64-bit Windows against the Qt for Windows that
# scripts/build-windows-qt.sh built, and packs it for Windows users:
#
#   scripts/package-windows.sh
#
# gives build-windows/orvik-stroke-editor-<version>-win64.zip, whose path is
# the last line printed: the editor and the checker, the Qt DLLs and plugins
# the editor loads, the compiler's runtime DLLs, a README and the licences.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

qt=$(scripts/build-windows-qt.sh --path)
if [ ! -f "$qt/.complete" ]; then
  echo "package-windows: Qt for Windows is not built yet; scripts/build-windows-qt.sh builds it (about an hour, once)" >&2
  exit 1
fi
scripts/install-deps.sh

# The program's icon is painted by the Linux build, where the painting code runs.
echo "== the Windows program's icon (Linux build)"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j "$jobs" --target icon_files > /dev/null
icon=$(find "$PWD/build/desktop/windows" -name '*.ico' | head -n 1)

echo "== Windows build (mingw-w64, Qt for Windows in $qt)"
cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DORVIK_WINDOWS_QT="$qt" -DORVIK_WINDOWS_ICON="$icon" > /dev/null
cmake --build build-windows -j "$jobs" --target orvik-stroke-editor orvik-stroke-check

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
name=orvik-stroke-editor-$version-win64
stage=build-windows/package
rm -rf "$stage" "build-windows/$name.zip"
cmake --install build-windows --prefix "$stage/$name" --strip > /dev/null
(cd "$stage" && cmake -E tar cf "../$name.zip" --format=zip "$name")
echo "$PWD/build-windows/$name.zip"
