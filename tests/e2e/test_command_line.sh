#!/usr/bin/env bash
# The command line beside the clicks: profile, stage, export and import, first clicked in
# the window, then given as commands with the window closed and with it open. Each command
# must leave the settings file, the profile file and the service's log exactly as its click
# did, the open window must show the result and keep it on its next click, and a wrong
# command must give its exit code and change nothing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

INI="$SETTINGS_DIR/Mouse.ini"
REF="$E2E_TMP/click"       # what the clicks leave
mkdir -p "$REF" "$E2E_TMP/closed" "$E2E_TMP/open"

message_count() { sim_messages | wc -l; }
messages_since() { sim_messages | tail -n +$(($1 + 1)); }
heard() { [ "$(message_count)" -ge "$1" ]; }
setting_is() { [ "$(ini_get "$INI" Setting "$1")" = "$2" ]; }
same_file() { cmp -s "$1" "$2" || { echo "    $1 differs from $2" >&2; return 1; }; }
same_text() { [ "$1" = "$2" ] || { printf '    got "%s", expected "%s"\n' "$1" "$2" >&2; return 1; }; }
restore_settings() { cp "$E2E_TMP/base.ini" "$INI"; }
# The window alone, the pointer away from every control.
window_shot() { xdotool mousemove 1200 1000; sleep 1; import -window root -crop 888x636+0+0 +repage "$1"; }

# Runs the program with a command from folder $1; its exit code in CODE, its line in OUT.
command_in() { # folder, words...
  local folder="$1"; shift
  CODE=0
  (cd "$folder" && wine "$KOCFG_EXE" "$@" >"$E2E_TMP/command.out" 2>/dev/null) || CODE=$?
  OUT=$(tr -d '\r' <"$E2E_TMP/command.out")
}

# A command must leave the file as the click did, and the service must hear what it heard.
expect_as_clicked() { # step name (click-<step>.ini / .log), words...
  local step="$1" n; shift
  n=$(message_count)
  command_in "$RUN" "$@"
  expect "$RUN_NAME: $* ends with 0" same_text "$CODE" 0
  wait_for 5 heard $((n + $(wc -l <"$REF/$step.log"))) || true
  sleep 0.5
  expect "$RUN_NAME: $* leaves Mouse.ini as the click did" same_file "$INI" "$REF/$step.ini"
  expect "$RUN_NAME: $* sends what the click sent, after the same save" \
    same_text "$(messages_since "$n")" "$(cat "$REF/$step.log")"
}

# Wrong commands: their codes, and nothing written or sent.
expect_wrong_commands_change_nothing() {
  local before n
  before=$(file_digest "$INI"); n=$(message_count)
  command_in "$RUN" /profile 6;            expect "$RUN_NAME: /profile 6 ends with 1" same_text "$CODE" 1
  command_in "$RUN" -stage;                expect "$RUN_NAME: -stage without N ends with 1" same_text "$CODE" 1
  command_in "$RUN" /stage 2x;             expect "$RUN_NAME: /stage 2x ends with 1" same_text "$CODE" 1
  command_in "$RUN" /colour 3;             expect "$RUN_NAME: an unknown word ends with 1" same_text "$CODE" 1
  command_in "$RUN" /export;               expect "$RUN_NAME: /export without FILE ends with 1" same_text "$CODE" 1
  command_in "$RUN" /import missing.prof;  expect "$RUN_NAME: importing a missing file ends with 2" same_text "$CODE" 2
  command_in "$RUN" /export "$(winpath "$E2E_TMP/no/such/folder/W.prof")"
  expect "$RUN_NAME: exporting into a missing folder ends with 2" same_text "$CODE" 2
  sleep 0.5
  expect "$RUN_NAME: the wrong commands left Mouse.ini alone" same_text "$(file_digest "$INI")" "$before"
  expect "$RUN_NAME: the wrong commands sent nothing" same_text "$(message_count)" "$n"
}

# --- the settings every run starts from: the window's first start made them ------------------
fresh_settings
sim_start
kocfg_start || e2e_end
sleep 3   # the other pages are made after the first frame
kocfg_stop
cp "$INI" "$E2E_TMP/base.ini"

# --- the clicks ------------------------------------------------------------------------------
restore_settings
kocfg_start || e2e_end
click_at 148 275; sleep 1     # the button page
n=$(message_count)
click_at 397 139              # profile 3
expect "the profile tab is heard" wait_for 10 heard $((n + 1))
sleep 0.5
cp "$INI" "$REF/profile.ini"; messages_since "$n" >"$REF/profile.log"
window_shot "$REF/profile.png"
click_at 819 523; sleep 1     # back
click_at 148 393; sleep 1     # the performance page
n=$(message_count)
click_at 647 206              # stage 5
expect "the stage button is heard" wait_for 10 heard $((n + 1))
sleep 0.5
cp "$INI" "$REF/stage.ini"; messages_since "$n" >"$REF/stage.log"
window_shot "$REF/stage.png"
click_at 819 523; sleep 1     # back

n=$(message_count)
click_at 534 21               # export: the save dialog
SAVE=$(wait_window "Save As" 15)
focus_window "$SAVE"
type_text "$(winpath "$REF/Work.prof")"
type_keys Return
expect "the export button writes the profile file" wait_for 10 test -f "$REF/Work.prof"
sleep 1
cp "$REF/Work.prof" "$REF/exported.prof"
cp "$INI" "$REF/export.ini"; messages_since "$n" >"$REF/export.log"

n=$(message_count)
click_at 368 21               # import: the open dialog
OPEN=$(wait_window "Open" 15)
focus_window "$OPEN"
type_text "$(winpath "$REF/Work.prof")"
type_keys Return
expect "the import button names the profile file" wait_for 10 setting_is ProfileName Work
wait_for 5 heard $((n + 1)) || true
sleep 1
cp "$INI" "$REF/import.ini"; messages_since "$n" >"$REF/import.log"
kocfg_stop
expect "the clicks were heard: 1298, 1297, nothing, 1279" \
  same_text "$(cat "$REF"/{profile,stage,export,import}.log | cut -d' ' -f1 | tr '\n' ' ')" "1298 1297 1279 "

# --- the commands with the window closed ------------------------------------------------------
RUN="$E2E_TMP/closed"; RUN_NAME="window closed"
restore_settings
expect_as_clicked profile /profile 3
expect "the console hears what was done" same_text "$OUT" "Profile 3 is now active."
n=$(message_count)
command_in "$RUN" /PROFILE 3
expect "the active profile again ends with 0" same_text "$CODE" 0
expect "and changes nothing" same_file "$INI" "$REF/profile.ini"
expect "and sends nothing" same_text "$(message_count)" "$n"
expect_as_clicked stage -stage 5
expect_as_clicked export /export Work.prof   # relative: the caller's folder
expect "the export from a command holds what the button's does" same_file "$RUN/Work.prof" "$REF/exported.prof"
expect_as_clicked import /import Work.prof
expect "the imported file is rewritten as the button rewrites it" same_file "$RUN/Work.prof" "$REF/Work.prof"
expect_wrong_commands_change_nothing
command_in "$RUN" "/?"
expect "/? ends with 0 and prints the usage" same_text "$CODE ${OUT%% Kocfg.exe*}" "0 Usage:"
expect "no window is left behind" test -z "$(xdotool search --onlyvisible --name "^$MAIN_TITLE\$" 2>/dev/null)"

# --- the commands with the window open --------------------------------------------------------
RUN="$E2E_TMP/open"; RUN_NAME="window open"
restore_settings
kocfg_start || e2e_end
sleep 3
click_at 148 275; sleep 1     # the button page
expect_as_clicked profile /profile 3
window_shot "$E2E_TMP/open-profile.png"
expect "the open window shows profile 3 as its tab did" same_region "$E2E_TMP/open-profile.png" "$REF/profile.png" 888x636+0+0
click_at 819 523; sleep 1     # back
click_at 148 393; sleep 1     # the performance page
expect_as_clicked stage /stage 5
window_shot "$E2E_TMP/open-stage.png"
expect "the open window shows stage 5 as its button did" same_region "$E2E_TMP/open-stage.png" "$REF/stage.png" 888x636+0+0
expect_as_clicked export /export Work.prof
expect "the open window's export holds what the button's does" same_file "$RUN/Work.prof" "$REF/exported.prof"
expect_as_clicked import /import Work.prof
expect_wrong_commands_change_nothing

# The window keeps what a command did: its next click saves on top of it.
command_in "$RUN" /profile 2
n=$(message_count)
click_at 429 206              # stage 2
wait_for 10 heard $((n + 1)) || true
sleep 0.5
expect "a click after /profile 2 keeps profile 2 active" setting_is Profile 1
expect "and gives profile 2 the stage" same_text "$(ini_get "$INI" GROUP1 DPI) $(ini_get "$INI" Setting DPI)" "1 1"
kocfg_stop
sim_stop
e2e_end
