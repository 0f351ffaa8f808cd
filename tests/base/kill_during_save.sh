#!/usr/bin/env bash
# Kills a program in the middle of saving a file, 30 times at random moments: the target must
# always be one complete version, and no partial file may be left where the user looks.
#
#   kill_during_save.sh SAVE_LOOP
set -euo pipefail
save_loop=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c $((8 << 20)) /dev/zero | tr '\0' a >"$work/a.ref"
head -c $((6 << 20)) /dev/zero | tr '\0' b >"$work/b.ref"
mkdir "$work/out"
target="$work/out/picture.png"
for round in $(seq 30); do
  "$save_loop" "$target" &
  pid=$!
  sleep "0.$((RANDOM % 400 + 20))"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  if [ -e "$target" ] && ! cmp -s "$target" "$work/a.ref" && ! cmp -s "$target" "$work/b.ref"; then
    echo "kill_during_save: round $round left a torn target" >&2
    exit 1
  fi
  visible=$(ls "$work/out" | grep -v '^picture.png$' || true)
  if [ -n "$visible" ]; then
    echo "kill_during_save: round $round left $visible" >&2
    exit 1
  fi
done
echo "kill_during_save: 30 kills, the target always whole"
