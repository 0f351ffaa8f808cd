#!/usr/bin/env bash
# The main job: builds tarnplot and starts the desktop window where a display exists;
# without one it renders the bundled examples to pictures with the batch commands.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/tarnplot
fi
mkdir -p out
build/tarnplot --batch open-contour examples/contour_standard.txt make-mesh redraw \
  save-image out/example.png save-image out/example.emf
build/tarnplot --batch open-scatter examples/scatter_logger.txt set Size:Wide redraw legend 300 60 \
  save-image out/scatter.png
echo "No display: the bundled examples are drawn in out/example.png, out/example.emf and out/scatter.png"
