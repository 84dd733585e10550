#!/usr/bin/env bash
# The skinned controls as a user meets them, in the control gallery under Wine: the faces
# the buttons show in their states, hover handed from button to button, slider clicks,
# the popup menu's sub-menu and its packed choice, and a gallery whose pictures are broken.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
source "$REPO/tests/e2e/gallery_pixels.sh"

GALLERY_EXE="$COMPANIONS_DIR/kogallery.exe"
SKINS="$DIST_DIR/skins"
SHOTS="$BUILD_DIR/screenshots"

e2e_begin
mkdir -p "$SHOTS"
[ -f "$GALLERY_EXE" ] || { log "no $GALLERY_EXE"; exit 1; }
[ -f "$SKINS/skin_gallery.ini" ] || { log "no gallery skin in $SKINS"; exit 1; }

GALLERY_LOG="$E2E_TMP/gallery.log"
gallery_start() { # skin folder
  rm -f "$GALLERY_LOG"
  e2e_spawn gallery wine "$GALLERY_EXE" "$(winpath "$1")" --log "$(winpath "$GALLERY_LOG")"
  GALLERY_PID=$SPAWNED
  wait_for 60 grep -q '^ready' "$GALLERY_LOG" || { log "the gallery did not start"; return 1; }
  sleep 1
}
gallery_close() { # the gallery's own close button
  click_at 616 24
  wait_pid_gone "$GALLERY_PID" 15 || kill "$GALLERY_PID" 2>/dev/null || true
}
# Two steps, so that the control under the pointer sees a move of its own after the
# control that held the pointer let it go.
point_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousemove "$(( $1 + 1 ))" "$2"; sleep 0.4; }
logged() { wait_for 5 grep -qx "$1" "$GALLERY_LOG"; }
shot() { import -window root -crop 800x600+0+0 +repage "$SHOTS/gallery-$1.png"; echo "$SHOTS/gallery-$1.png"; }

MAIN="$SKINS/gallery_main.png" OVER="$SKINS/gallery_over.png"
DOWN="$SKINS/gallery_down.png" DISABLED="$SKINS/gallery_disabled.png"
# Rectangles from the gallery table: left top height.
PUSH0=(24 64 25) PUSH1=(130 64 25) TOGGLE=(364 64 25) LOCKED=(492 64 25)

gallery_start "$SKINS"
# The faces under test must differ, or the checks below would prove nothing.
expect "over and main faces differ" not control_shows "$OVER" "$MAIN" "${PUSH0[@]}"
expect "down and main faces differ" not control_shows "$DOWN" "$MAIN" "${TOGGLE[@]}"
expect "disabled and down faces differ" not control_shows "$DISABLED" "$DOWN" "${LOCKED[@]}"

# --- faces and hover -------------------------------------------------------------------
point_at 60 76
s=$(shot hover-first)
expect "the first push button shows its hover face" control_shows "$s" "$OVER" "${PUSH0[@]}"
expect "the second push button shows its normal face" control_shows "$s" "$MAIN" "${PUSH1[@]}"
expect "the disabled checked button shows its disabled face" control_shows "$s" "$DISABLED" "${LOCKED[@]}"
expect "the checked two-state button shows its down face" control_shows "$s" "$DOWN" "${TOGGLE[@]}"

point_at 170 76
s=$(shot hover-second)
expect "hover moved to the second push button" control_shows "$s" "$OVER" "${PUSH1[@]}"
expect "the first push button is back to normal" control_shows "$s" "$MAIN" "${PUSH0[@]}"

point_at 424 76
s=$(shot hover-checked)
expect "the checked two-state button keeps its down face while hovered" control_shows "$s" "$DOWN" "${TOGGLE[@]}"
expect "no push button keeps a hover face" control_shows "$s" "$MAIN" "${PUSH1[@]}"
point_at 552 76
s=$(shot hover-locked)
expect "the disabled checked button stays disabled under the pointer" control_shows "$s" "$DISABLED" "${LOCKED[@]}"

# A click on the checked two-state button turns it off; the parent hears the new state.
click_at 425 76; sleep 0.5
expect "the two-state click reports the new state" logged "command control=3 checked=0"
click_at 425 76; sleep 0.5
expect "a second click checks it again" logged "command control=3 checked=1"

# --- slider: range 1..12 on the track from x 104 to 608, 45 pixels a step ------------------
click_at 204 260; sleep 0.5   # 100 px in: q 2, remainder 10, not past half a step
expect "a click 100 px into the track posts 3" logged "slider value=3 id=10001"
click_at 217 260; sleep 0.5   # 113 px in: q 2, remainder 23 > 22
expect "a click 113 px into the track posts 4" logged "slider value=4 id=10001"
click_at 607 260; sleep 0.5
expect "a click at the track's end posts the maximum" logged "slider value=12 id=10001"
shot slider >/dev/null

# --- popup menu: opens under its button at (412, 139); item rows of 24 ------------------
baseline=$(shot before-menu)
click_at 480 128; sleep 1
expect "the menu opened" logged "menu open"
point_at 480 319                     # item 7, "Advanced" (value 7), has four sub-items
s=$(shot submenu-open)
# Right of the gallery (x 700) only the sub-menu, at (569, 307), can be there: its picture
# at x 131.
expect "hovering an item with sub-items opens its sub-menu beside the menu" \
  strip_matches "$s" 700 310 "$SKINS/menu_normal.png" 131 3 10 18
point_at 480 295                     # item 6, a plain item
s=$(shot submenu-closed)
expect "moving to a plain item closes the sub-menu" strip_matches "$s" 700 310 "$baseline" 700 310 10 18
point_at 480 319
point_at 650 367                     # sub-item 2 (value 3) of item 7
s=$(shot submenu-hover)
expect "moving into the sub-menu keeps it open" strip_matches "$s" 700 310 "$SKINS/menu_normal.png" 131 3 10 18
click_at 651 367; sleep 1
expect "a click on sub-item 2 of item 7 posts the packed choice" \
  logged "menu choice wParam=0x00070002 lParam=0x00070003"
expect "the gallery closed the menu on the choice" logged "menu closed"

gallery_close
expect "the gallery's close button ends it" logged "exit 0"
cp "$GALLERY_LOG" "$E2E_TMP/gallery-intact.log"

# --- broken pictures: empty faces, everything still works ----------------------------------
BROKEN="$E2E_TMP/broken-skins"
cp -r "$SKINS" "$BROKEN"
head -c 300 "$SKINS/gallery_over.png" > "$BROKEN/gallery_over.png"   # truncated PNG
: > "$BROKEN/gallery_down.png"                                       # zero bytes
echo "not a picture" > "$BROKEN/arrow1.png"                          # text named .png
rm -f "$BROKEN/button_menu1_normal.png"                              # missing
gallery_start "$BROKEN"
expect "broken pictures load as empty pictures" grep -q '^pictures main=640x480 over=0x0 down=0x0' "$GALLERY_LOG"
point_at 60 76
click_at 61 76; sleep 0.5
expect "a button with empty faces still clicks" logged "command control=0 checked=0"
click_at 204 260; sleep 0.5
expect "a slider without a thumb picture still posts values" logged "slider value=3 id=10001"
click_at 480 128; sleep 1
point_at 480 319
click_at 480 175; sleep 1            # item 1, "Right click" (value 2)
expect "a menu without pictures still posts choices" logged "menu choice wParam=0x00010000 lParam=0x00020000"
shot broken >/dev/null
gallery_close
expect "the gallery with broken pictures ends normally" logged "exit 0"

e2e_end
