#!/usr/bin/env bash
# The setup program under Wine, in a throw-away copy of the prefix: a silent install with
# the interface language chosen on the command line (in Chinese the language file, skin and
# help are all Chinese: no caption and no interface text holds an English word), a start of
# the installed program that saves into the settings folder, a reinstall in English that
# replaces all three, and a silent uninstall that removes the program folder and leaves the
# user's settings and macros in place.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# The setup program is a 32-bit one: a machine that cannot run 32-bit code cannot try it.
if [ "$KOCFG_WINE_ARCH" != win32 ]; then log "test_installer skipped: this machine cannot run 32-bit code"; exit 77; fi
SETUP="$BUILD_DIR/installer/VX48K2-Setup.exe"
[ -f "$SETUP" ] || { log "no $SETUP (scripts/build.sh installer)"; exit 1; }
e2e_begin

# The copy has its own Wine server, which this test may (and does) end.
SHARED_PREFIX="$WINEPREFIX"
export WINEPREFIX="$E2E_TMP/prefix"
cp -a "$SHARED_PREFIX" "$WINEPREFIX"
trap 'e2e_cleanup; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
APPDATA_DIR="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming"
SETTINGS_DIR="$APPDATA_DIR/VX48K2/RoduraZoviv"
PROGRAM_DIR="$WINEPREFIX/drive_c/Program Files/VX48K2/Gaming Mouse"
START_MENU="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/VX48K2 Gaming Mouse"
rm -rf "$APPDATA_DIR/VX48K2"

ZH_PARTS="$LANGUAGES_DIR/zh-CN"

# Latin words of a text that a translation must not leave behind: runs of letters, except
# runs with a digit (numbers, the model name), units and colour letters, and the "Warning"
# caption, which read the same in every language.
foreign_words() { # text on stdin; prints one offending word a line
  grep -oE '[A-Za-z0-9]+' | grep -v '[0-9]' | grep -vxE 'DPI|Hz|ms|R|G|B|Warning' || true
}
utf8_of() { iconv -f UTF-16LE -t UTF-8 "$1" | sed '1s/^\xEF\xBB\xBF//' | tr -d '\r'; }
# Every caption of every layout file of a skin folder: the values of section BUTTONPOS.
skin_captions() { # skin folder
  local f
  for f in "$1"/*.ini; do
    utf8_of "$f" | awk '/^\[/ { inside = (tolower($0) == "[buttonpos]"); next } inside { i = index($0, "="); if (i) print substr($0, i + 1) }'
  done
}
# Every text of a language file but the font's name and the macro folder's name, which
# name things on disk rather than show words.
language_texts() { # Strings.xml
  utf8_of "$1" | sed -n 's/^ *<\([A-Z_0-9]*\)>\(.*\)<\/\1> *$/\1 \2/p' | grep -vE '^(FONT|MACRO) ' | cut -d' ' -f2-
}
speaks_only_chinese() { # skin folder, language file
  local words
  words=$({ skin_captions "$1"; language_texts "$2"; } | foreign_words | sort -u | tr '\n' ' ')
  [ -z "$words" ] || { log "English words left: $words"; return 1; }
}
# The rule itself must see what it is there to catch.
expect "the word check finds English captions" bash -c "$(declare -f foreign_words utf8_of skin_captions language_texts speaks_only_chinese log); ! speaks_only_chinese '$DIST_DIR/skins' '$REPO/assets/Strings.xml' 2>/dev/null"

uninstall_key() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VX48K2GamingMouse' /v "$1" 2>/dev/null | tr -d '\r'; }

# --- install in Chinese --------------------------------------------------------------------
wine "$SETUP" /S /LANGUAGE=zh-CN
expect "setup ended with status 0" test $? = 0
for f in Kocfg.exe KBHook.dll Strings.xml Zarvocfg.chm Uninstall.exe skins/skin_main.ini skins/skin_button.ini; do
  expect "installed $f" test -f "$PROGRAM_DIR/$f"
done
expect "the Chinese language file was installed" cmp -s "$PROGRAM_DIR/Strings.xml" "$REPO/assets/zh-CN/Strings.xml"
expect "the Chinese skin was installed, every file of it" diff -rq "$ZH_PARTS/skins" "$PROGRAM_DIR/skins"
expect "the Chinese help file was installed" cmp -s "$PROGRAM_DIR/Zarvocfg.chm" "$ZH_PARTS/Zarvocfg.chm"
expect "which is not the English one" bash -c "! cmp -s '$PROGRAM_DIR/Zarvocfg.chm' '$DIST_DIR/Zarvocfg.chm'"
expect "no caption of the installed skin and no text of the language file is English" \
  speaks_only_chinese "$PROGRAM_DIR/skins" "$PROGRAM_DIR/Strings.xml"
expect "settings folder with its Macro folder made" test -d "$SETTINGS_DIR/Macro"
expect "Start-menu entry for the program" test -f "$START_MENU/VX48K2 Gaming Mouse.lnk"
expect "Add/Remove entry names the product" bash -c "$(declare -f uninstall_key); uninstall_key DisplayName | grep -q 'VX48K2 Gaming Mouse'"
expect "Add/Remove entry has a quiet uninstall" bash -c "$(declare -f uninstall_key); uninstall_key QuietUninstallString | grep -q 'Uninstall.exe\" /S'"

# --- the installed program starts and saves --------------------------------------------------
KOCFG_EXE="$PROGRAM_DIR/Kocfg.exe"
sim_start
expect "the installed program shows its window" kocfg_start
expect "it saved Mouse.ini into the settings folder" wait_for 20 test -s "$SETTINGS_DIR/Mouse.ini"
kocfg_stop
sim_stop
# A macro of the user's, which the uninstaller must not touch.
printf 'user macro' > "$SETTINGS_DIR/Macro/Mine.macro"
settings_before=$(file_digest "$SETTINGS_DIR/Mouse.ini")

# --- reinstall in English over it: the language follows the choice -------------------------
wine "$SETUP" /S /LANGUAGE=en
expect "the English language file replaced the Chinese one" cmp -s "$PROGRAM_DIR/Strings.xml" "$REPO/assets/Strings.xml"
expect "the English skin replaced the Chinese one, no file of it left" diff -rq "$DIST_DIR/skins" "$PROGRAM_DIR/skins"
expect "the English help file replaced the Chinese one" cmp -s "$PROGRAM_DIR/Zarvocfg.chm" "$DIST_DIR/Zarvocfg.chm"

# --- uninstall --------------------------------------------------------------------------
# The uninstaller copies itself to a temporary folder, starts the copy and returns at once:
# the removal is waited for.
wine "$PROGRAM_DIR/Uninstall.exe" /S
wait_for 60 test ! -e "$PROGRAM_DIR/Uninstall.exe"
wait_for 10 test ! -d "$PROGRAM_DIR"
expect "the program files are gone" bash -c "! ls '$PROGRAM_DIR'/*.exe '$PROGRAM_DIR'/*.dll '$PROGRAM_DIR/skins' >/dev/null 2>&1"
expect "the program folder is gone" test ! -d "$PROGRAM_DIR"
expect "the Start-menu entry is gone" test ! -d "$START_MENU"
no_uninstall_entry() { ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VX48K2GamingMouse' >/dev/null 2>&1; }
expect "the Add/Remove entry is gone" wait_for 20 no_uninstall_entry
expect "the settings file stays, unchanged" test "$(file_digest "$SETTINGS_DIR/Mouse.ini")" = "$settings_before"
expect "the user's macro stays" grep -q 'user macro' "$SETTINGS_DIR/Macro/Mine.macro"
e2e_end
