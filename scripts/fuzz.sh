#!/usr/bin/env bash
# Fuzzes the stroke file reader and writer (fuzz/stroke_fuzz.cpp) with
# libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer, starting
# from the seed corpus in fuzz/corpus/. Exits non-zero on any finding; the
# failing input is left in <build dir>/corpus-run/artifacts/.
#
#   scripts/fuzz.sh            # 60 seconds, as scripts/test.sh runs it
#   scripts/fuzz.sh 3600       # a longer run, one hour
#
# The build goes to build-fuzz/ (or $ORVIK_FUZZ_BUILD_DIR); the corpus grows in
# a scratch copy there, so the repository is not modified.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-60}
build=${ORVIK_FUZZ_BUILD_DIR:-$root/build-fuzz}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVIK_BUILD_FUZZ=ON -DORVIK_BUILD_UI=OFF -DORVIK_BUILD_TESTS=OFF -DORVIK_BUILD_BENCH=OFF > /dev/null
cmake --build "$build" --target stroke_fuzz -j "$(nproc)"

run=$build/corpus-run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/artifacts"
cp "$root"/fuzz/corpus/* "$run/corpus/"

echo "Fuzzing the stroke file reader and writer for $seconds s"
"$build/fuzz/stroke_fuzz" "$run/corpus" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix="$run/artifacts/" -print_final_stats=1

if [ -n "$(ls -A "$run/artifacts")" ]; then
  echo "Fuzzing found failing inputs in $run/artifacts" >&2
  exit 1
fi
