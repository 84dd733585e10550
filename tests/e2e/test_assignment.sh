#!/usr/bin/env bash
# Giving buttons their functions the way a user does: real clicks open the assignment menu
# under a slot, hovering opens a sub-menu, a choice changes the slot's caption, the record
# in "Mouse.ini" and tells the service (1299 with profile and button); the macro item opens
# the macro chooser, whose popup picks a macro. Screenshots go to $BUILD_DIR/screenshots.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

SHOTS="$BUILD_DIR/screenshots"
INI="$SETTINGS_DIR/Mouse.ini"

e2e_begin
mkdir -p "$SHOTS"
fresh_settings

# One macro, "Fire", looping three times, listed before the program starts.
mkdir -p "$SETTINGS_DIR/Macro"
printf '[Setting]\r\nCount=0\r\nLoopTime=3\r\n' >"$SETTINGS_DIR/Macro/Fire.macro"
printf '[MACRO_LIST]\r\n0=Fire\r\n' >"$INI"

# Byte n of button b's record (0-based) in the fresh file's active profile ("GROUP").
record_byte() { # button, byte
  local hex
  hex=$(ini_get "$INI" GROUP "ButtonAssigned$(($1 + 1))")
  echo $((16#${hex:$((2 * $2)):2}))
}
is() { [ "$1" = "$2" ] || { log "got '$1', expected '$2'"; return 1; }; }
has_message() { sim_messages | grep -q "^$1 $2 $3 "; }
window_shot() { import -window root -crop 888x636+0+0 +repage "$SHOTS/assign-$1.png"; echo "$SHOTS/assign-$1.png"; }
point_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousemove "$(($1 + 1))" "$2"; sleep 0.5; }
# The caption of slot i (0-based) as pixels.
SLOT_TOPS=(219 249 278 308 337 367 396 426 455)
slot_region() { echo "185x23+292+${SLOT_TOPS[$1]}"; }
notices() { sim_messages | grep -c '^1299 ' || true; }
differs() { ! same_region "$1" "$2" "$3"; }

sim_start
kocfg_start || { log "the program did not start"; exit 1; }
sleep 1
click_at 148 275  # the start page's "Buttons"
sleep 1
before=$(window_shot page)

# --- slot 4 (button 4, "BUTTON4"): ADVANCEDCOMMAND > DPIUP ------------------------------------
# The slot is 292..477 x 308..331; the menu opens at (293, 331), 24 pixels an item.
click_at 384 319
sleep 1
menu=$(window_shot menu)
expect "the menu opens under the slot" differs "$before" "$menu" 157x264+293+331
point_at 370 511  # item 8, "ADVANCEDCOMMAND"
sub=$(window_shot submenu)
# Its sub-menu stands beside the menu from the item's top (450, 499).
expect "hovering opens the sub-menu" differs "$menu" "$sub" 157x265+450+499
click_at 528 559  # sub-item 3, "DPIUP"
expect "the service hears 1299 with profile 0 and button 3" wait_for 20 has_message 1299 0 3
sleep 1.5
after=$(window_shot dpiup)
expect "the choice stores DPI up (12) for button 4" is "$(record_byte 3 1)" 12
expect "the slot's caption changed" differs "$before" "$after" "$(slot_region 3)"
expect "the menu closed" same_region "$before" "$after" 157x100+293+400

# --- one popup at a time; a drag from free space moves the window and closes it ---------------
# The skinned menus are the program's only visible windows without a title, 157 pixels
# wide; menu_tops lists the top edge of each one open. Closing a popup takes Wine about 2 s
# without a window manager, so every check polls.
menu_tops() {
  local id tops="" X Y WIDTH HEIGHT
  for id in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" = 157 ] && tops="$tops $Y"
  done
  echo $tops
}
menus_are() { [ "$(menu_tops)" = "$1" ]; }
window_at() { # x y: the main window's top left corner is there
  local X Y WIDTH HEIGHT SCREEN; eval "$(xdotool getwindowgeometry --shell "$KOCFG_WINDOW")"
  [ "$X,$Y" = "$1,$2" ]
}
click_at 384 319   # slot 4's menu, under the slot (308..331)
expect "slot 4's menu opens" wait_for 10 menus_are 331
click_at 470 437   # slot 8 (426..449), right of the open menu
expect "slot 8's menu replaces it: one menu, under slot 8" wait_for 10 menus_are 449
window_shot second-menu >/dev/null
HOLD=3 drag 150 24 190 54   # the heading band is free space; the press closes the menu first
expect "a drag from free space moves the window" wait_for 5 window_at 40 30
expect "and closes the open menu" wait_for 10 menus_are ""
drag 190 54 150 24
expect "a drag back puts it where it was" wait_for 5 window_at 0 0
# Later clicks assume the window at the top left, whatever the drags did.
window_at 0 0 || xdotool windowmove "$KOCFG_WINDOW" 0 0
sleep 0.5
expect "the page is as it was, menus gone" same_region "$after" "$(window_shot after-drag)" 888x636+0+0

# --- slot 1, the only left click: WARN3 and nothing changes ----------------------------------
sent=$(notices)
click_at 384 230
sleep 1
click_at 370 319  # item 3, "MIDDLE" (menu at 293, 242)
box=$(wait_window Warning 20) || box=""
expect "the last left click is refused with a warning" test -n "$box"
if [ -n "$box" ]; then
  focus_window "$box"
  type_keys Return
  wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Warning\$' >/dev/null" || true
  sleep 0.5
fi
expect "button 1 keeps the left click" is "$(record_byte 0 1)" 1
expect "no notice for the refusal" is "$(notices)" "$sent"

# --- slot 5 (button 5): the macro chooser ----------------------------------------------------
click_at 384 348
sleep 1
click_at 370 517  # item 7, "MACROCOMMAND" (menu at 293, 361)
chooser=$(wait_window Macro 20) || { window_shot no-chooser >/dev/null; chooser=""; }
expect "the macro item opens the chooser" test -n "$chooser"
sleep 0.8
click_at 89 135   # the name field drops the macro list
sleep 0.8
window_shot chooser-popup >/dev/null
click_at 89 155   # its first row, "Fire"
sleep 0.5
click_at 222 230  # run mode 2: press to start, press again to stop
sleep 0.5
import -window root -crop 400x290+0+0 +repage "$SHOTS/dialog-macrosel.png"
click_at 217 263  # OK
expect "the service hears 1299 for button 4" wait_for 20 has_message 1299 0 4
sleep 1
expect "button 5 plays a macro (6)" is "$(record_byte 4 1)" 6
expect "at position 0 in run mode 2 (0x80)" is "$(record_byte 4 3)" 128
expect "looping as its file says (3)" is "$(record_byte 4 2)" 3
expect "with its button number" is "$(record_byte 4 0)" 5
window_shot macro >/dev/null

kocfg_stop
sim_stop
e2e_end
