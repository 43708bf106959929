#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one for a bounded time.
#   fuzz/run.sh [seconds per target]        (default 60)
# FUZZ_BUILD_DIR chooses the build directory (default: $TMPDIR/kairo-fuzz). New inputs found
# go to <build>/corpus/<target>, crashes to <build>/artifacts/<target>/; the committed seed
# corpus in fuzz/corpus/ is only read.
set -euo pipefail

seconds="${1:-60}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${FUZZ_BUILD_DIR:-${TMPDIR:-/tmp}/kairo-fuzz}"

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

status=0
while read -r target; do
  [ -n "$target" ] || continue
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  mkdir -p "$work" "$artifacts"
  seeds=()
  [ -d "$here/corpus/$target" ] && seeds=("$here/corpus/$target")
  echo "== $target: ${seconds} s"
  if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=20000 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "${seeds[@]}" \
      </dev/null >"$build/$target.log" 2>&1; then
    echo "!! $target failed: see $build/$target.log and $artifacts/"
    status=1
  fi
  grep -E '^(stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)' \
    "$build/$target.log" || true
done <"$build/targets.txt"
exit "$status"
