#!/usr/bin/env bash
# Screenshots of every page, the assignment menu and every dialog, in English and Simplified
# Chinese, for the help files and the README: docs/screenshots/<en|zh>-<name>.png. Each
# language runs from a program folder assembled in that language (scripts/program_folder.sh):
# the pages and the assignment menu from the program (the window, 888 x 636 at 0,0), the
# parameter dialogs from the dialog probe and the macro chooser from the program (400 x 290
# at 0,0). Uses the end-to-end harness, the built program folder and the per-language parts.
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
# SCREENSHOT_DIR takes them elsewhere (the screenshot check compares such a set with these).
OUT="${SCREENSHOT_DIR:-$REPO/docs/screenshots}"
PROBE="$COMPANIONS_DIR/dialog_probe.exe"
mkdir -p "$OUT"
e2e_begin

# page name, the page button on the start page (none for the start page itself)
PAGES=("start" "buttons 150 275" "lighting 770 275" "performance 150 393" "macro 770 393")
BACK=(819 523)

# The screen's top-left corner, once whatever was drawn last has settled.
keep() { # size (WxH), output file
  sleep 1.5
  import -window root -crop "$1+0+0" +repage "$2"
  log "$2"
}

shoot_pages() { # tag
  local entry name x y
  for entry in "${PAGES[@]}"; do
    read -r name x y <<<"$entry"
    [ -n "${x:-}" ] && click_at "$x" "$y"
    keep 888x636 "$OUT/$1-$name.png"
    [ -n "${x:-}" ] && click_at "${BACK[@]}"
    sleep 0.8
  done
}

# A macro made and given a mouse click (the delay editing popup and the rename dialog are
# shot on the way); then the assignment menu under slot 4 with its advanced sub-menu open,
# and the macro chooser through the menu's macro item.
shoot_menu_and_chooser() { # tag
  click_at 770 393; sleep 1               # macro page
  click_at 240 151; sleep 1               # New: a first macro
  click_at 485 392; sleep 1               # mouse actions
  click_at 480 414; sleep 2.5             # a left click: press, delay, release
  xdotool mousemove 200 211 click --repeat 2 --delay 80 1  # the delay (second row)
  keep 400x290 "$OUT/$1-delay.png"
  click_at 322 263; sleep 2.5             # Cancel
  click_at 348 151                        # Rename
  keep 400x290 "$OUT/$1-rename.png"
  click_at 322 263; sleep 2.5             # Cancel
  click_at "${BACK[@]}"; sleep 0.8
  click_at 150 275; sleep 1               # button page
  click_at 384 319; sleep 1               # slot 4: the menu opens at (293, 331)
  xdotool mousemove 370 511; sleep 0.3    # over the advanced item: its sub-menu opens
  xdotool mousemove 372 511
  keep 888x636 "$OUT/$1-assign-menu.png"
  click_at 370 487                        # the macro item
  wait_for 20 bash -c "xdotool search --onlyvisible --name '^Macro\$' >/dev/null" || log "no macro chooser"
  keep 400x290 "$OUT/$1-macro-chooser.png"
  click_at 322 263                        # Cancel
  sleep 2.5
}

shoot_dialog() { # tag, probe kind, window title, picture name
  local settings="$SETTINGS_DIR/Mouse.ini" pid
  mkdir -p "$SETTINGS_DIR"
  e2e_spawn "probe-$2" wine "$PROBE" "$2" 3 "$(winpath "$settings")" "$(winpath "$FOLDER")"
  pid=$SPAWNED
  wait_window "$3" 60 >/dev/null || log "the $2 dialog did not open"
  keep 400x290 "$OUT/$1-$4.png"
  click_at 322 263                        # Cancel
  wait_pid_gone "$pid" 20 || kill "$pid" 2>/dev/null || true
}

shoot_language() { # tag, language
  FOLDER="$E2E_TMP/program-$1"
  bash "$REPO/scripts/program_folder.sh" "$2" "$FOLDER"
  fresh_settings
  kocfg_start "$FOLDER/Kocfg.exe" || return 1
  shoot_pages "$1"
  shoot_menu_and_chooser "$1"
  kocfg_stop
  shoot_dialog "$1" key "Key capture" key-capture
  shoot_dialog "$1" gunfire "Rapid fire" rapid-fire
  shoot_dialog "$1" xshoot "XShoot" xshoot
  shoot_dialog "$1" dpishift "DPI shift" dpi-shift
}

sim_start
shoot_language en en
shoot_language zh zh-CN
sim_stop
e2e_end
