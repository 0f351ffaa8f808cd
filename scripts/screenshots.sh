#!/usr/bin/env bash
# Screenshots of the desktop window for docs/screenshots/: starts build/tarnplot under Xvfb in
# its hidden screenshot mode ("tarnplot --screenshot OUTDIR DATAFILE SCATTERFILE"), which opens
# the example through the menu's own "等高線データ" command, builds the mesh, redraws, and grabs
# the main window, the status bar reading the picture under the mouse, every page of the options
# dialog, the About box, the help window, the progress and the font dialogs, then the scatter
# example with its legend waiting and placed, and the file menu open at the recent files; then
# checks that no picture is blank. Rerunnable; look at the pictures after changing a window.
#
#   scripts/screenshots.sh [OUTDIR]      (default docs/screenshots)
#   TARNPLOT_BUILD_DIR=build-x scripts/screenshots.sh   (another build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNPLOT_BUILD_DIR:-$root/build}
out=${1:-$root/docs/screenshots}
checker=$build/tests/ui/png_not_blank

if [ ! -x "$build/tarnplot" ] || [ ! -x "$checker" ]; then
  cmake -S "$root" -B "$build" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target tarnplot png_not_blank
fi
command -v xvfb-run >/dev/null || { echo "screenshots: xvfb-run is missing (Debian package xvfb)" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out"/*.png
# No window manager runs under Xvfb, so the pictures show the windows without frames; a
# program that hangs is stopped after two minutes.
timeout 120 xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
  "$build/tarnplot" --screenshot "$out" "$root/examples/contour_standard.txt" "$root/examples/scatter_logger.txt"
"$checker" "$out"/*.png
echo "screenshots written to $out"
