#!/usr/bin/env bash
# The main job: builds tarnplot and starts the desktop window where a display exists;
# without one it renders the bundled example to a picture with the batch commands.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/tarnplot
fi
mkdir -p out
build/tarnplot --batch open-contour examples/contour_standard.txt \
  print caption print options print points > out/example.txt
echo "No display: the example's data, options and caption are in out/example.txt"
