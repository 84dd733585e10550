#!/usr/bin/env bash
# The performance and lighting pages as a user meets them: real clicks and drags on the
# stage tiles, sliders, polling and pointer buttons, the lighting menus, the effect switch
# and the colour picker change "Mouse.ini" and send the device service the messages it
# expects, each after the save; without the service everything is still saved.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
SHOTS="$BUILD_DIR/screenshots"
e2e_begin
mkdir -p "$SHOTS"

INI="$SETTINGS_DIR/Mouse.ini"
# The program writes the file in UTF-16 (new files) or keeps the encoding it found.
ini_text() { if head -c 2 "$INI" | od -An -tx1 | grep -q 'ff fe'; then iconv -f UTF-16 -t UTF-8 "$INI"; else cat "$INI"; fi | tr -d '\r'; }
setting() { ini_text | awk -F= -v k="$1" '/^\[/{s=$0} s=="[Setting]" && $1==k && !done {print $2; done=1}'; }
# Word n (0-based) of a stored record: little-endian 32-bit, from its hexadecimal bytes.
record_word() { # key, word
  local hex; hex=$(setting "$1")
  local b=${hex:$(( $2 * 8 )):8}
  echo $(( 16#${b:6:2}${b:4:2}${b:2:2}${b:0:2} ))
}
is() { [ "$1" = "$2" ] || { printf '    got "%s", expected "%s"\n' "$1" "$2" >&2; return 1; }; }
message_count() { sim_messages | wc -l; }
# The last message received is this one, with the file as it is now (saved before sent).
last_message_is() { # "message wParam lParam"
  local last; last=$(sim_messages | tail -n 1)
  is "$last" "$1 $(file_digest "$INI")"
}
# Waits until the simulator logged `count` messages in all.
messages_reach() { wait_for 10 bash -c "[ \$(grep -cE '^[0-9]' '$SIM_LOG') -ge $1 ]" || true; }
# Retries a check for a few seconds (the program handles the click in its own time).
eventually() { local i; for i in $(seq 25); do "$@" 2>/dev/null && return 0; sleep 0.2; done; "$@"; }
setting_is() { is "$(setting "$1")" "$2"; }
shot() { import -window root -crop 888x636+0+0 +repage "$SHOTS/$1.png"; echo "$SHOTS/$1.png"; }
click() { click_at "$1" "$2"; sleep 0.6; }

# The settings an installed mouse has before the first start: the factory values.
seed_settings() {
  local i levels=(3 5 7 8 10 12) directions=(0 1 0 0 3 0)
  {
    printf '[Setting]\r\nProfile=0\r\nPollingRate=2\r\nWheelScrollLines=1\r\nDoubleClickSpeed=20\r\n'
    printf 'AccelerationEnabled=0\r\nAcceleration=1\r\nDPI=1\r\nLedStateOn=1\r\nLedColor=255\r\nLedMode=3\r\n'
    for i in 0 1 2 3 4 5; do
      printf 'DPI_INFO%d=%s\r\n' $((i + 1)) "$(record_hex 0 "${levels[i]}" "${levels[i]}" "${levels[i]}")"
      printf 'LED_MODE_INFO%d=%s\r\n' $((i + 1)) "$(record_hex "${directions[i]}" 4 9)"
    done
  } > "$INI"
}

fresh_settings
seed_settings
sim_start
kocfg_start
sleep 1

# --- performance page -------------------------------------------------------------------
click 148 393
shot performance-start >/dev/null
n=$(message_count)

click 574 206   # fourth stage tile
messages_reach $((n + 1))
expect "the fourth stage tile makes stage index 3 active" is "$(setting DPI)" 3
expect "the stage choice is announced with 1297 (0, 0) after the save" last_message_is "1297 0 0"

# A click on the level track at level 9: (px - left) = 8 steps of 425/11 and a little.
click 638 325
messages_reach $((n + 2))
expect "the level slider stores level 9 in the fourth record" is "$(record_word DPI_INFO4 1)" 9
expect "the other words of the record stay as they were" is "$(record_word DPI_INFO4 2) $(record_word DPI_INFO4 3)" "8 8"
expect "the level change is announced with 1302 (3, 0)" last_message_is "1302 3 0"

# Drag the thumb from level 9 to beyond the right end: level 12, reported once, on release.
drag 633 325 800 325
messages_reach $((n + 3))
expect "dragging the level thumb to the end stores level 12" is "$(record_word DPI_INFO4 1)" 12
expect "the drag is reported once, at its end" is "$(message_count)" $((n + 3))

click 701 483   # 1000 Hz
messages_reach $((n + 4))
expect "the fourth polling button writes rate 1" is "$(setting PollingRate)" 1
expect "rate 1 posts 1277 (0, 3)" last_message_is "1277 0 3"
click 378 483   # 125 Hz
messages_reach $((n + 5))
expect "the first polling button writes rate 8, posting code 1" last_message_is "1277 0 1"

click 243 431   # acceleration switch
messages_reach $((n + 6))
expect "the acceleration switch turns acceleration on" is "$(setting AccelerationEnabled)" 1
expect "acceleration is announced with 1297 (255, 255)" last_message_is "1297 255 255"
click 200 483   # acceleration slider
messages_reach $((n + 7))
expect "the acceleration slider stores its position" bash -c "[ '$(setting Acceleration)' -gt 1 ]"

click 186 206   # double-click speed +
messages_reach $((n + 8))
expect "double-click speed up at 20 stays 20" is "$(setting DoubleClickSpeed)" 20
expect "double-click speed is announced with 1296 even when unchanged" last_message_is "1296 0 0"
click 88 206    # double-click speed -
messages_reach $((n + 9))
expect "double-click speed down goes to 19" is "$(setting DoubleClickSpeed)" 19
n=$((n + 1))
click 88 326    # wheel lines -
messages_reach $((n + 9))
expect "wheel lines down stays at its lowest, 1" is "$(setting WheelScrollLines)" 1
expect "wheel lines are announced with 1295" last_message_is "1295 0 0"
perf_shot=$(shot performance-changed)

# Each of those changes repainted only the controls it touched; together they must leave
# the page exactly as showing it afresh paints it. The pointer rests on the page's empty
# bottom-left corner for both pictures.
# page_painted_whole <name> <page button x y>: the page now, and the page shown again.
page_painted_whole() {
  xdotool mousemove 20 600; sleep 0.5
  local in_parts; in_parts=$(shot "$1-painted-in-parts")
  click 819 523   # back
  click "$2" "$3"
  xdotool mousemove 20 600; sleep 0.5
  same_region "$in_parts" "$(shot "$1-painted-whole")" 888x636+0+0
}
expect "the performance page after its changes is the page shown afresh" page_painted_whole performance 148 393

click 819 523   # back
click 771 275   # lighting page
shot lighting-start >/dev/null

# --- lighting page ----------------------------------------------------------------------
n=$(message_count)
click 221 185   # off
messages_reach $((n + 1))
expect "the off button turns the light off" is "$(setting LedStateOn)" 0
expect "every lighting change is announced with 1227" last_message_is "1227 0 0"
click 116 185   # on
messages_reach $((n + 2))
expect "the on button turns it on again" is "$(setting LedStateOn)" 1

click 392 221   # mode button: the menu opens under it
sleep 0.5
shot lighting-mode-menu >/dev/null
click 392 267   # second item: mode 2
messages_reach $((n + 3))
expect "the second item of the mode menu chooses mode 2" is "$(setting LedMode)" 2
click 519 221   # direction button, now enabled
sleep 0.5
click 519 267   # second direction of mode 2
messages_reach $((n + 4))
expect "the direction menu of mode 2 sets direction 2" is "$(record_word LED_MODE_INFO1 0)" 2

click 363 425   # effect switch: 9 -> off
messages_reach $((n + 5))
expect "the effect switch turns the effect off" is "$(record_word LED_MODE_INFO1 2)" 0
click 363 425   # and on again, at 3
messages_reach $((n + 6))
expect "the effect switch turns it on at 3" is "$(record_word LED_MODE_INFO1 2)" 3
click 603 327   # level slider near its right end: level 6
messages_reach $((n + 7))
expect "the level slider stores the top level" is "$(record_word LED_MODE_INFO1 1)" 6
# The level's text is a label over the page picture: its change repaints that strip of the
# main window alone, which must look as the whole window painted again does.
expect "the lighting page with the level's new text is the page shown afresh" page_painted_whole lighting 771 275

# Colour picker at (64, 254): the hue bar at client x 196..218, the square 0..190.
n=$(message_count)
drag 270 354 270 200   # from the bar to above it
messages_reach $((n + 1))
expect "dragging above the hue bar picks black" is "$(setting LedColor)" 0
expect "the drag is posted once, on release" is "$(message_count)" $((n + 1))

drag 270 300 270 330   # a hue in the blue-to-cyan leg
messages_reach $((n + 2))
expect "a drag within the bar picks the hue under its end" is "$(setting LedColor)" "$(( (255 << 16) | (87 << 8) ))"
click 190 300          # a shade of it
messages_reach $((n + 3))
picked=$(setting LedColor)
# Client (126, 46): row 45, grey 195 on the left, the hue (0, 87, 255) darkened by 60.08 on
# the right, 126/192 of the way across: (67, 84, 194).
expect "a click in the shade square picks the shade drawn there" is "$picked" "$(( (194 << 16) | (84 << 8) | 67 ))"
colour_shot=$(shot lighting-colour-picked)

# Typing 300 into the red field stores red 255.
click 106 465
type_keys End BackSpace BackSpace BackSpace 3 0 0
sleep 0.8
expect "typing 300 into the red field gives red 255" is "$(( $(setting LedColor) & 255 ))" 255
# "ff" in the hexadecimal field is red 255, green and blue 0.
click 124 492
type_keys End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace f f
sleep 0.8
expect "ff in the hexadecimal field gives pure red" is "$(setting LedColor)" 255
last=$(sim_messages | tail -n 1 | cut -d' ' -f1-3)
expect "the typed colour is announced with 1227" is "$last" "1227 0 0"
shot lighting-typed >/dev/null

# --- without the service ------------------------------------------------------------------
sim_stop
before=$(wc -l < "$SIM_LOG")
click 819 523   # back
click 148 393   # performance page
click 360 206   # first stage tile
expect "without the service the stage is still saved" eventually setting_is DPI 0
click 701 483   # 1000 Hz
expect "without the service the rate is still saved" eventually setting_is PollingRate 1
expect "nothing reached the stopped service" is "$(wc -l < "$SIM_LOG")" "$before"

click_at 862 38  # the close button
expect "the close button ends the program, nothing left to save" wait_pid_gone "$KOCFG_PID" 20
KOCFG_PID=""
log "screenshots: $perf_shot $colour_shot"
e2e_end
