#!/usr/bin/env bash
# The whole batch job on large contour files: read, mesh, redraw with contour lines, save a PNG.
# Prints wall time, CPU time (user + system) and peak resident memory of the whole process for
# each input, from the run with the shortest wall time of RUNS. KEEP=FOLDER keeps each input's
# picture there (name.png), for comparing two builds byte for byte.
#
#   bench/whole-job.sh [BUILD] [RUNS]      (defaults: build, 3)
#
# Inputs, written to a temporary folder: 10^4, 10^5 and 10^6 uniform random points and a
# 1000 x 1000 grid, in the standard form with CR LF, over a wavy value field (hills about 60
# units across, so the contour lines are many).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-3}
[ -x /usr/bin/time ] || { echo "GNU time is needed: apt-get install -y time" >&2; exit 2; }
[ -x "$build/tarnplot" ] || cmake --build "$build" --target tarnplot >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# uniform COUNT SEED > FILE: points in [0, 1000)^2; the value has hills and a slope.
uniform() {
  awk -v n="$1" -v seed="$2" 'BEGIN {
    srand(seed); printf "X\tY\tValue\r\n"
    for (i = 0; i < n; i++) {
      x = rand() * 1000; y = rand() * 1000
      printf "%.4f\t%.4f\t%.4f\r\n", x, y, 20 * sin(x / 20) * cos(y / 26) + x / 50
    }
  }'
}

# grid SIDE > FILE: rows from the top, step 0.5, the same kind of value.
grid() {
  awk -v n="$1" 'BEGIN {
    printf "X\tY\tValue\r\n"
    for (r = n - 1; r >= 0; r--) for (c = 0; c < n; c++) {
      x = c * 0.5; y = r * 0.5
      printf "%.1f\t%.1f\t%.4f\r\n", x, y, 20 * sin(x / 10) * cos(y / 13) + x / 25
    }
  }'
}

uniform 10000 1 > "$tmp/uniform-1e4.txt"
uniform 100000 2 > "$tmp/uniform-1e5.txt"
uniform 1000000 3 > "$tmp/uniform-1e6.txt"
grid 1000 > "$tmp/grid-1000.txt"

printf '%-16s %10s %10s %12s\n' input wall_s cpu_s peak_MiB
for name in uniform-1e4 uniform-1e5 uniform-1e6 grid-1000; do
  best=""
  for ((run = 0; run < runs; run++)); do
    /usr/bin/time -f '%e %U %S %M' -o "$tmp/time" "$build/tarnplot" --batch set ShowContourLine:True \
      open-contour "$tmp/$name.txt" make-mesh redraw save-image "$tmp/out.png" >/dev/null 2>"$tmp/err" \
      || { cat "$tmp/err" >&2; exit 1; }
    [ -z "${KEEP:-}" ] || cp "$tmp/out.png" "$KEEP/$name.png"
    read -r wall user sys kb < "$tmp/time"
    line=$(awk -v w="$wall" -v u="$user" -v s="$sys" -v k="$kb" \
      'BEGIN { printf "%10.2f %10.2f %12.0f", w, u + s, k / 1024 }')
    # The best run is the one with the shortest wall time.
    if [ -z "$best" ] || awk -v a="$wall" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best="$wall $line"
    fi
  done
  printf '%-16s %s\n' "$name" "${best#* }"
done
