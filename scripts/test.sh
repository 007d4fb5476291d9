#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build, the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a short
# fuzzing run of the stroke file reader and writer.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

scripts/install-deps.sh

echo "== style (.clang-format)"
find core preview document ui check desktop tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

echo "== normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVIK_BUILD_TESTS=ON -DORVIK_BUILD_BENCH=ON > /dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs")

echo "== install and Debian package (of the normal build)"
scripts/check_install.sh build

echo "== sanitizer build (ASan, UBSan)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVIK_SANITIZE=ON > /dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")

# --- Windows: the stroke document, orvik-stroke-check and their tests built
# with the mingw-w64 cross compiler, the tests and the checker run under wine;
# where this machine has Qt for Windows, the editor and its window tests too,
# and the editor from its zip in a real window.
windows_qt=$(scripts/build-windows-qt.sh --path)
windows_editor=()
if [ -f "$windows_qt/.complete" ]; then
  echo "== Windows build (mingw-w64), with the editor against Qt for Windows in $windows_qt"
  windows_editor=(-DORVIK_WINDOWS_QT="$windows_qt"
    -DORVIK_WINDOWS_ICON="$(find "$root/build/desktop/windows" -name '*.ico' | head -n 1)")
else
  echo "== Windows build (mingw-w64)"
  echo "== Windows editor skipped: no Qt for Windows on this machine (scripts/build-windows-qt.sh builds it, once)"
fi
cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  "${windows_editor[@]}" > /dev/null
cmake --build build-windows -j "$jobs"
if command -v wine > /dev/null; then
  echo "== Windows tests under wine"
  export WINEPREFIX=$root/build-windows/wine WINEDEBUG=-all
  mkdir -p "$WINEPREFIX"
  # A wine server that stays up for all the runs: one started by a test's
  # run would hold that run's output open, and the run would seem to hang.
  wineserver -p
  trap 'wineserver -k || true' EXIT
  wineboot -i
  (cd build-windows && ctest --output-on-failure -j "$jobs")
  tests/check/check_command_line_test.sh --wine build-windows/check/orvik-stroke-check.exe samples/strokes
  wineserver -k
  trap - EXIT
  if [ ${#windows_editor[@]} -gt 0 ]; then
    echo "== Windows package, its editor in a real window under wine"
    zip=$(scripts/package-windows.sh | tail -n 1)
    tests/windows/zip_editor_test.sh "$zip" build/ui/orvik-stroke-editor samples/strokes/a-Cc031.atr \
      build-windows/screenshots
  fi
else
  echo "== Windows tests skipped: wine is not installed (scripts/install-deps.sh installs it)"
fi
# --- end of the Windows block

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzing (short run)"
  scripts/fuzz.sh 60
fi
