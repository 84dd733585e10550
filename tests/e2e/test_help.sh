#!/usr/bin/env bash
# The help file opens from the program on the device service's help request (message 1034
# with lParam 22): Wine's help viewer shows the help file's window, titled by the file.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
[ -f "$DIST_DIR/Zarvocfg.chm" ] || { log "no $DIST_DIR/Zarvocfg.chm (scripts/build.sh help)"; exit 1; }
HELP_TITLE="VX48K2 Gaming Mouse Help"
e2e_begin
fresh_settings
sim_start
expect "the program starts" kocfg_start

sim_send 1034 0 22 >/dev/null
help_window=$(wait_window "$HELP_TITLE" 60)
expect "the help viewer shows the help file" test -n "$help_window"
# What the viewer draws inside is not checked: its pages need Wine's HTML engine, which
# these prefixes leave out (common.sh), so only the viewer's frame and contents pane show.

kocfg_stop
sim_stop
# The viewer was started by the program through the shell, so the harness did not record
# it: end it by its window's process.
if [ -n "$help_window" ]; then
  viewer_pid=$(xdotool getwindowpid "$help_window" 2>/dev/null || true)
  [ -n "$viewer_pid" ] && kill "$viewer_pid" 2>/dev/null || true
fi
e2e_end
