#!/usr/bin/env bash
# Screenshots of the main window's pages in English and Simplified Chinese, for the help
# file and the guide: docs/screenshots/<en|zh>-<page>.png, the window (888 x 636 at 0,0)
# cut out of the screen. Uses the end-to-end harness and the built program folder.
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/lib.sh"
OUT="$REPO/docs/screenshots"
mkdir -p "$OUT"
e2e_begin

# page name, the page button on the start page (none for the start page itself)
PAGES=("start" "buttons 150 275" "lighting 770 275" "performance 150 393" "macro 770 393")

shoot_language() { # language tag, language file
  local tag="$1" folder="$E2E_TMP/program-$1" entry name x y
  rm -rf "$folder"; cp -a "$DIST_DIR" "$folder"
  cp "$2" "$folder/Strings.xml"
  KOCFG_EXE="$folder/Kocfg.exe"
  fresh_settings
  kocfg_start || return 1
  for entry in "${PAGES[@]}"; do
    read -r name x y <<<"$entry"
    [ -n "${x:-}" ] && click_at "$x" "$y"
    sleep 1.5
    convert "$(screenshot "$tag-$name")" -crop 888x636+0+0 +repage "$OUT/$tag-$name.png"
    log "$OUT/$tag-$name.png"
    [ -n "${x:-}" ] && click_at 819 523  # back
    sleep 0.8
  done
  kocfg_stop
}

sim_start
shoot_language en "$REPO/assets/Strings.xml"
shoot_language zh "$REPO/assets/zh-CN/Strings.xml"
sim_stop
e2e_end
