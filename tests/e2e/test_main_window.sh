#!/usr/bin/env bash
# The main window under Wine: one copy only, the settings file of a first start, the pages
# and their buttons, restore-all with its confirmation, the device service's messages, and
# start and close without the hook library or the skins.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

INI="$SETTINGS_DIR/Mouse.ini"
SKINS="$DIST_DIR/skins"
setting() { ini_get "$INI" Setting "$1"; }
count_lines() { sim_messages | grep -c "^$1 " || true; }

# Which page shows: the heading band of every page picture is free of controls, so the
# window shows exactly the picture's pixels there.
HEADING="300x44+4+4"
shows_page() { # picture
  local shot; shot=$(screenshot "page-check")
  same_region "$shot" "$SKINS/$1" "$HEADING"
}
wait_page() { wait_for 10 shows_page "$1"; }

# --- a first start ----------------------------------------------------------------------
rm -rf "$APPDATA_DIR/VX48K2"   # not even the settings folder exists
sim_start
kocfg_start || { e2e_end; }
wait_for 10 test -f "$INI"
expect "a first start makes the settings folder and its macro folder" test -d "$SETTINGS_DIR/Macro"
for key in Profile TrayEnabled MouseButtons PollingRate LeftCount RightCount WheelScrollLines MouseSensitivity \
  DoubleClickSpeed AccelerationEnabled Acceleration UniversalScrollEnabled DPI_INFO1 DPI_INFO6 LED_MODE_INFO1 \
  LED_MODE_INFO6 DPI LedStateOn LedColor LedMode; do
  expect "first start writes Setting/$key" test -n "$(setting "$key")"
done
for group in GROUP GROUP1 GROUP2 GROUP3 GROUP4; do
  expect "first start writes the profile section $group" test -n "$(ini_get "$INI" "$group" ButtonAssigned11)"
done
expect "Profile is 0" test "$(setting Profile)" = 0
expect "LeftCount and RightCount are 0" test "$(setting LeftCount)$(setting RightCount)" = 00

# --- one copy only ------------------------------------------------------------------------
start_second=$SECONDS
e2e_spawn second wine "$KOCFG_EXE"
second=$SPAWNED
expect "a second start ends at once" wait_pid_gone "$second" 20
log "second copy ended after $((SECONDS - start_second)) s"
expect "one main window" test "$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | wc -l)" = 1

# --- pages -----------------------------------------------------------------------------------
expect "the start page shows first" wait_page main_main.png
cp "$(screenshot start)" "$E2E_TMP/page-start.png"
visit() { # name, x, y of its button on the start page, picture
  click_at "$2" "$3"
  expect "the $1 button shows the $1 page" wait_page "$4"
  cp "$(screenshot "$1")" "$E2E_TMP/page-$1.png"
  click_at 819 523  # back
  expect "back from the $1 page shows the start page" wait_page main_main.png
}
visit buttons 148 275 button_main.png
visit lighting 771 275 color_main.png
visit performance 148 393 advance_main.png
visit macros 771 393 macro_main.png
click_at 148 275
wait_page button_main.png
click_at 370 522  # edit macros
expect "the button page's edit-macros button shows the macro page" wait_page macro_main.png
click_at 819 523
wait_page main_main.png
before=$(file_digest "$INI")
expect "page switches write nothing" test "$(file_digest "$INI")" = "$before"
expect "page switches send nothing" test "$(sim_messages | wc -l)" = 0

# --- restore all ------------------------------------------------------------------------------
answer_warning() { # key to press in the "Warning" box
  local box; box=$(wait_window Warning 20) || return 1
  focus_window "$box"
  type_keys "$1"
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Warning\$' >/dev/null"
}
click_at 453 21
expect "restore all asks first; Cancel answers" answer_warning Escape
sleep 1
expect "Cancel changes nothing" test "$(file_digest "$INI")" = "$before"
expect "Cancel sends nothing" test "$(count_lines 1279)" = 0

sim_send 1285 9 3 >/dev/null   # the mouse switched to profile 4
wait_for 10 test "$(setting Profile)" = 3
click_at 453 21
expect "restore all with OK" answer_warning Return
expect "restore all sends 1279" wait_for 10 test "$(count_lines 1279)" = 1
sleep 1
expect "exactly one 1279" test "$(count_lines 1279)" = 1
expect "restore all makes the first profile active" test "$(setting Profile)" = 0
expect "the service saw the file as written when it got 1279" \
  test "$(sim_messages | grep '^1279 ' | awk '{print $4, $5}')" = "$(file_digest "$INI")"
expect "every profile has its factory left click" \
  test "$(for g in GROUP GROUP1 GROUP2 GROUP3 GROUP4; do ini_get "$INI" "$g" ButtonAssigned1 | cut -c1-6; done | sort -u)" = "010101"

# --- the device service's messages ---------------------------------------------------------------
sim_send 1285 8 4 >/dev/null
expect "1285 kind 8 sets the DPI stage" wait_for 10 test "$(setting DPI)" = 4
expect "and the active profile's stage" test "$(ini_get "$INI" GROUP DPI)" = 4
sim_send 1285 9 2 >/dev/null
expect "1285 kind 9 switches the profile" wait_for 10 test "$(setting Profile)" = 2
sim_send 1285 10 16 >/dev/null
expect "1285 kind 10 code 16 turns the light off in mode 2" \
  wait_for 10 test "$(setting LedStateOn)/$(setting LedMode)" = 0/2
# The service rewrites a stage record, tells 1224; the next save keeps it. Without the
# reload the program would write its own, older record back over it.
old_record=$(setting DPI_INFO2)
record=$(record_hex 0 11 11 11)
expect "the service's record differs from the program's" test "$record" != "$old_record"
ini_set "$INI" Setting DPI_INFO2 "$record"
sim_send 1224 0 0 >/dev/null
sim_send 1034 0 12 >/dev/null
expect "1034 apply sends 1279 again" wait_for 10 test "$(count_lines 1279)" = 2
expect "1224 kept the stage record the service wrote" test "$(setting DPI_INFO2)" = "$record"
before=$(file_digest "$INI"); messages=$(sim_messages | wc -l)
sim_send 1280 0 0 >/dev/null
sim_send 1282 0 0 >/dev/null
sleep 1
expect "1280 and 1282 change nothing" test "$(file_digest "$INI")" = "$before"
expect "1280 and 1282 send nothing" test "$(sim_messages | wc -l)" = "$messages"
sim_send 1034 0 11 >/dev/null
sleep 1
expect "1034 factory request is not saved by itself" test "$(file_digest "$INI")" = "$before"
sim_send 1034 0 12 >/dev/null
expect "then 1034 apply saves and sends 1279" wait_for 10 test "$(count_lines 1279)" = 3
sim_send 1294 0 0 >/dev/null
sleep 1
shot=$(screenshot service-page)
convert "$shot" -crop 300x44+4+4 +repage -format '%[fx:maxima.r+maxima.g+maxima.b]' info: >"$E2E_TMP/service.max"
expect "1294 shows the service page (no picture)" test "$(cat "$E2E_TMP/service.max")" = 0

# --- Enter and Escape --------------------------------------------------------------------------------
before=$(file_digest "$INI"); messages=$(sim_messages | wc -l)
focus_window "$KOCFG_WINDOW"
type_keys Return Escape Return Escape
sleep 1
expect "Enter and Escape leave the window open" test "$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" | wc -l)" = 1
expect "and change nothing" test "$(file_digest "$INI")" = "$before"
expect "and send nothing" test "$(sim_messages | wc -l)" = "$messages"

# --- nothing at exit ---------------------------------------------------------------------------------
before=$(file_digest "$INI")
click_at 862 38  # the close button
expect "the close button ends the program" wait_pid_gone "$KOCFG_PID" 20
KOCFG_PID=""
expect "closing writes nothing" test "$(file_digest "$INI")" = "$before"
sim_stop

# --- without the hook library and the skins ------------------------------------------------------------
BARE="$E2E_TMP/bare-program"
mkdir -p "$BARE"
cp "$DIST_DIR/Kocfg.exe" "$DIST_DIR/Strings.xml" "$BARE/"
expect "starts without KBHook.dll and skins" kocfg_start "$BARE/Kocfg.exe"
shot=$(screenshot bare)
click_at 862 38  # the close button still sits where it always does, captionless
expect "and closes with its close button" wait_pid_gone "$KOCFG_PID" 20
KOCFG_PID=""

e2e_end
