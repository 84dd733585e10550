#!/usr/bin/env bash
# The key capture and parameter dialogs as a user meets them: each is opened by the dialog
# probe over a settings file (and the key capture also by the real program's assignment
# menu), driven with real keys (xdotool) and clicks, confirmed, and
# the bytes it stored are read back from "Mouse.ini". Screenshots of every dialog go to
# $BUILD_DIR/screenshots.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROBE="$COMPANIONS_DIR/dialog_probe.exe"
SHOTS="$BUILD_DIR/screenshots"
INI="$SETTINGS_DIR/Mouse.ini"
PROBE_LOG="$SETTINGS_DIR/probe.log"

e2e_begin
mkdir -p "$SHOTS"
[ -f "$PROBE" ] || { log "no $PROBE"; exit 1; }
[ -f "$DIST_DIR/skins/skin_singlekey.ini" ] || { log "no dialog skins in $DIST_DIR/skins"; exit 1; }
fresh_settings

# Opens a dialog for a button (0-based) and waits for its window; its id in $DIALOG.
probe_open() { # kind, button, window title
  rm -f "$PROBE_LOG"
  e2e_spawn "probe-$1" wine "$PROBE" "$1" "$2" "$(winpath "$INI")" "$(winpath "$DIST_DIR")"
  PROBE_PID=$SPAWNED
  DIALOG=$(wait_window "$3" 60) || { log "the $1 dialog did not open"; return 1; }
  sleep 0.8
  focus_window "$DIALOG"
}
probe_result() { wait_for 20 grep -q '^result' "$PROBE_LOG" && sed -n 's/^result //p' "$PROBE_LOG"; }
probe_end() { wait_pid_gone "$PROBE_PID" 20 || kill "$PROBE_PID" 2>/dev/null || true; }
shot() { import -window root -crop 400x290+0+0 +repage "$SHOTS/dialog-$1.png"; echo "$SHOTS/dialog-$1.png"; }
# Byte n of button b's record in the active profile (the fresh file's profile 0, "GROUP").
record_byte() { # button (0-based), byte
  local hex
  hex=$(ini_get "$INI" GROUP "ButtonAssigned$(($1 + 1))")
  echo $((16#${hex:$((2 * $2)):2}))
}
is() { [ "$1" = "$2" ] || { log "got '$1', expected '$2'"; return 1; }; }
between() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ] || { log "got $1, expected $2..$3"; return 1; }; }

OK=(217 263) CANCEL=(322 263)

# --- key capture: a typed letter, a function key, and a cancelled capture ------------------------
probe_open key 3 "Key capture"
type_keys a
sleep 0.5
shot keycapture
click_at "${OK[@]}"
expect "key capture ends with OK" is "$(probe_result)" 1
probe_end
expect "the letter is stored as key function 5" is "$(record_byte 3 1)" 5
expect "with one key entry" is "$(record_byte 3 2) $(record_byte 3 3)" "1 1"
expect "as the usage of A (4), pressed" is "$(record_byte 3 4) $(record_byte 3 5)" "0 4"

probe_open key 4 "Key capture"
type_keys F5
sleep 0.3
type_keys e  # a second key is ignored
sleep 0.3
click_at "${OK[@]}"
expect "F5 confirmed" is "$(probe_result)" 1
probe_end
# (Left and right modifiers are told apart by the flags of the key messages, which Wine on
# a bare X server reports as the left keys' for both; the Wine tests post them directly.)
expect "F5 is stored as usage 62, the second key ignored" is "$(record_byte 4 5) $(record_byte 4 3)" "62 1"

probe_open key 3 "Key capture"
type_keys w
sleep 0.3
click_at "${CANCEL[@]}"
expect "cancel ends with 2" is "$(probe_result)" 2
probe_end
expect "a cancelled capture keeps the stored key" is "$(record_byte 3 5)" 4

# Alt is captured like any key, yet Alt+F4 still closes the dialog, storing nothing.
probe_open key 3 "Key capture"
type_keys alt+F4
expect "Alt+F4 closes the key capture as a cancel" is "$(probe_result)" 2
probe_end
expect "and the stored key stays" is "$(record_byte 3 5)" 4

# --- rapid fire ----------------------------------------------------------------------------
probe_open gunfire 5 "Rapid fire"
shot gunfire-fresh
click_at 204 148               # the speed track, about half way
sleep 0.3
click_at 44 195                # the "no limit" box: counting on, count 3
sleep 0.3
click_at 150 196               # the count field
type_keys End BackSpace 3 0 0  # 300 is held to 255
sleep 0.3
click_at 300 196               # the second field, "10"
type_keys End BackSpace BackSpace 4 0
sleep 0.5
shot gunfire-edited
click_at "${OK[@]}"
expect "rapid fire ends with OK" is "$(probe_result)" 1
probe_end
expect "rapid fire stores code 101" is "$(record_byte 5 1)" 101
expect "the count held to 255" is "$(record_byte 5 2)" 255
expect "the second number 40" is "$(record_byte 5 3)" 40
expect "the speed from the track click" between "$(record_byte 5 5)" 95 115

# --- XShoot: keyboard trigger from the drop-down, two numbers --------------------------------
probe_open xshoot 6 "XShoot"
click_at 129 77                # the trigger drop-down
sleep 0.8
import -window root -crop 400x290+0+0 +repage "$SHOTS/dialog-xshoot-menu.png"
click_at 170 169               # "Keyboard", the fourth item under the button
sleep 2.5                      # Wine on a bare X server takes a while to withdraw a popup
type_keys b
click_at 90 127                # the second-number field
type_keys 7
click_at 90 177                # the first-number field
type_keys 3 0 0
sleep 0.5
shot xshoot-edited
click_at "${OK[@]}"
expect "XShoot ends with OK" is "$(probe_result)" 1
probe_end
expect "XShoot stores code 9" is "$(record_byte 6 1)" 9
expect "the first number held to 255" is "$(record_byte 6 2)" 255
expect "the second number 7" is "$(record_byte 6 3)" 7
expect "the trigger is the usage of B (5)" is "$(record_byte 6 5)" 5

# --- DPI shift ------------------------------------------------------------------------------
probe_open dpishift 7 "DPI shift"
click_at 90 140                # the value drop-down
sleep 0.8
import -window root -crop 400x290+0+0 +repage "$SHOTS/dialog-dpishift-menu.png"
click_at 90 209                # "750", the third item
sleep 2.5
shot dpishift-chosen
click_at "${OK[@]}"
expect "DPI shift ends with OK" is "$(probe_result)" 1
probe_end
expect "DPI shift stores code 15 with choice 3" is "$(record_byte 7 1) $(record_byte 7 2)" "15 3"

# --- the real program: the assignment menu's "ASSIGNKEY" opens the key capture dialog -------
fresh_settings
if [ -f "$KOCFG_EXE" ]; then
  sim_start
  kocfg_start || { log "the program did not start"; exit 1; }
  sleep 1
  click_at 148 275               # the start page's "Buttons"
  sleep 1
  click_at 384 319               # slot 4; its menu opens at (293, 331)
  sleep 1
  xdotool mousemove 370 511; sleep 0.2; xdotool mousemove 371 511; sleep 0.6  # "ADVANCEDCOMMAND"
  click_at 528 727               # its tenth item, "ASSIGNKEY" (sub-menu from y 499)
  sleep 1.5
  xdotool mousemove 200 150      # the dialog at (0, 0) takes the keys under the pointer
  sleep 0.3
  type_keys g
  sleep 0.5
  shot program-keycapture
  click_at "${OK[@]}"
  # The save and the notice follow the dialog's end.
  expect "the program tells the service with 1299 for profile 0, button 3" \
    wait_for 15 grep -q "^1299 0 3 " "$SIM_LOG"
  expect "and has stored the typed key as function 5" is "$(record_byte 3 1)" 5
  expect "as the usage of G (10)" is "$(record_byte 3 5)" 10
  kocfg_stop
  sim_stop
else
  log "no $KOCFG_EXE: the program's part is left out"
  E2E_FAILURES=$((E2E_FAILURES + 1))
fi

e2e_end
