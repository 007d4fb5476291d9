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
# with the mingw-w64 cross compiler, the tests and the checker run under wine.
echo "== Windows build (mingw-w64)"
cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release > /dev/null
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
else
  echo "== Windows tests skipped: wine is not installed (scripts/install-deps.sh installs it)"
fi
# --- end of the Windows block

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzing (short run)"
  scripts/fuzz.sh 60
fi
