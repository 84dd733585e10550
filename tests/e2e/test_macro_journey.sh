#!/usr/bin/env bash
# A user's work with several macros, with real clicks and keys: three macros made, keys
# recorded into two, the name popup switching between all three, a step moved, a delay
# edited, a mouse action inserted, a step cut and pasted through the step menu, two macros
# given to buttons of two profiles with the chooser, one renamed, one deleted, and a change
# reported by the device service. After every step the ".macro" files, "MACRO_LIST" and the
# macro assignments of "Mouse.ini" are compared with what the user did, exactly, and a
# screenshot is kept. Then the same kind of work on a list holding names that are paths
# and device names: nothing outside the macro folder may be read, written or deleted.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

INI="$SETTINGS_DIR/Mouse.ini"
MACROS="$SETTINGS_DIR/Macro"
STATE="$REPO/tests/e2e/macro_state.py"
SHOT=0

shot() { SHOT=$((SHOT + 1)); import -window root -crop 888x640+0+0 +repage "$E2E_TMP/$(printf %02d $SHOT)-$1.png"; }
macro_is() { python3 "$STATE" macro "$MACROS/$1.macro" "$2" "${@:3}"; }
list_is() { python3 "$STATE" list "$INI" "$@"; }
button_is() { python3 "$STATE" button "$INI" "$@"; }
heard() { sim_messages | grep -c "^$1 $2 $3 " || true; }
heard_at_least() { test "$(heard "$1" "$2" "$3")" -ge "$4"; }
# Polls a check until it holds (the program writes after the click is handled).
settles() { wait_for 10 "$@" || "$@"; }
# A menu item under the pointer holds the mouse capture until it sees the pointer leave;
# a real hand moves there, so the pointer travels before it clicks.
move_then_click() { # x, y, button
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool mousemove "$(($1 + 1))" "$2"; sleep 0.3
  xdotool click "$3"
}
double_click_at() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 90 1; }
# The colour of one pixel of the screen, as "r,g,b".
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:; }
differs() { ! same_region "$@"; }
gone() { wait_for 10 bash -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null"; }
answer_warning() {
  local box
  box=$(wait_window Warning 20) || { expect "the warning appears" false; return; }
  focus_window "$box"
  type_keys Return
  gone Warning || true
}

# The macro page (window coordinates; the window stands at 0, 0).
NAME_FIELD="150 151"; NEW="240 151"; DELETE="292 151"; RENAME="348 151"
STOP="177 516"; RECORD="294 516"; MODE_TYPED="484 204"; MODE_NONE="461 285"; REPEAT="461 316"
MOVE_DOWN="490 486"; STEP_MENU="490 516"; MOUSE_ACTION="485 392"
row_y() { echo $((191 + 20 * $1)); }          # step list rows, 20 pixels each from 181
popup_y() { echo $((173 + 20 * $1)); }        # the name popup under the field (bottom 162)

pick_macro() { # position
  click_at $NAME_FIELD; sleep 1
  shot "popup-$1"
  click_at 150 "$(popup_y "$1")"; sleep 0.8
}
record_keys() { # keys...
  click_at $RECORD; sleep 0.8
  focus_window "$MAIN"
  local key
  for key in "$@"; do type_keys "$key"; sleep 0.3; done
  click_at $STOP; sleep 0.8
}
rename_to() { # name
  click_at $RENAME; sleep 2.5
  type_keys ctrl+a
  type_text "$1"
  click_at 217 263; sleep 0.8
}
choose_macro_for_slot5() { # chooser row
  click_at 384 348; sleep 1
  click_at 370 517  # "MACROCOMMAND"
  local chooser
  chooser=$(wait_window Macro 20) || { expect "the chooser opens" false; return; }
  sleep 0.8
  click_at 89 135; sleep 0.8      # its name field drops the list
  shot "chooser-row-$1"
  click_at 89 $((155 + 20 * $1)); sleep 0.5
  click_at 217 263                # OK
  gone Macro || true
}

# ================================ the journey ================================================
fresh_settings
sim_start
kocfg_start || { e2e_end; }
MAIN=$KOCFG_WINDOW
click_at 771 393; sleep 1   # the macro page
shot empty-page

# --- three macros ----------------------------------------------------------------------------
click_at $NEW; expect "New makes Macro1 in slot 0" settles list_is Macro1
click_at $NEW; expect "New makes Macro2 in slot 1" settles list_is Macro1 Macro2
click_at $NEW; expect "New makes Macro3 in slot 2" settles list_is Macro1 Macro2 Macro3
for n in 1 2 3; do expect "Macro$n is stored with no steps" macro_is Macro$n 0; done
shot three-macros

# --- keys recorded into the newest, then into the first picked with the popup ----------------
click_at $MODE_NONE; sleep 0.3
record_keys a b
expect "Macro3 holds a and b pressed and released" settles macro_is Macro3 0 840400 040400 840500 040500
shot recorded-macro3
pick_macro 0
record_keys c d
expect "the popup switched to Macro1: the keys are its own" settles macro_is Macro1 0 840600 040600 840700 040700
expect "Macro3 is as it was" macro_is Macro3 0 840400 040400 840500 040500
shot recorded-macro1

# --- all three through the popup ---------------------------------------------------------------
pick_macro 1
click_at $REPEAT
expect "the popup switched to Macro2: its loop switch is on" settles macro_is Macro2 1
shot picked-macro2

# --- while recording, keys that mean something to the page are only recorded ----------------
click_at $RECORD; sleep 0.8
focus_window "$MAIN"
for key in Up space Escape Return; do type_keys "$key"; sleep 0.3; done
click_at $STOP; sleep 0.8
expect "Up, Space, Escape and Enter are recorded and move, press and leave nothing" \
  settles macro_is Macro2 1 845200 045200 842C00 042C00 842900 042900 842800 042800

# --- a click on a row while recording: the keys that follow go after that row ----------------
click_at $RECORD; sleep 0.8
focus_window "$MAIN"
type_keys a; sleep 0.3
click_at 200 "$(row_y 0)"; sleep 0.5
shot recording-row-clicked
focus_window "$MAIN"
type_keys b; sleep 0.3
click_at $STOP; sleep 0.8
expect "b went between the press and the release of a" settles macro_is Macro2 1 840400 840500 040500 040400
pick_macro 2
shot picked-macro3
pick_macro 0
shot picked-macro1
expect "picking changes no file" macro_is Macro1 0 840600 040600 840700 040700
expect "picking changes no file (Macro3)" macro_is Macro3 0 840400 040400 840500 040500

# --- a click below the last row keeps the marked row; the step moves -------------------------
click_at 200 "$(row_y 0)"; sleep 0.3
click_at 200 "$(row_y 9)"; sleep 0.5   # below the four rows
below="$E2E_TMP/below-last-row.png"; import -window root "$below"
expect "the row clicked last stays marked" test "$(pixel "$below" 86 "$(row_y 0)")" != "$(pixel "$below" 86 "$(row_y 2)")"
click_at $MOVE_DOWN
expect "Move down moves the marked row 0 below row 1" settles macro_is Macro1 0 040600 840600 840700 040700
shot moved

# --- a mouse action after the marked row, with 10 ms delays ----------------------------------
click_at $MODE_TYPED; sleep 0.3
click_at $MOUSE_ACTION; sleep 1
shot action-menu
click_at 480 414   # "CLICK"
expect "CLICK goes after row 1 with its delays" \
  settles macro_is Macro1 0 040600 840600 060100 810100 060100 010100 840700 040700
expect "the service heard 1300 for slot 0" wait_for 10 heard_at_least 1300 0 0 1
shot mouse-action

# --- the delay of row 2 edited in its popup ---------------------------------------------------
double_click_at 200 "$(row_y 2)"; sleep 2.5
shot delay-popup
click_at 111 135
type_keys End BackSpace BackSpace BackSpace BackSpace BackSpace
type_text 250
click_at 217 263; sleep 0.8
expect "the delay of row 2 is 250 ms (25 units)" \
  settles macro_is Macro1 0 040600 840600 061900 810100 060100 010100 840700 040700
shot delay-edited

# --- cut row 6 with the step menu of a right click, paste it after row 0 ------------------
move_then_click 200 "$(row_y 6)" 3; sleep 1
shot step-menu
move_then_click 221 $(( $(row_y 6) + 1 + 12 + 24 * 2 )) 1   # "CUTACT"; the menu stands at the pointer
expect "the cut takes row 6" settles macro_is Macro1 0 040600 840600 061900 810100 060100 010100 040700
move_then_click 200 "$(row_y 0)" 1; sleep 0.3
click_at $STEP_MENU; sleep 1
move_then_click 480 $((526 + 12 + 24 * 3)) 1   # "PASTEACT"
expect "the paste puts it after row 0" \
  settles macro_is Macro1 0 040600 840700 840600 061900 810100 060100 010100 040700
shot pasted

# --- Macro3 on button 5 of profile 1, Macro1 on button 5 of profile 3 ------------------------
click_at 819 523; sleep 1   # back
click_at 148 275; sleep 1   # the button page
choose_macro_for_slot5 2
expect "profile 1's button 5 plays Macro3 (1299 0 4)" wait_for 20 heard_at_least 1299 0 4 1
expect "GROUP holds Macro3 at position 2" settles button_is GROUP 5 2 Macro3
click_at 397 139; sleep 1   # profile 3
expect "profile 3 is active" wait_for 10 heard_at_least 1298 0 0 1
choose_macro_for_slot5 0
expect "profile 3's button 5 plays Macro1 (1299 2 4)" wait_for 20 heard_at_least 1299 2 4 1
expect "GROUP2 holds Macro1 at position 0" settles button_is GROUP2 5 0 Macro1
shot assigned
click_at 255 139; sleep 1   # back to profile 1: the renamed macro's button is elsewhere
click_at 371 522; sleep 1   # "Edit macros"

# --- Macro1 renamed: the file moves, the other profile's button follows at once ------------
renamed_notices=$(heard 1299 2 4)
rename_to Fire
expect "Fire keeps slot 0" settles list_is Fire Macro2 Macro3
expect "Fire.macro holds Macro1's steps" \
  macro_is Fire 0 040600 840700 840600 061900 810100 060100 010100 040700
expect "Macro1.macro is gone" test ! -f "$MACROS/Macro1.macro"
expect "profile 3's button names Fire, saved" settles button_is GROUP2 5 0 Fire
expect "profile 1's button still names Macro3" button_is GROUP 5 2 Macro3
expect "the service heard of profile 3's button again" wait_for 10 heard_at_least 1299 2 4 $((renamed_notices + 1))
shot renamed
click_at $MOVE_DOWN
expect "after the rename the marked row 1 moves, not another" \
  settles macro_is Fire 0 040600 840600 840700 061900 810100 060100 010100 040700
shot moved-after-rename

# --- Macro2 deleted: Macro3 moves up a position, its button follows ---------------------------
pick_macro 1
click_at $DELETE
answer_warning
expect "slot 1 is free" settles list_is Fire - Macro3
expect "Macro2.macro is gone" test ! -f "$MACROS/Macro2.macro"
expect "profile 1's button finds Macro3 at position 1" settles button_is GROUP 5 1 Macro3
expect "profile 3's button keeps Fire" button_is GROUP2 5 0 Fire
expect "the files left are Fire's and Macro3's" test "$(ls "$MACROS" | tr '\n' ' ')" = "Fire.macro Macro3.macro "
shot deleted

# --- the service rewrites Fire and reports a change: the page shows the file's steps ----------
POPUP_ROW=100x15+100+164   # the popup's first row, over plain page where no popup is
no_popup="$E2E_TMP/$(printf %02d $SHOT)-deleted.png"
click_at $NAME_FIELD; sleep 1
shot popup-before-notice
expect "the name popup is open" differs "$no_popup" "$E2E_TMP/$(printf %02d $SHOT)-popup-before-notice.png" $POPUP_ROW
python3 - "$MACROS/Fire.macro" <<'PY'
import sys
steps = bytes.fromhex("840400040400").ljust(180, b"\0")
record = (steps + bytes([sum(steps) & 0xFF])).hex().upper()
text = "[Setting]\r\nMacroFilePath=x\r\nCount=2\r\nLoopTime=0\r\nMacroSetting_0=%s\r\n" % record
open(sys.argv[1], "wb").write(text.encode("ascii"))
PY
sim_send 1285 9 0 >/dev/null
sleep 1
shot after-device-notice
expect "the notice closed the name popup, whose names were read before it" \
  same_region "$no_popup" "$E2E_TMP/$(printf %02d $SHOT)-after-device-notice.png" $POPUP_ROW
click_at $REPEAT
expect "the loop switch saves the steps the service wrote" settles macro_is Fire 1 840400 040400
expect "the service log holds the page's notices" test "$(heard 1300 0 0)" -ge 1 -a "$(heard 1299 0 4)" -ge 1

# --- another program comes to the front: the open menu closes with the activation ----------
MENU_AREA=157x170+426+402
shot before-menu; no_menu="$E2E_TMP/$(printf %02d $SHOT)-before-menu.png"
click_at $MOUSE_ACTION; sleep 1
shot menu-open; menu_open="$E2E_TMP/$(printf %02d $SHOT)-menu-open.png"
expect "the mouse-action menu is open" differs "$no_menu" "$menu_open" $MENU_AREA
e2e_spawn notepad wine notepad
NOTEPAD_PID=$SPAWNED
if NOTE=$(wait_window "Untitled - Notepad" 40); then
  xdotool windowmove "$NOTE" 650 450
  focus_window "$NOTE"; sleep 1.5
  shot other-program-in-front
else
  expect "another program's window appears" false
fi
# With the other program gone nothing covers the place where the menu stood.
kill "$NOTEPAD_PID" 2>/dev/null || true
wait_pid_gone "$NOTEPAD_PID" 10 || true
sleep 1
shot other-program-gone; other="$E2E_TMP/$(printf %02d $SHOT)-other-program-gone.png"
expect "the menu closed when another program came to the front" same_region "$no_menu" "$other" $MENU_AREA

kocfg_stop
sim_stop

# ======================== a list holding names that are no file names ===========================
fresh_settings
mkdir -p "$MACROS"
OUTSIDE="$APPDATA_DIR/VX48K2/outside.macro"
printf '[Setting]\r\nCount=1\r\nLoopTime=0\r\n' >"$OUTSIDE"
printf '[Setting]\r\nCount=1\r\nLoopTime=0\r\n' >"$SETTINGS_DIR/Mouse.macro"
python3 - "$MACROS/Good.macro" <<'PY'
import sys
steps = bytes.fromhex("840400040400840500").ljust(180, b"\0")
record = (steps + bytes([sum(steps) & 0xFF])).hex().upper()
open(sys.argv[1], "wb").write(("[Setting]\r\nMacroFilePath=x\r\nCount=3\r\nLoopTime=0\r\nMacroSetting_0=%s\r\n" % record).encode())
PY
printf '[MACRO_LIST]\r\n0=..\\..\\outside\r\n1=..\\Mouse\r\n2=NUL\r\n3=Good\r\n' >"$INI"
# Every file outside the macro folder but the settings file, with its digest.
outside_files() { find "$APPDATA_DIR" -type f ! -path "$MACROS/*" ! -path "$INI" -print0 | sort -z | xargs -0 -r md5sum; }
before_outside=$(outside_files)

sim_start
kocfg_start || { e2e_end; }
MAIN=$KOCFG_WINDOW
click_at 771 393; sleep 1
shot unsafe-first
click_at $DELETE
answer_warning
expect "deleting '..\\..\\outside' empties its slot only" settles list_is - '..\Mouse' NUL Good
expect "the file it points at is untouched" test "$(outside_files)" = "$before_outside"
click_at $REPEAT; sleep 0.5   # disabled for a name without a file of its own
click_at $NEW
expect "a new macro takes the freed slot" settles list_is Macro1 '..\Mouse' NUL Good
click_at $MODE_NONE; sleep 0.3
record_keys a
expect "keys go into Macro1" settles macro_is Macro1 0 840400 040400
pick_macro 1
shot unsafe-picked
rename_to Safe
expect "'..\\Mouse' renamed to Safe in its slot" settles list_is Macro1 Safe NUL Good
expect "Safe has a file in the macro folder" test -f "$MACROS/Safe.macro"
pick_macro 2
click_at $DELETE
answer_warning
expect "deleting NUL empties its slot only" settles list_is Macro1 Safe - Good
pick_macro 2
click_at 200 "$(row_y 1)"; sleep 0.3
click_at $MOVE_DOWN
expect "Good's step moves in its own file" settles macro_is Good 0 840400 840500 040400
shot unsafe-done
sim_send 1285 9 0 >/dev/null; sleep 1
expect "nothing outside the macro folder was created, changed or deleted" test "$(outside_files)" = "$before_outside"
expect "the macro folder holds only the macros' files" \
  test "$(ls "$MACROS" | tr '\n' ' ')" = "Good.macro Macro1.macro Safe.macro "

kocfg_stop
sim_stop
log "screenshots in $E2E_TMP"
e2e_end
