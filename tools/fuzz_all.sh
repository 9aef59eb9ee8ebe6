#!/usr/bin/env bash
# fuzz_all.sh [-runs=N] [BUILD_DIR] [TARGET...]: runs every fuzz target of the sanitizer build
# (default build/sanitize, which `cmake --build --preset sanitize` makes) for N executions each
# (default 10 million), one after the other, and prints one line per target: executions, seconds,
# executions per second and findings. A finding's input is kept in BUILD_DIR/fuzz-findings/TARGET/
# and the script ends with status 1. New inputs go to BUILD_DIR/fuzz-corpus/TARGET/, as in CTest's
# bounded runs; the committed seeds are only read.
set -uo pipefail

runs=10000000
if [[ ${1:-} == -runs=* ]]; then
  runs=${1#-runs=}
  shift
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/sanitize}
shift || true
[ -d "$build/fuzz-targets" ] || {
  echo "fuzz_all.sh: no fuzz targets in $build (cmake --preset sanitize && cmake --build --preset sanitize)" >&2
  exit 2
}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || for f in "$build"/fuzz-targets/*; do targets+=("$(basename "$f")"); done

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
printf '%-24s %12s %10s %10s  %s\n' target executions seconds "exec/s" findings
failed=0
for name in "${targets[@]}"; do
  { read -r program; read -r seeds; } < "$build/fuzz-targets/$name"
  work=$build/fuzz-corpus/$name findings=$build/fuzz-findings/$name log=$build/fuzz-findings/$name.log
  mkdir -p "$work" "$findings"
  before=$(find "$findings" -type f | wc -l)
  start=$(date +%s.%N)
  "$program" -runs="$runs" -timeout=5 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$work" "$seeds" >"$log" 2>&1
  status=$?
  end=$(date +%s.%N)
  executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  found=$(($(find "$findings" -type f | wc -l) - before))
  if [ "$status" -eq 72 ]; then
    found="$found (interrupted before the end)"  # libFuzzer's status after SIGINT
  elif [ "$status" -ne 0 ] && [ "$found" -eq 0 ]; then
    found="status $status, see $log"
  fi
  [ "$status" -eq 0 ] || failed=1
  seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.0f", b - a }')
  rate=$(awk -v n="${executed:-0}" -v a="$start" -v b="$end" 'BEGIN { printf "%.0f", n / (b - a) }')
  printf '%-24s %12s %10s %10s  %s\n' "$name" "${executed:-?}" "$seconds" "$rate" "$found"
done
exit $failed
