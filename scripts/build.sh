#!/usr/bin/env bash
# Configures and builds into build/ (Release, warnings as errors); extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTARNPLOT_WERROR=ON "$@" >/dev/null
cmake --build build -j"$(nproc)"
