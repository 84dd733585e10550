#!/usr/bin/env bash
# The two companions against each other, before the program's main window exists:
# hook_probe plays the main window ("VX48K2 Gaming Mouse") for the simulator's messages and
# loads KBHook.dll as the program does; real X keystrokes and clicks drive the hook.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

PROBE_LOG="$E2E_TMP/probe.log"
probe_lines() { grep -E "$1" "$PROBE_LOG" || true; }
keystrokes() { probe_lines '^2258 ' | cut -d' ' -f2,3 | tr '\n' ',' ; }
log_has() { grep -qxF "$2" "$1"; }
lines_equal() { [ "$1" = "$2" ] || { printf '    got      %s\n    expected %s\n' "$1" "$2" >&2; return 1; }; }

probe_start() { # extra probe options
  rm -f "$PROBE_LOG"
  e2e_spawn probe wine "$HOOK_PROBE" --dll "$(winpath "$DIST_DIR/KBHook.dll")" --log "$(winpath "$PROBE_LOG")" "$@"
  PROBE_PID=$SPAWNED
  wait_for 30 grep -q '^# installhook() -> 1' "$PROBE_LOG"
}
probe() { wine "$HOOK_PROBE" "$@"; }
# Keys typed after the one under test, with reporting on: once the marker has arrived,
# every keystroke before it has been through the hook too, so "nothing arrived" is proven
# without guessing at delays.
type_marker() { probe --enable 1; type_keys z; wait_for 10 grep -q '^2258 90 128' "$PROBE_LOG"; }
# The keystrokes logged after the last line that holds the given text.
since_last() {
  awk -v mark="$1" 'index($0, mark) { start = NR } { line[NR] = $0 }
    END { for (i = start + 1; i <= NR; i++) if (line[i] ~ /^2258 /) { split(line[i], f, " "); printf "%s %s,", f[2], f[3] } }' "$PROBE_LOG"
}

# --- KBHook.dll exports its five functions by their plain names ---------------------------
# The library as shipped: the 32-bit build's (a 32-bit build decorates exported names).
exports=$(i686-w64-mingw32-objdump -p "$SHIP_DIST_DIR/KBHook.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  grep -E '^\s*\[ *[0-9]+\] ' | grep -oE '[^ ]+$' | sort | tr '\n' ' ')
expect "KBHook.dll exports exactly the five undecorated names" \
  lines_equal "$exports" "enablehook installhook installmousehook removehook removemousehook "

# --- the simulator: its window, its log and the settings digest -----------------------------
fresh_settings
sim_start
INI="$SETTINGS_DIR/Mouse.ini"
expect "the simulator reads Mouse.ini from the user's settings folder by default" \
  grep -q '^# service_sim ready; settings file .*\\VX48K2\\RoduraZoviv\\Mouse.ini$' "$SIM_LOG"
expect "a second simulator refuses to start beside the first" \
  bash -c "timeout 20 wine '$SERVICE_SIM' --log '$(winpath "$E2E_TMP/second.log")'; [ \$? = 4 ]"

wine "$SERVICE_SIM" --send-to-service 1227 0 0 >/dev/null
expect "a message before any save is logged with the file absent" log_has "$SIM_LOG" "1227 0 0 absent 0"

printf '[Setting]\r\nDPI=2\r\n' > "$INI"
wine "$SERVICE_SIM" --send-to-service 1299 2 5 >/dev/null
expect "the logged digest is the file's at the time of the message" log_has "$SIM_LOG" "1299 2 5 $(file_digest "$INI")"
first_digest=$(file_digest "$INI")

printf '[Setting]\r\nDPI=3\r\n' > "$INI"
wine "$SERVICE_SIM" --post-to-service 1277 0 3
expect "a posted message is logged too, with the changed file's digest" \
  wait_for 10 log_has "$SIM_LOG" "1277 0 3 $(file_digest "$INI")"
expect "the digest changed with the file" bash -c "[ '$first_digest' != '$(file_digest "$INI")' ]"

# Every message the program sends, in order, and nothing outside the private range.
: > "$E2E_TMP/expected"
for message in 1227 1279 1295 1296 1297 1298 1299 1300 1302; do
  wine "$SERVICE_SIM" --send-to-service "$message" "$((message - 1200))" -7 >/dev/null
  echo "$message $((message - 1200)) -7" >> "$E2E_TMP/expected"
done
wine "$SERVICE_SIM" --send-to-service 275 0 0 >/dev/null      # WM_TIMER: the system's, not logged
wine "$SERVICE_SIM" --send-to-service 0xC123 0 0 >/dev/null   # registered: broadcast by the system
wine "$SERVICE_SIM" --send-to-service 0x8001 0xFFFFFFFF 0x7FFFFFFF >/dev/null
echo "32769 4294967295 2147483647" >> "$E2E_TMP/expected"
expect "each private message is logged once, in order, with its parameters" \
  lines_equal "$(sim_messages | tail -n 10 | cut -d' ' -f1-3)" "$(cat "$E2E_TMP/expected")"

expect "--send without a main window fails with code 2" bash -c "wine '$SERVICE_SIM' --send 1285 8 3 2>/dev/null; [ \$? = 2 ]"

# --- the service speaks to the main window ------------------------------------------------
probe_start --title "$MAIN_TITLE"
expect "--send reaches the main window and prints its answer" \
  lines_equal "$(sim_send 1285 8 3 | tr -d '\r')" "result 4"
sim_send 1034 0 12 >/dev/null
sim_send 1294 0 0 >/dev/null
expect "the main window got the service's messages in order" \
  lines_equal "$(probe_lines '^(1285|1034|1294) ' | tr '\n' ',')" "1285 8 3,1034 0 12,1294 0 0,"

# --- KBHook.dll: keystrokes while enabled, none while disabled ---------------------------
window=$(wait_window "$MAIN_TITLE")
focus_window "$window"
type_keys b
type_marker
expect "installhook reports nothing until enablehook (1)" lines_equal "$(keystrokes)" "90 0,90 128,"

type_keys a shift F5 Right
xdotool keydown alt key x keyup alt
wait_for 10 grep -q '^2258 164 128' "$PROBE_LOG"
# Press then release for each; Right is an extended key (flag bit 0); Alt held adds no flag.
expect "press and release pairs with virtual keys and flags" \
  lines_equal "$(since_last '2258 90 128')" "65 0,65 128,160 0,160 128,116 0,116 128,39 1,39 129,164 0,88 0,88 128,164 128,"

probe --enable 0
type_keys c d
type_marker
expect "nothing is reported after enablehook (0)" lines_equal "$(since_last 'enablehook(0)')" "90 0,90 128,"

probe --mouse 1
click_at 100 100
click_at 100 100 3
wait_for 10 grep -q '^2258 2 128' "$PROBE_LOG"
expect "the mouse hook reports buttons as virtual keys" \
  lines_equal "$(since_last 'installmousehook() -> 1')" "1 0,1 128,2 0,2 128,"
probe --mouse 0
click_at 100 100
type_marker
expect "removemousehook stops the buttons, keys go on" lines_equal "$(since_last 'removemousehook() -> 1')" "90 0,90 128,"

probe --remove
type_keys e
probe --enable 1
type_keys f
sleep 1
expect "removehook ends the reports even when enabled again" lines_equal "$(since_last 'removehook() -> 1')" ""
probe --quit
expect "the probe closes cleanly" wait_pid_gone "$PROBE_PID" 10

# Unloading the library without removehook must take the hook with it: a hook left
# behind would call into unmapped code on the next keystroke.
probe_start
focus_window "$(wait_window 'KBHook probe')"
probe --enable 1
type_keys a
wait_for 10 grep -q '^2258 65 128' "$PROBE_LOG"
probe --unload
type_keys g h
sleep 1
expect "the probe survives keystrokes after the unload" pid_running "$PROBE_PID"
expect "nothing is reported after the unload" lines_equal "$(since_last 'library unloaded')" ""
probe --quit
wait_pid_gone "$PROBE_PID" 10 || true

# --- quitting the simulator ---------------------------------------------------------------
sim_stop
expect "--quit closes the simulator" grep -q '^# service_sim closed' "$SIM_LOG"
expect "--ping fails once it is gone" bash -c "wine '$SERVICE_SIM' --ping 2>/dev/null; [ \$? = 2 ]"

e2e_end
