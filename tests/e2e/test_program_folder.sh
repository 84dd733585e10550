#!/usr/bin/env bash
# The program folder as users may have it, in the tests' own Wine prefix: a language file whose document type declaration
# carries translators' comments shows every text exactly as the shipped one does, and a
# program installed in a folder deeper than 260 characters still runs with its skins and
# texts.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

# The settings the tests make stay in the tests' own prefix, never where the run command
# starts the program.
run_prefix=$(env -u KOCFG_PREFIX_NAME -u KOCFG_WINEPREFIX bash -c "source '$REPO/scripts/common.sh'; echo \$WINEPREFIX")
expect "the tests' Wine prefix ($WINEPREFIX) is not the run command's" [ "$WINEPREFIX" != "$run_prefix" ]

# Shows the start page and the button page, each as $E2E_TMP/<name>-<page>.png.
capture_pages() { # name, [executable]
  xdotool mousemove 1000 900  # off the window: no button shows its hover face
  kocfg_start "${2:-$KOCFG_EXE}" || return 1
  sleep 1.5
  import -window root -crop 888x636+0+0 +repage "$E2E_TMP/$1-start.png"
  click_at 148 275
  xdotool mousemove 1000 900
  sleep 1.5
  import -window root -crop 888x636+0+0 +repage "$E2E_TMP/$1-buttons.png"
  kocfg_stop
}
same_picture() { same_region "$1" "$2" 888x636+0+0; }
# A copy of the program folder (without the installer's leftovers) at a place.
copy_program() { # folder
  mkdir -p "$1"
  cp -r "$DIST_DIR/Kocfg.exe" "$DIST_DIR/KBHook.dll" "$DIST_DIR/Strings.xml" "$DIST_DIR/skins" "$1/"
}

fresh_settings
capture_pages shipped

# --- comments with quotes and brackets in the document type declaration ---------------------
NOTED="$E2E_TMP/noted-program"
copy_program "$NOTED"
python3 - "$DIST_DIR/Strings.xml" "$NOTED/Strings.xml" <<'PY'
import sys
text = open(sys.argv[1], encoding="utf-8").read()
root = text.index("<LANGUAGE>")
# One apostrophe in all: a reader that took it for a quote would read to the end of the file.
subset = ('<!DOCTYPE LANGUAGE [\n'
          '  <!-- keep the translator\'s notes -->\n'
          '  <!-- a "quoted" word -->\n'
          '  <?translator [done] ?>\n'
          '  <!ELEMENT LANGUAGE ANY>\n'
          ']>\n')
assert text.count("'") == 0
open(sys.argv[2], "w", encoding="utf-8").write(text[:root] + subset + text[root:])
PY
fresh_settings
capture_pages noted "$NOTED/Kocfg.exe"
expect "the start page's texts are the shipped file's" same_picture "$E2E_TMP/shipped-start.png" "$E2E_TMP/noted-start.png"
expect "the button page's texts are the shipped file's" same_picture "$E2E_TMP/shipped-buttons.png" "$E2E_TMP/noted-buttons.png"

# --- a program folder deeper than 260 characters --------------------------------------------
DEEP="$E2E_TMP/deep"
for part in $(seq 1 6); do DEEP="$DEEP/a-rather-long-folder-name-for-the-program-number-$part"; done
copy_program "$DEEP"
log "program folder of $(winpath "$DEEP/" | wc -c) characters"
fresh_settings
expect "a program deeper than 260 characters shows its window" capture_pages deep "$DEEP/Kocfg.exe"
expect "with its skins and texts, as the shipped one" \
  same_picture "$E2E_TMP/shipped-start.png" "$E2E_TMP/deep-start.png"
expect "its button page too" same_picture "$E2E_TMP/shipped-buttons.png" "$E2E_TMP/deep-buttons.png"

e2e_end
