#!/usr/bin/env bash
# The program by keyboard alone, beside a busy device service: no click and no pointer over
# the window (the pointer waits in the screen's far corner). From the start page to the
# button page, a keyboard key through key capture on slot 4 and rapid fire on slot 5,
# profile 2, DPI stage 3 and its level, polling 1000 Hz, lighting off and on and its
# brightness and colour, a macro recorded, renamed, picked from the name list and given to
# a button through the chooser, and the window closed from its Close button. After every
# step the file holds the change and the service heard it after the save. At each page, menu and dialog a screen reader's view
# (the accessibility probe, from its own process) finds every control named, with a role,
# and states and values as the file says; the pages, the menu and every dialog speak once
# more in Chinese.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SHOTS="$BUILD_DIR/screenshots"
INI="$SETTINGS_DIR/Mouse.ini"
PROBE="$COMPANIONS_DIR/access_probe.exe"
CHECK="$REPO/tests/e2e/access_check.py"
e2e_begin
mkdir -p "$SHOTS"

SIM_EVENTS=$((0x83E0))
events_off() { wine "$SERVICE_SIM" --send-to-service $SIM_EVENTS 0 0 >/dev/null 2>&1 || true; }
# The service writes the file all the time: a value counts once two reads agree.
value() {
  local first second tries=0
  first=$(ini_get "$INI" "$1" "$2")
  while second=$(ini_get "$INI" "$1" "$2"); [ "$first" != "$second" ] || [ -z "$second" ]; do
    tries=$((tries + 1)); [ $tries -lt 10 ] || break
    first=$second; sleep 0.05
  done
  printf '%s\n' "$second"
}
is() { [ "$1" = "$2" ] || { printf '    got "%s", expected "%s"\n' "$1" "$2" >&2; return 1; }; }
byte_of() { local hex="$1"; echo $((16#${hex:$((2 * $2)):2})); }
# Word n (0-based) of a stored record: little-endian 32-bit.
word_of() { local b=${1:$(( $2 * 8 )):8}; echo $(( 16#${b:6:2}${b:4:2}${b:2:2}${b:0:2} )); }
setting_is() { [ "$(value "$1" "$2")" = "$3" ]; }
notices() { sim_messages | grep -c "^$1 $2 $3 " || true; }
# The service hears `message` once more than before the step.
heard() { wait_for 10 bash -c "[ \$(grep -cE '^$1 $2 $3 ' '$SIM_LOG') -gt $4 ]"; }
keys() { xdotool key --delay 120 "$@"; sleep 0.6; }
shot() { import -window root -crop 888x636+0+0 +repage "$SHOTS/keyboard-$1.png"; echo "$SHOTS/keyboard-$1.png"; }
probe() { wine "$PROBE" 2>/dev/null | tr -d '\r'; }
# A screen reader's view of everything open now: every control named, with a role.
speaks() { # language, where
  local view; view=$(probe)
  printf '%s\n' "$view" > "$E2E_TMP/access-$2.txt"
  printf '%s\n' "$view" | python3 "$CHECK" check "$1"
}
state_of() { probe | python3 "$CHECK" state "$1"; }
MACROS="$SETTINGS_DIR/Macro"
STATE="$REPO/tests/e2e/macro_state.py"
list_is() { python3 "$STATE" list "$INI" "$@"; }
macro_is() { python3 "$STATE" macro "$MACROS/$1.macro" "$2" "${@:3}"; }
button_is() { python3 "$STATE" button "$INI" "$@"; }
value_of() { probe | python3 "$CHECK" value "$1"; }
focused() { probe | python3 "$CHECK" focused; }
focus_is() { [ "$(focused)" = "$1" ]; }
window_open() { wait_window "$1" 10 >/dev/null; }
has_bit() { [ $(( $1 & $2 )) != 0 ]; }
# Presses Tab until the control named `name` has the focus (at most a page's worth). A
# probe that finds no focus (the program busy saving) is asked again before the next Tab.
tab_to() { # name
  local i now tries
  for i in $(seq 30); do
    for tries in 1 2 3; do now=$(focused); [ -n "$now" ] && break; sleep 0.5; done
    [ "$now" = "$1" ] && return 0
    log "focus on '$now', looking for '$1'"
    keys Tab
  done
  return 1
}
# Word 1 of a stored record (its level), as the file holds it now.
level_of() { local hex; hex=$(value Setting "$1"); echo $((16#${hex:8:2})); }
HEADING="300x44+4+4"
shows_page() { same_region "$(screenshot page-check)" "$1/$2" "$HEADING"; }

# Opens the dialog behind the focused slot's menu item `top` (0-based) or its sub-item `sub`
# by arrows alone (so in any language), lets it speak, and leaves it with `leave`.
dialog_speaks() { # language, where, top, sub ("" for none), leave key
  keys Return $(printf 'Down %.0s' $(seq $(($3 + 1))))
  if [ -n "$4" ]; then
    keys Right
    [ "$4" -eq 0 ] || keys $(printf 'Down %.0s' $(seq "$4"))
  fi
  keys Return
  sleep 3
  expect "the $2 dialog speaks" speaks "$1" "$2"
  keys "$5"
  sleep 2.5
}
ADVANCED=7 MACRO_ITEM=6 DPI_SHIFT=5 XSHOOT=8 KEY_CAPTURE=9 RAPID_FIRE=10

# Starts the program of `folder` with the keyboard given to its window.
start_by_keyboard() { # program folder
  xdotool mousemove 1279 1023
  kocfg_start "$1/Kocfg.exe" || return 1
  xdotool windowfocus --sync "$KOCFG_WINDOW" 2>/dev/null || true
  sleep 1.5
}

# --- English, the whole journey ---------------------------------------------------------------
fresh_settings
sim_start --busy --seed 26
events_off
start_by_keyboard "$DIST_DIR" || { log "the program did not start"; e2e_end; }
SKINS="$DIST_DIR/skins"
expect "the start page speaks" speaks en start
expect "the focus starts on the first page button" is "$(focused)" "Buttons"
keys Tab
shot start-focus >/dev/null
keys shift+Tab Return
expect "Enter on Buttons shows the button page" wait_for 10 shows_page "$SKINS" button_main.png
expect "the button page speaks" speaks en buttons
expect "profile 1's tab is checked, as the file says" has_bit "$(state_of "Profile 1")" 0x10

# Key capture on slot 4: its menu, Advanced, Keyboard Key, the key X, Tab to OK, Enter.
n=$(notices 1299 0 3)
expect "Tab reaches slot 4, named by its button" tab_to "Button 4: Back (Button 4)"
keys Return
expect "Enter opens the slot's menu, which speaks" speaks en menu
keys a Right
expect "Right opens Advanced's sub-menu" speaks en submenu
shot menu >/dev/null
keys k Return
dialog=$(wait_window "Key capture" 20) || dialog=""
expect "Keyboard Key opens key capture" test -n "$dialog"
sleep 1
expect "the key capture dialog speaks" speaks en key-capture
keys x Tab Tab
shot key-capture >/dev/null
keys Return
expect "the service hears 1299 (0, 3)" heard 1299 0 3 "$n"
record=$(value GROUP ButtonAssigned4)
expect "button 4 sends a key (5)" is "$(byte_of "$record" 1)" 5
expect "the key is X (usage 27)" is "$(byte_of "$record" 5)" 27

# Rapid fire on slot 5: Down to it, its menu, Advanced, Rapid Fire, the speed slider to its end.
n=$(notices 1299 0 4)
keys Down Return a Right r Return
dialog=$(wait_window "VX48K2 Gaming Mouse" 20) || dialog=""
sleep 2
expect "the rapid fire dialog speaks" speaks en rapid-fire
keys Tab Tab End
shot rapid-fire >/dev/null
keys Return
expect "the service hears 1299 (0, 4)" heard 1299 0 4 "$n"
record=$(value GROUP ButtonAssigned5)
log "button 5's record: ${record:0:16}"
expect "button 5 fires rapidly (101)" is "$(byte_of "$record" 1)" 101
expect "at the highest speed, 200" is "$(byte_of "$record" 5)" 200

# Profile 2: back to the first tab (Shift+Tab only moves), Right chooses the next.
n=$(notices 1298 0 0)
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
expect "Shift+Tab goes back to the first tab without choosing" is "$(value Setting Profile)" 0
keys Right
expect "Right on the tabs chooses profile 2" wait_for 10 setting_is Setting Profile 1
expect "the service hears 1298" heard 1298 0 0 "$n"
expect "profile 2's tab reads as checked" has_bit "$(state_of "Profile 2")" 0x10
keys Escape
expect "Escape goes back to the start page" wait_for 10 shows_page "$SKINS" main_main.png

# The performance page: stage 3, its level by keys, polling 1000 Hz through the group's wrap.
keys Tab Tab Return
expect "the performance page shows" wait_for 10 shows_page "$SKINS" advance_main.png
expect "the performance page speaks" speaks en performance
n=$(notices 1297 0 0)
keys Tab Tab Tab Tab space
expect "Space on the third tile makes stage index 2 active" wait_for 10 setting_is Setting DPI 2
expect "the service hears 1297" heard 1297 0 0 "$n"
n=$(notices 1302 2 0)
expect "Tab reaches the DPI level slider" tab_to "DPI level"
keys End
expect "the service hears 1302 (2, 0)" heard 1302 2 0 "$n"
expect "End puts stage 3's level at 12" is "$(level_of DPI_INFO3)" 12
expect "the slider reads 12" is "$(value_of "DPI level")" 12
n=$(notices 1302 2 0)
keys Left
expect "Left takes it one step down, saved and told again" heard 1302 2 0 "$n"
expect "stage 3's level is 11" is "$(level_of DPI_INFO3)" 11
shot performance >/dev/null
n=$(notices 1277 0 3)
expect "Tab reaches 125 Hz" tab_to "125 Hz"
keys Left
expect "Left from 125 Hz wraps to 1000 Hz and chooses it" wait_for 10 setting_is Setting PollingRate 1
expect "the service hears 1277 (0, 3)" heard 1277 0 3 "$n"
expect "1000 Hz reads as chosen" has_bit "$(state_of "1000 Hz")" 0x10
keys Escape

# Lighting: off and on again by the arrows, then the brightness slider.
keys Tab Return
expect "the lighting page shows" wait_for 10 shows_page "$SKINS" color_main.png
expect "the lighting page speaks" speaks en lighting
n=$(notices 1227 0 0)
keys Right
expect "Right from On chooses Off" wait_for 10 setting_is Setting LedStateOn 0
expect "the service hears 1227" heard 1227 0 0 "$n"
n=$(notices 1227 0 0)
keys Left
expect "Left chooses On again" wait_for 10 setting_is Setting LedStateOn 1
expect "the service hears 1227 again" heard 1227 0 0 "$n"
n=$(notices 1227 0 0)
expect "Tab reaches the brightness slider" tab_to "Brightness"
keys End Home
expect "End and Home move the brightness and tell the service" heard 1227 0 0 "$n"
expect "the slider reads 1" is "$(value_of Brightness)" 1
# The colour: Tab walks into its fields; a code typed into "#", then red stepped by the
# arrows (Up one, Page Up sixteen) from its field, reached back by Shift+Tab.
expect "Tab reaches the colour code field" tab_to "#"
xdotool type --delay 80 0a1428; sleep 0.6
expect "the typed code is the colour" wait_for 10 setting_is Setting LedColor $((0x0a1428))
n=$(notices 1227 0 0)
keys shift+Tab shift+Tab shift+Tab
expect "Shift+Tab goes back to the red field" is "$(focused)" "R"
keys Up Prior
expect "Up and Page Up make red 40 + 17" wait_for 10 setting_is Setting LedColor $((0x0a1439))
expect "the service hears the colour with 1227" heard 1227 0 0 "$n"
expect "the red field reads 57" is "$(value_of R)" 57
shot lighting >/dev/null
keys Escape
expect "back on the start page" wait_for 10 shows_page "$SKINS" main_main.png

# Macros: a new one, two keys recorded without delays (Space on Stop ends the recording and
# is no part of it), renamed, a second one, the name list by keys, and the first given to
# button 6 of profile 2 through the chooser's name list.
keys Tab Tab Tab Return
expect "the macro page speaks" speaks en macros
expect "Tab reaches New" tab_to "New"
keys space
expect "Space on New makes Macro1" wait_for 10 list_is Macro1
expect "Tab reaches No delays" tab_to "No delays"
keys space
expect "Tab reaches Record" tab_to "Record"
keys space
expect "the recording hands the focus on to Stop" is "$(focused)" "Stop"
keys a b space
expect "Space on Stop keeps a and b, and not the Space" wait_for 10 macro_is Macro1 0 840400 040400 840500 040500
expect "the focus goes back to Record" is "$(focused)" "Record"
shot macro-recorded >/dev/null
expect "Tab reaches Rename" tab_to "Rename"
keys space
sleep 2.5
expect "the rename dialog speaks" speaks en rename
keys ctrl+a
xdotool type --delay 80 Keys
keys Return
expect "Enter in the rename dialog renames Macro1 to Keys" wait_for 10 list_is Keys
expect "Keys.macro holds the two keys" macro_is Keys 0 840400 040400 840500 040500
expect "Tab reaches New again" tab_to "New"
keys space
expect "a second macro, Macro1" wait_for 10 list_is Keys Macro1
expect "Tab reaches the name field" tab_to "Macro: Macro1"
keys space
expect "the name list speaks" speaks en name-list
keys Up Home Return
expect "Home and Enter in the name list open Keys" wait_for 10 focus_is "Macro: Keys"
keys Escape
expect "back on the start page" wait_for 10 shows_page "$SKINS" main_main.png
n=$(notices 1299 1 5)
keys Return
expect "Tab reaches slot 6 of profile 2" tab_to "Button 6: DPI Up"
keys Return m m Return
dialog=$(wait_window Macro 20) || dialog=""
expect "Macro in the slot's menu opens the chooser" test -n "$dialog"
sleep 1
expect "the chooser speaks" speaks en chooser
expect "the chooser starts on its name field" is "$(focused)" "Macro: Keys"
keys space
expect "the chooser's name list speaks" speaks en chooser-list
keys Down Down Up
shot chooser-list >/dev/null
keys Return
expect "Tab reaches OK" tab_to "OK"
keys Return
expect "the service hears 1299 (1, 5)" heard 1299 1 5 "$n"
expect "profile 2's button 6 plays Keys" wait_for 10 button_is GROUP1 6 0 Keys
shot macro-assigned >/dev/null
dialog_speaks en dpi-shift $ADVANCED $DPI_SHIFT Escape
dialog_speaks en xshoot $ADVANCED $XSHOOT Escape
expect "cancelled dialogs leave button 6 as it was" wait_for 10 button_is GROUP1 6 0 Keys

# The window's own buttons follow the page's last control; back on the start page, Space
# on Close ends the program.
expect "Tab after the page's last control reaches Minimise" tab_to "Minimise"
keys Tab
expect "Tab goes on to Close" is "$(focused)" "Close"
keys Tab
expect "and round to the page's first control" is "$(focused)" "Profile 1"
keys Escape
expect "Escape goes back to the start page" wait_for 10 shows_page "$SKINS" main_main.png
expect "Tab reaches Close on the start page" tab_to "Close"
keys space
expect "Space on Close ends the program" wait_pid_gone "$KOCFG_PID" 15
KOCFG_PID=""
sim_stop

# --- Chinese: the same pages, menus and dialog speak Chinese --------------------------------
ZH="$E2E_TMP/zh-CN"
bash "$REPO/scripts/program_folder.sh" zh-CN "$ZH" >/dev/null 2>&1
fresh_settings
sim_start
start_by_keyboard "$ZH" || { log "the Chinese program did not start"; e2e_end; }
expect "the Chinese start page speaks Chinese" speaks zh zh-start
expect "Tab reaches Restore all (全部恢复)" tab_to "全部恢复"
heard_before=$(sim_messages | wc -l)
keys space
sleep 3
# The warning is the system's own message box: the system reads it to a screen reader.
expect "the warning is open" window_open Warning
keys Escape
sleep 2.5
expect "Escape in the warning restores nothing: the service hears nothing" is "$(sim_messages | wc -l)" "$heard_before"
expect "Tab reaches Buttons (按键设置) again" tab_to "按键设置"
keys Return
expect "the Chinese button page speaks Chinese" speaks zh zh-buttons
keys Tab Tab Tab Tab Tab Tab Tab Tab Return
expect "its menu speaks Chinese" speaks zh zh-menu
keys Escape
dialog_speaks zh zh-key-capture $ADVANCED $KEY_CAPTURE alt+F4
dialog_speaks zh zh-rapid-fire $ADVANCED $RAPID_FIRE Escape
dialog_speaks zh zh-dpi-shift $ADVANCED $DPI_SHIFT Escape
dialog_speaks zh zh-xshoot $ADVANCED $XSHOOT Escape
dialog_speaks zh zh-chooser $MACRO_ITEM "" Escape
keys Escape Tab Tab Return
expect "the Chinese performance page speaks Chinese" speaks zh zh-performance
keys Escape Tab Return
expect "the Chinese lighting page speaks Chinese" speaks zh zh-lighting
keys Escape Tab Tab Tab Return
expect "the Chinese macro page speaks Chinese" speaks zh zh-macros
expect "Tab reaches New (新建)" tab_to "新建"
keys space
expect "Tab reaches Rename (重命名)" tab_to "重命名"
keys space
sleep 2.5
expect "the Chinese rename dialog speaks Chinese" speaks zh zh-rename
keys Escape
sleep 2.5
# Two keys recorded with their delays; Enter on the first delay row opens its dialog.
expect "Tab reaches Record (录制)" tab_to "录制"
keys space a b space
row=$(python3 "$STATE" first-delay "$MACROS/宏1.macro")
expect "the recording holds a delay row" test "$row" -ge 0
expect "Tab reaches the steps (步骤)" tab_to "步骤"
keys $(printf 'Down %.0s' $(seq $((row + 1)))) Return
sleep 3
expect "the Chinese delay dialog speaks Chinese" speaks zh zh-delay
keys Escape
kocfg_stop
sim_stop
e2e_end
