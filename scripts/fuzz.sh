#!/usr/bin/env bash
# Builds the libFuzzer targets of every reader with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs each for SECONDS on a copy of its seed
# corpus under tests/fuzz/corpus/. A crash, a sanitizer report or a leak fails the run and
# leaves the input that caused it in build-fuzz/findings/.
#
#   scripts/fuzz.sh [SECONDS]        (default 30: the CI smoke run; 3600 for a one-hour run)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNPLOT_FUZZ=ON >/dev/null
mkdir -p build-fuzz
cmake --build build-fuzz -j"$(nproc)" >build-fuzz/build.log 2>&1 || { cat build-fuzz/build.log >&2; exit 1; }
mkdir -p build-fuzz/findings
corpus_of() {
  case $1 in
    emf_wmf|emf_eps) echo emf ;;
    *) echo "$1" ;;
  esac
}
for target in contour_standard contour_table settings mesh_file scatter_table emf_wmf emf_eps; do
  work=$(mktemp -d)
  cp tests/fuzz/corpus/"$(corpus_of $target)"/* "$work"/
  echo "fuzz_$target: $seconds s"
  ASAN_OPTIONS=detect_leaks=1 build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/findings/"$target"- -print_final_stats=1 "$work" 2>&1 |
    grep -E "stat::number_of_executed_units|ERROR|SUMMARY" || true
  status=${PIPESTATUS[0]}
  rm -rf "$work"
  if [ "$status" -ne 0 ]; then
    echo "fuzz_$target failed; see build-fuzz/findings/" >&2
    exit 1
  fi
done
