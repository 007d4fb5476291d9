#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it in samples/, where
# the folder list offers "strokes", the sample stroke folder.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target orvik-stroke-editor -j "$(nproc)"
cd "$root/samples"
exec "$root/build/ui/orvik-stroke-editor"
