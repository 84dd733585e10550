#!/usr/bin/env bash
# The setup program under Wine, in a throw-away copy of the prefix: a silent install with
# the interface language chosen on the command line, a start of the installed program that
# saves into the settings folder, and a silent uninstall that removes the program folder
# and leaves the user's settings and macros in place.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
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

uninstall_key() { wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VX48K2GamingMouse' /v "$1" 2>/dev/null | tr -d '\r'; }

# --- install in Chinese --------------------------------------------------------------------
wine "$SETUP" /S /LANGUAGE=zh-CN
expect "setup ended with status 0" test $? = 0
for f in Kocfg.exe KBHook.dll Strings.xml Zarvocfg.chm Uninstall.exe skins/skin_main.ini skins/skin_button.ini; do
  expect "installed $f" test -f "$PROGRAM_DIR/$f"
done
expect "the Chinese language file was installed" cmp -s "$PROGRAM_DIR/Strings.xml" "$REPO/assets/zh-CN/Strings.xml"
expect "every skin file was installed" diff -rq "$DIST_DIR/skins" "$PROGRAM_DIR/skins"
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
