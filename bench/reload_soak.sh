#!/usr/bin/env bash
# The long run of the reload soak test: 200 versions of a 10^5-sample contour file rewritten
# in place while the batch watches and re-saves the picture. Prints the elapsed time.
#
#   bench/reload_soak.sh [BUILD]      (default build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target tarnplot rewriting_writer >/dev/null
exec "$root/tests/batch/reload_soak.sh" "$build/tarnplot" "$build/tests/batch/rewriting_writer" 200 100000
