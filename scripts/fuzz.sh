#!/usr/bin/env bash
# Longer fuzz runs than the test run's: every fuzz target of the fuzz build for a time
# budget each, over its seed corpus (fuzz/corpus/<name>/) and a working corpus kept in the
# build tree between runs. Prints, per target, the executions made and whether it crashed;
# a crashing input is left in $BUILD_DIR/fuzz-work/<target>/.
# Usage: fuzz.sh [seconds per target, default 600]. Build first: build.sh fuzz.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
seconds="${1:-600}"
case "$seconds" in ''|*[!0-9]*) echo "usage: fuzz.sh [seconds per target]" >&2; exit 2 ;; esac

shopt -s nullglob
targets=("$FUZZ_DIR"/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
  echo "no fuzz targets in $FUZZ_DIR/fuzz: run scripts/build.sh fuzz first" >&2
  exit 2
fi

crashed=0
for fuzzer in "${targets[@]}"; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  work="$BUILD_DIR/fuzz-work/$name"; mkdir -p "$work/corpus"
  seeds=(); [ -d "$REPO/fuzz/corpus/${name#fuzz_}" ] && seeds=("$REPO/fuzz/corpus/${name#fuzz_}")
  set +e
  "$fuzzer" -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/" \
    "$work/corpus" "${seeds[@]}" > "$work/log" 2>&1
  status=$?
  set -e
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$work/log" | grep -Eo '[0-9]+$' || true)
  if [ "$status" = 0 ]; then
    printf '%-24s %12s executions, no crash\n' "$name" "${runs:-?}"
  else
    crashed=$((crashed + 1))
    printf '%-24s %12s executions, CRASH (see %s/log)\n' "$name" "${runs:-?}" "$work"
    grep -E '^==[0-9]+==ERROR|^SUMMARY|Test unit written' "$work/log" | head -n 5
  fi
done
echo "$crashed of ${#targets[@]} targets crashed ($seconds s each)"
[ "$crashed" = 0 ]
