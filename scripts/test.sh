#!/usr/bin/env bash
# The whole test run: set-up, both builds, native unit tests (CTest, sanitized), the same
# tests built for Windows under Wine, bounded fuzz runs, end-to-end scenarios under Wine
# and Xvfb. Ends with one line "N passed, N failed".
# The tests run in a Wine prefix of their own: what they leave in its settings folder never
# shows in the next run of the program.
export KOCFG_PREFIX_NAME="${KOCFG_PREFIX_NAME:-test-wineprefix}"
# Set-up first: which Windows build the tests run (common.sh) depends on the Wine it installs.
bash "$(dirname "${BASH_SOURCE[0]}")/setup.sh" || { echo "set-up failed: see the lines above" >&2; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$REPO/scripts/xvfb.sh"
[ "$KOCFG_WINE_ARCH" = win32 ] ||
  log "32-bit Wine cannot run here: the Wine tiers run the 64-bit build ($WIN_DIR, $DIST_DIR)"

bash "$REPO/scripts/build.sh" native
bash "$REPO/scripts/build.sh" win
bash "$REPO/scripts/build.sh" fuzz
bash "$REPO/scripts/build.sh" installer

passed=0; failed=0; skipped=0
# A scenario that exits with this code cannot run on this machine (it says why).
SKIPPED_STATUS=77
count() { # name, status [, cases passed, cases failed]: a suite adds its own case counts
  local ok="${3:-}" bad="${4:-}"
  if [ "$2" = "$SKIPPED_STATUS" ]; then skipped=$((skipped + 1)); log "SKIP $1"; return; fi
  if [ -z "$ok" ]; then if [ "$2" = 0 ]; then ok=1; bad=0; else ok=0; bad=1; fi; fi
  [ "$2" = 0 ] || [ "$bad" -gt 0 ] || bad=1
  passed=$((passed + ok)); failed=$((failed + bad))
  if [ "$2" = 0 ]; then log "PASS $1 ($ok)"; else log "FAIL $1 ($bad failed)"; fi
}

# 1. Native unit tests.
set +e
log "native unit tests"
(cd "$NATIVE_DIR" && ctest --output-on-failure -j "$JOBS") > "$BUILD_DIR/native-tests.log" 2>&1
native_status=$?
grep -E 'Failed|\*\*\*' "$BUILD_DIR/native-tests.log" | head -n 40
tail -n 3 "$BUILD_DIR/native-tests.log"
summary=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$BUILD_DIR/native-tests.log" | tail -n 1)
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary"); bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$summary")
[ -n "$summary" ] && [ "$total" -gt 0 ] || { native_status=1; total=0; bad=1; }
count "native unit tests" "$native_status" $((total - bad)) "$bad"

# 2. The Windows build of the same tests (plus the Win32 seam tests) under Wine.
start_xvfb
log "Windows unit tests under Wine"
wine "$WIN_DIR/tests/kocfg_tests.exe" --gtest_brief=1 > "$BUILD_DIR/wine-tests.log" 2>&1
wine_status=$?
grep -E '^\[  FAILED  \]' "$BUILD_DIR/wine-tests.log" | head -n 40
tail -n 3 "$BUILD_DIR/wine-tests.log"
ok=$(grep -Eo '^\[  PASSED  \] [0-9]+' "$BUILD_DIR/wine-tests.log" | grep -Eo '[0-9]+$' || echo 0)
bad=$(grep -Eo '^\[  FAILED  \] [0-9]+ test' "$BUILD_DIR/wine-tests.log" | grep -Eo '[0-9]+' || echo 0)
[ "$ok" -gt 0 ] || wine_status=1
count "Windows unit tests under Wine" "$wine_status" "$ok" "$bad"

# 3. Bounded fuzz runs: every fuzz target over its corpus and a fixed number of new inputs.
for fuzzer in "$FUZZ_DIR"/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$REPO/fuzz/corpus/${name#fuzz_}"
  work="$BUILD_DIR/fuzz-work/$name"; mkdir -p "$work"
  seeds=(); [ -d "$corpus" ] && seeds=("$corpus")
  "$fuzzer" -runs="${KOCFG_FUZZ_RUNS:-20000}" -max_len=8192 -artifact_prefix="$work/" "$work" "${seeds[@]}" \
    > "$work/log" 2>&1
  st=$?
  tail -n 2 "$work/log"
  count "fuzz $name" "$st"
done

# 4. End-to-end scenarios: each tests/e2e/*.sh runs against the program folder.
for scenario in "$REPO"/tests/e2e/test_*.sh; do
  [ -f "$scenario" ] || continue
  bash "$scenario"
  status=$?  # before the name's command substitution, which sets $? of its own
  count "e2e $(basename "$scenario" .sh)" "$status"
done
set -e

if [ "$skipped" = 0 ]; then echo "$passed passed, $failed failed"; else echo "$passed passed, $failed failed, $skipped skipped"; fi
[ "$failed" = 0 ]
