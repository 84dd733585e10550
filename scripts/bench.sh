#!/usr/bin/env bash
# Prints the project's measured figures (it tests nothing and is not part of test.sh):
#  - the settings file's core operations, natively (an unsanitized build of its own, so the
#    figures are the code's and not the sanitizers') and under Wine: the whole reload and
#    one save, batched and key by key side by side, with the ratio;
#  - the program under Wine: start-up to the first painted frame, peak working set after
#    start-up and after every page, a slider drag of twelve positions.
# Usage: bench.sh [core runs, default 31] [program runs, default 5]. Builds what it needs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$REPO/scripts/xvfb.sh"
core_runs="${1:-31}"
program_runs="${2:-5}"
BENCH_NATIVE_DIR="$BUILD_DIR/bench-native"

log "building the benchmarks"
if [ ! -f "$BENCH_NATIVE_DIR/CMakeCache.txt" ]; then
  cmake -S "$REPO" -B "$BENCH_NATIVE_DIR" -DCMAKE_BUILD_TYPE=Release -DKOCFG_SANITIZE=OFF -DKOCFG_TESTS=OFF \
    -DKOCFG_DIST_DIR="$BENCH_NATIVE_DIR/dist" >/dev/null
fi
cmake --build "$BENCH_NATIVE_DIR" --target kocfg_bench -j "$JOBS" >/dev/null
if [ ! -f "$WIN_DIR/CMakeCache.txt" ]; then
  cmake -S "$REPO" -B "$WIN_DIR" -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-i686.cmake" -DKOCFG_DIST_DIR="$DIST_DIR" >/dev/null
fi
cmake --build "$WIN_DIR" --target kocfg_bench kocfg_probe -j "$JOBS" >/dev/null

echo "== core operations, native ($(uname -m), unsanitized release build)"
"$BENCH_NATIVE_DIR/companions/kocfg_bench" "$core_runs"
echo
echo "== core operations, Windows build under $(wine --version 2>/dev/null || echo Wine)"
wine "$WIN_DIR/companions/kocfg_bench.exe" "$core_runs" 2>/dev/null | tr -d '\r'
echo

echo "== the program under Wine ($program_runs runs)"
if [ ! -f "$DIST_DIR/Kocfg.exe" ] || [ ! -d "$DIST_DIR/skins" ]; then
  echo "no program folder at $DIST_DIR (build native and win first): program figures skipped"
  exit 0
fi
start_xvfb
wine "$WIN_DIR/companions/kocfg_probe.exe" "$(winepath -w "$DIST_DIR/Kocfg.exe" 2>/dev/null)" "$program_runs" \
  2>/dev/null | tr -d '\r'
