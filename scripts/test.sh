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

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzing (short run)"
  scripts/fuzz.sh 60
fi
