#!/usr/bin/env bash
# Profiles and macros under Wine: a profile file exported and imported back through the
# platform's dialogs, the profile tabs, a macro made, edited with mouse actions, recorded
# from real keystrokes through the hook library, renamed and deleted, with the macro file
# and the macro list checked after each step.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

INI="$SETTINGS_DIR/Mouse.ini"
MACROS="$SETTINGS_DIR/Macro"
setting() { ini_get "$INI" Setting "$1"; }
slot() { ini_get "$INI" MACRO_LIST "$1"; }
macro_key() { ini_get "$MACROS/$1.macro" Setting "$2"; }
count_lines() { sim_messages | grep -c "^$1 " || true; }
# Checks that wait_for polls: the values are read again on every try.
setting_is() { test "$(setting "$1")" = "$2"; }
slot_is() { test "$(slot "$1")" = "$2"; }
macro_key_is() { test "$(macro_key "$1" "$2")" = "$3"; }
heard_at_least() { test "$(count_lines "$1")" -ge "$2"; }
heard_exactly() { test "$(count_lines "$1")" = "$2"; }

fresh_settings
sim_start
kocfg_start || { e2e_end; }
wait_for 10 test -f "$INI"
MAIN=$(wait_window "$MAIN_TITLE")

# --- profiles ------------------------------------------------------------------------------
click_at 148 275   # the button page
sleep 1
click_at 397 139   # profile 3
expect "profile 3 becomes active" wait_for 5 setting_is Profile 2
expect "the service heard 1298" wait_for 5 heard_at_least 1298 1
cp "$(screenshot profile3)" "$E2E_TMP/profile-tab.png"
click_at 819 523   # back

click_at 534 21    # export tab: the save dialog
SAVE=$(wait_window "Save As" 15)
expect "the export opens the save dialog" test -n "$SAVE"
cp "$(screenshot save-dialog)" "$E2E_TMP/profile-save-dialog.png"
focus_window "$SAVE"
type_text "$(winpath "$E2E_TMP/Work.prof")"
type_keys Return
expect "the export writes the profile file" wait_for 10 test -f "$E2E_TMP/Work.prof"
expect "the exported file holds the active profile" test "$(ini_get "$E2E_TMP/Work.prof" Setting Profile)" = 2

before=$(count_lines 1279)
click_at 368 21    # import tab: the open dialog
OPEN=$(wait_window "Open" 15)
expect "the import opens the open dialog" test -n "$OPEN"
focus_window "$OPEN"
type_text "$(winpath "$E2E_TMP/Work.prof")"
type_keys Return
expect "the import names the profile file" wait_for 10 setting_is ProfileName Work
expect "the import makes profile 1 active" test "$(setting Profile)" = 0
expect "the service heard 1279 once" wait_for 5 heard_exactly 1279 $((before + 1))

# --- macros --------------------------------------------------------------------------------
click_at 771 393   # the macro page
sleep 1
click_at 240 151   # new
expect "a new macro takes slot 0" wait_for 5 eval 'test -n "$(slot 0)"'
NAME=$(slot 0)
expect "its file exists with no steps" wait_for 5 macro_key_is "$NAME" Count 0

click_at 485 392   # mouse actions
sleep 1
cp "$(screenshot action-menu)" "$E2E_TMP/macro-action-menu.png"
click_at 480 414   # CLICK
expect "CLICK adds press, delay and release" wait_for 5 macro_key_is "$NAME" Count 3
expect "the steps are stored" test "$(macro_key "$NAME" MacroSetting_0 | cut -c1-18)" = 810100060100010100
expect "the service hears 1300 for slot 0 after the mouse action" wait_for 5 heard_exactly 1300 1
expect "naming the macro's slot, 0" test "$(sim_messages | grep '^1300 ' | tail -n 1 | awk '{print $2, $3}')" = "0 0"

# A cursor move after the release (row 2): a delay, the move (row 4), a delay.
click_at 485 392   # mouse actions
sleep 1
click_at 480 510   # MOVERIGHT, the fifth item
expect "MOVERIGHT adds delay, move and delay" wait_for 5 macro_key_is "$NAME" Count 6
expect "the service hears 1300 again" wait_for 5 heard_exactly 1300 2
move_step() { macro_key "$NAME" MacroSetting_0 | cut -c25-30; }
expect "the move goes 10 to the right" test "$(move_step)" = 020A00
xdotool mousemove 200 271 click --repeat 2 --delay 80 1   # the move's row: its displacement
sleep 3
cp "$(screenshot displacement)" "$E2E_TMP/macro-displacement-dialog.png"
type_keys ctrl+a BackSpace 2 5
sleep 0.5
click_at 217 263   # OK
expect "the edited displacement is stored" wait_for 5 eval 'test "$(move_step)" = 021900'
expect "the service hears 1300 after the displacement edit" wait_for 5 heard_exactly 1300 3

click_at 294 516   # record
sleep 1
focus_window "$MAIN"
type_keys a
sleep 0.5
type_keys b
sleep 0.5
click_at 177 516   # stop
sleep 1
expect "recording stores key steps" test "$(macro_key "$NAME" MacroSetting_0 | cut -c1-6)" = 840400
count=$(macro_key "$NAME" Count)
expect "four keystrokes with delays between them ($count steps)" test "$count" -ge 4 -a "$count" -le 7
cp "$(screenshot recorded)" "$E2E_TMP/macro-recorded.png"

click_at 348 151   # rename: the name dialog
sleep 2
cp "$(screenshot rename)" "$E2E_TMP/macro-rename-dialog.png"
type_keys ctrl+a
type_text "Fire"
click_at 217 263   # OK
expect "the renamed macro keeps its slot" wait_for 15 slot_is 0 Fire
expect "its file moved" wait_for 15 test -f "$MACROS/Fire.macro" -a ! -f "$MACROS/$NAME.macro"

click_at 292 151   # delete: the warning
WARN=$(wait_window "Warning" 10)
expect "delete asks first" test -n "$WARN"
focus_window "$WARN"
type_keys Return
expect "the deleted macro leaves its slot empty" wait_for 15 slot_is 0 ""
expect "its file is gone" test ! -f "$MACROS/Fire.macro"
cp "$(screenshot deleted)" "$E2E_TMP/macro-deleted.png"

kocfg_stop
e2e_end
