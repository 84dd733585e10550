#!/usr/bin/env bash
# Builds the program folder and starts the program under Wine, with the device-service
# simulator playing the mouse's side (its log: build/run/service.log).
#
# With a display ($DISPLAY set) the program simply runs until you close it. Without one
# (a server, CI) it runs on a private Xvfb, visits every page by clicking its button, writes
# a screenshot of each to build/run/screenshots/ and closes the program again.
#
# It builds only the program folder (build.sh program), not the tests: a first run on a fresh
# clone takes a few minutes (see docs/performance.md), later ones seconds.
# Set-up first: which Windows build runs here (common.sh) depends on the Wine it installs.
bash "$(dirname "${BASH_SOURCE[0]}")/setup.sh" || { echo "set-up failed: see the lines above" >&2; exit 1; }
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bash "$REPO/scripts/build.sh" program

RUN_DIR="$BUILD_DIR/run"
SIM="$WIN_DIR/companions/service_sim.exe"
mkdir -p "$RUN_DIR"
winpath() { local path="$1"; printf 'Z:%s' "${path//\//\\}"; }

headless=0
if [ -z "${DISPLAY:-}" ]; then
  source "$REPO/scripts/xvfb.sh"
  start_xvfb
  headless=1
fi

sim_pid=""
if [ -f "$SIM" ]; then
  rm -f "$RUN_DIR/service.log"
  wine "$SIM" --log "$(winpath "$RUN_DIR/service.log")" >/dev/null 2>&1 &
  sim_pid=$!
  for _ in $(seq 100); do grep -q '^# service_sim ready' "$RUN_DIR/service.log" 2>/dev/null && break; sleep 0.2; done
  log "device-service simulator running (log: $RUN_DIR/service.log)"
fi
stop_sim() { [ -n "$sim_pid" ] && { wine "$SIM" --quit >/dev/null 2>&1 || true; wait "$sim_pid" 2>/dev/null || true; }; }

if [ "$headless" = 0 ]; then
  log "starting $DIST_DIR/Kocfg.exe"
  wine "$DIST_DIR/Kocfg.exe" || true
  stop_sim
  exit 0
fi

# Headless: show every page once and keep a picture of it.
SHOTS="$RUN_DIR/screenshots"
rm -rf "$SHOTS"; mkdir -p "$SHOTS"
wine "$DIST_DIR/Kocfg.exe" >/dev/null 2>&1 &
program=$!
shown=0
for _ in $(seq 300); do
  xdotool search --onlyvisible --name '^VX48K2 Gaming Mouse$' >/dev/null 2>&1 && { shown=1; break; }
  sleep 0.2
done
[ "$shown" = 1 ] || { log "the main window did not appear"; stop_sim; exit 1; }
sleep 1
shoot() { import -window root -crop 888x636+0+0 +repage "$SHOTS/$1.png"; log "screenshot $SHOTS/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 1; }
shoot 1-start
click 148 275; shoot 2-buttons; click 819 523
click 148 393; shoot 3-performance; click 819 523
click 771 275; shoot 4-lighting; click 819 523
click 771 393; shoot 5-macros; click 819 523
click 862 38  # the close button
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
kill "$program" 2>/dev/null || true
stop_sim
log "done: screenshots of every page in $SHOTS"
