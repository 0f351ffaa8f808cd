#!/usr/bin/env bash
# Soak test of the automatic reload: a writer rewrites a contour file in place many times
# (some versions slowly, in pieces) while `tarnplot --batch ... watch` reloads it and saves
# the picture after each reload. The watcher must survive every version, every picture it
# saves must be whole, and the last one must be the picture of the last version.
#
#   reload_soak.sh TARNPLOT WRITER [VERSIONS] [SAMPLES]
set -euo pipefail
tarnplot=$1
writer=$2
versions=${3:-40}
samples=${4:-10000}
work=$(mktemp -d)
watcher=
trap '[ -n "$watcher" ] && kill "$watcher" 2>/dev/null; rm -rf "$work"' EXIT

"$writer" "$work/data.txt" 0 0 "$samples"
start=$(date +%s%N)
"$tarnplot" --batch open-contour "$work/data.txt" make-mesh redraw watch "$work/live.png" 1000000 \
  2>"$work/watch.err" &
watcher=$!
sleep 1
"$writer" "$work/data.txt" 1 "$versions" "$samples"
sleep 2
if ! kill -0 "$watcher" 2>/dev/null; then
  echo "reload_soak: the watching tarnplot ended early" >&2
  cat "$work/watch.err" >&2
  exit 1
fi
kill "$watcher"
wait "$watcher" 2>/dev/null || true
watcher=
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))

if [ -s "$work/watch.err" ]; then
  echo "reload_soak: the watcher reported:" >&2
  cat "$work/watch.err" >&2
  exit 1
fi
"$tarnplot" --batch open-contour "$work/data.txt" make-mesh redraw save-image "$work/final.png"
if ! cmp -s "$work/live.png" "$work/final.png"; then
  echo "reload_soak: the last saved picture is not the picture of the last version" >&2
  exit 1
fi
leftovers=$(find "$work" -name '*.tmp*' | wc -l)
if [ "$leftovers" -ne 0 ]; then
  echo "reload_soak: $leftovers temporary files were left behind" >&2
  exit 1
fi
echo "reload_soak: $versions versions of $samples samples watched in $elapsed_ms ms"
