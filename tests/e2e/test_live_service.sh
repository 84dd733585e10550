#!/usr/bin/env bash
# The program beside a busy device service: the simulator counts clicks into "Mouse.ini"
# every few milliseconds with the profile functions, holds the file open for reading now
# and then, and reports device changes (stage, profile, lighting, new DPI records,
# requests) at random moments, while the real program is driven with real clicks and keys
# across every page: assignments and their dialogs, profile tabs, stages, levels, polling,
# pointer values, lighting, colours, macros, profile export and import. Device changes
# arrive while dialogs are open.
#
# A model of the settings follows every command and every reported change (taken from what
# the simulator wrote to the file before its message). At the end the file must hold all of
# them; the counters, which the simulator raises by reading them and writing them back one
# higher, must hold every increment it made; its own unannounced key must be its last
# value; and the settings folder must hold no stray file. Prints commands, service writes, service events
# and lost updates (which must be 0).
#
# SOAK_COMMANDS (default 36) commands, SOAK_SEED (default random) for the choices of both
# sides; scripts/soak.sh runs the long form. SOAK_TRACE=1 prints the macro list after each
# command (it once went missing under load).
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

COMMANDS="${SOAK_COMMANDS:-36}"
SEED="${SOAK_SEED:-$((RANDOM * 32768 + RANDOM))}"
INI="$SETTINGS_DIR/Mouse.ini"
MACROS="$SETTINGS_DIR/Macro"
RANDOM=$SEED

# The simulator's control messages (busy_service.h): WM_APP + 0x3E0 ...
SIM_EVENTS=$((0x83E0)) SIM_CLICKS=$((0x83E1)) SIM_QUERY=$((0x83E2))
sim_control() { wine "$SERVICE_SIM" --send-to-service "$@" 2>/dev/null | tr -d '\r' | sed -n 's/^result //p'; }
events_on() { sim_control $SIM_EVENTS 1 0 >/dev/null; }
events_off() { sim_control $SIM_EVENTS 0 0 >/dev/null; take_device_changes; }

# --- the model: "section/key" -> the value the file must hold --------------------------------
declare -A MODEL
PROFILE=0        # the active profile, as the model knows it
COMMANDS_DONE=0
COMMAND_FAILURES=0
EVENT_LINES_SEEN=0
PAGE=start

# The profile functions rewrite the file whole (emptied first), so a read from the shell may
# meet it half-written: a value counts once two reads in a row agree.
value() {
  local first second tries=0
  first=$(ini_get "$INI" "$1" "$2")
  while second=$(ini_get "$INI" "$1" "$2"); [ "$first" != "$second" ] || [ -z "$second" ]; do
    tries=$((tries + 1)); [ $tries -lt 10 ] || break
    first=$second; sleep 0.05
  done
  printf '%s\n' "$second"
}
group() { if [ "$1" -lt 1 ]; then echo GROUP; else echo "GROUP$1"; fi; }
remember() { MODEL["$1/$2"]="$3"; }
# Takes the key's value from the file as the command's effect.
remember_from_file() { remember "$1" "$2" "$(value "$1" "$2")"; }
value_is() { [ "$(value "$1" "$2")" = "$3" ]; }
byte_of() { local hex="$1"; echo $((16#${hex:$((2 * $2)):2})); }
notices() { sim_messages | grep -c "^$1 $2 $3 " || true; }
notice_count_reaches() { [ "$(notices "$1" "$2" "$3")" -ge "$4" ]; }

# A command is done when the service heard its notice (sent after the save) and the file
# shows the effect; a command that never gets there is a failure of its own.
command_done() { # description, check...
  local description="$1"; shift
  COMMANDS_DONE=$((COMMANDS_DONE + 1))
  if ! wait_for 20 "$@"; then
    log "command $COMMANDS_DONE ($description) did not take effect (screen: failed-$COMMANDS_DONE.png)"
    screenshot "failed-$COMMANDS_DONE" || true
    COMMAND_FAILURES=$((COMMAND_FAILURES + 1))
  fi
  printf '  %3d %s\n' "$COMMANDS_DONE" "$description" >&2
  [ -z "${SOAK_TRACE:-}" ] || printf '      macro list: %s; first line %s\n' "$(value MACRO_LIST 0)" "$(head -c 30 "$INI" | tr -d '\0\r' | head -1)" >&2
}

# The device changes the simulator reported since the last look, in their order.
take_device_changes() {
  local lines line
  mapfile -t lines < <(grep '^# event ' "$SIM_LOG" || true)
  for line in "${lines[@]:$EVENT_LINES_SEEN}"; do
    set -- $line  # "#" "event" message ...
    case "$3 $4" in
      "1285 8")
        remember Setting DPI "$5"
        remember "$(group "$PROFILE")" DPI "$5" ;;
      "1285 9")
        PROFILE=$5
        remember Setting Profile "$5" ;;
      "1285 10")
        case "$5" in 1) remember Setting LedMode 3 ;; 2) remember Setting LedMode 4 ;; 4|16) remember Setting LedMode 2 ;;
          *) remember Setting LedMode 1 ;; esac
        if [ "$5" = 16 ]; then remember Setting LedStateOn 0; else remember Setting LedStateOn 1; fi ;;
      "1224 stage")
        remember Setting "DPI_INFO$(($5 + 1))" "$(record_hex 0 "$7" "$7" "$7")" ;;
    esac
  done
  EVENT_LINES_SEEN=${#lines[@]}
}

# --- getting around ------------------------------------------------------------------------
click() { click_at "$1" "$2"; sleep 0.5; }
point_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousemove "$(($1 + 1))" "$2"; sleep 0.6; }
go() { # page: start buttons performance lighting macros
  [ "$PAGE" = "$1" ] && return 0
  [ "$PAGE" = start ] || click 819 523  # back
  case "$1" in
    buttons) click 148 275 ;;
    performance) click 148 393 ;;
    lighting) click 771 275 ;;
    macros) click 771 393 ;;
  esac
  PAGE=$1
}
# Waits for a dialog's window; its X id in $DIALOG.
dialog_opens() { DIALOG=$(wait_window "$1" 20) || { log "no window \"$1\""; DIALOG=""; return 1; }; sleep 0.5; }
dialog_gone() { wait_for 20 bash -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null"; }
OK=(217 263) CANCEL=(322 263)

# --- the commands --------------------------------------------------------------------------
SLOT_TOPS=(219 249 278 308 337 367 396 426 455)

# Opens the assignment menu of slot s (1..8: buttons 2..9; button 1 keeps the left click).
open_slot_menu() { go buttons; click 384 $((SLOT_TOPS[$1] + 11)); sleep 0.5; }
menu_item_y() { echo $((SLOT_TOPS[$1] + 23 + 24 * $2 + 12)); }  # slot, item (0-based)
# After an assignment: the notice names the profile the choice began in; the record is
# then taken whole from the file.
assignment_done() { # description, profile, slot, expected code or "", count before
  local section; section=$(group "$2")
  command_done "$1" notice_count_reaches 1299 "$2" "$3" $(($5 + 1))
  local hex; hex=$(value "$section" "ButtonAssigned$(($3 + 1))")
  if [ -n "$4" ] && [ "$(byte_of "$hex" 1)" != "$4" ]; then
    log "  button $(($3 + 1)) of profile $2 holds code $(byte_of "$hex" 1), expected $4"
    COMMAND_FAILURES=$((COMMAND_FAILURES + 1))
  fi
  remember "$section" "ButtonAssigned$(($3 + 1))" "$hex"
}

cmd_plain_assignment() {
  local s=$((1 + RANDOM % 8)) pick=$((RANDOM % 6)) before
  local items=(1 2 3 4 5 12) codes=(2 3 4 10 11 7)
  local p=$PROFILE; before=$(notices 1299 "$p" "$s")
  open_slot_menu "$s"
  click 370 "$(menu_item_y "$s" "${items[pick]}")"
  assignment_done "button $((s + 1)) of profile $((p + 1)): code ${codes[pick]}" "$p" "$s" "${codes[pick]}" "$before"
}

cmd_advanced_assignment() {
  local s=$((1 + RANDOM % 8)) pick=$((RANDOM % 7)) before
  local items=(0 1 2 3 4 6 7) codes=(100 99 12 13 14 23 24)
  local p=$PROFILE; before=$(notices 1299 "$p" "$s")
  open_slot_menu "$s"
  local top=$((SLOT_TOPS[s] + 23 + 24 * 7))
  point_at 370 $((top + 12))
  click 528 $((top + 24 * items[pick] + 12))
  assignment_done "button $((s + 1)) of profile $((p + 1)): advanced code ${codes[pick]}" "$p" "$s" "${codes[pick]}" "$before"
}

# The dialogs of the advanced sub-menu, with the service reporting changes while they are
# open: their result belongs to the profile and button of the choice.
cmd_dialog_assignment() {
  local s=$((1 + RANDOM % 4)) kind=$((RANDOM % 4)) before
  local p=$PROFILE; before=$(notices 1299 "$p" "$s")
  open_slot_menu "$s"
  local top=$((SLOT_TOPS[s] + 23 + 24 * 7))
  point_at 370 $((top + 12))
  local title code="" keys=(a b c d e f g h) letter
  case $kind in
    0) title="Key capture"; click 528 $((top + 24 * 9 + 12)) ;;
    1) title="Rapid fire"; code=101; click 528 $((top + 24 * 10 + 12)) ;;
    2) title="DPI shift"; code=15; click 528 $((top + 24 * 5 + 12)) ;;
    3) title="XShoot"; click 528 $((top + 24 * 8 + 12)) ;;
  esac
  if dialog_opens "$title"; then
    events_on
    sleep $((1 + RANDOM % 3))  # the service's reports arrive meanwhile
    case $kind in
      0) letter=${keys[RANDOM % 8]}; xdotool mousemove 200 150; sleep 0.3; type_keys "$letter"; sleep 0.3
         code=5; click "${OK[@]}" ;;
      1|2) click "${OK[@]}" ;;
      3) click "${CANCEL[@]}" ;;  # cancelled: the record stays, the save and notice follow all the same
    esac
    dialog_gone "$title" || true
  fi
  events_off
  assignment_done "button $((s + 1)) of profile $((p + 1)): $title dialog, reports meanwhile" "$p" "$s" "$code" "$before"
  if [ "$kind" = 0 ]; then
    local hex; hex=$(value "$(group "$p")" "ButtonAssigned$((s + 1))")
    local usage=$(( $(printf '%d' "'$letter") - 97 + 4 ))
    [ "$(byte_of "$hex" 5)" = "$usage" ] || { log "  key capture stored usage $(byte_of "$hex" 5), expected $usage"; COMMAND_FAILURES=$((COMMAND_FAILURES + 1)); }
  fi
}

cmd_macro_assignment() {
  local s=$((1 + RANDOM % 4)) before p=$PROFILE
  before=$(notices 1299 "$p" "$s")
  open_slot_menu "$s"
  click 370 "$(menu_item_y "$s" 6)"
  if dialog_opens Macro; then
    events_on
    sleep 1
    click "${OK[@]}"  # the chooser opens on a macro: OK names it
    dialog_gone Macro || true
  fi
  events_off
  assignment_done "button $((s + 1)) of profile $((p + 1)): macro chooser, reports meanwhile" "$p" "$s" 6 "$before"
}

cmd_profile_tab() {
  local k=$((RANDOM % 5)) before
  [ "$k" = "$PROFILE" ] && k=$(( (k + 1) % 5 ))
  go buttons
  before=$(notices 1298 0 0)
  click $((255 + 71 * k)) 139
  PROFILE=$k
  remember Setting Profile "$k"
  command_done "profile tab $((k + 1))" notice_count_reaches 1298 0 0 $((before + 1))
}

STAGE_X=(360 431 503 574 645 717)
cmd_stage() {
  local k=$((RANDOM % 6)) before
  go performance
  before=$(notices 1297 0 0)
  click "${STAGE_X[k]}" 206
  remember Setting DPI "$k"
  remember "$(group "$PROFILE")" DPI "$k"
  command_done "stage $((k + 1))" notice_count_reaches 1297 0 0 $((before + 1))
}

cmd_level() {
  local stage level current x before
  go performance
  stage=${MODEL[Setting/DPI]}
  current=$(byte_of "${MODEL[Setting/DPI_INFO$((stage + 1))]}" 4)
  level=$((1 + RANDOM % 12))
  [ "$level" = "$current" ] && level=$((level % 12 + 1))
  # The track spans x 327..752 for levels 1..12.
  x=$((330 + (level - 1) * 419 / 11))
  before=$(notices 1302 "$stage" 0)
  click "$x" 325
  command_done "level $level of stage $((stage + 1))" notice_count_reaches 1302 "$stage" 0 $((before + 1))
  remember_from_file Setting "DPI_INFO$((stage + 1))"
  [ "$(byte_of "${MODEL[Setting/DPI_INFO$((stage + 1))]}" 4)" = "$level" ] ||
    { log "  stage $((stage + 1)) holds level $(byte_of "${MODEL[Setting/DPI_INFO$((stage + 1))]}" 4)"; COMMAND_FAILURES=$((COMMAND_FAILURES + 1)); }
}

cmd_polling() {
  local k=$((RANDOM % 4)) xs=(378 486 593 701) rates=(8 4 2 1)
  go performance
  click "${xs[k]}" 483
  remember Setting PollingRate "${rates[k]}"
  command_done "polling rate ${rates[k]}" value_is Setting PollingRate "${rates[k]}"
}

cmd_pointer() {
  local k=$((RANDOM % 5)) before
  go performance
  case $k in
    0|1) before=$(notices 1296 0 0); click $([ $k = 0 ] && echo 186 || echo 88) 206
         command_done "double-click speed $([ $k = 0 ] && echo up || echo down)" notice_count_reaches 1296 0 0 $((before + 1))
         remember_from_file Setting DoubleClickSpeed ;;
    2|3) before=$(notices 1295 0 0); click $([ $k = 2 ] && echo 186 || echo 88) 326
         command_done "wheel lines $([ $k = 2 ] && echo up || echo down)" notice_count_reaches 1295 0 0 $((before + 1))
         remember_from_file Setting WheelScrollLines ;;
    4) before=$(notices 1297 255 255); click 243 431
       command_done "acceleration switch" notice_count_reaches 1297 255 255 $((before + 1))
       remember_from_file Setting AccelerationEnabled ;;
  esac
}

cmd_lighting() {
  local k=$((RANDOM % 4)) before
  go lighting
  before=$(notices 1227 0 0)
  case $k in
    0) click 116 185; remember Setting LedStateOn 1; local what="light on" ;;
    1) click 221 185; remember Setting LedStateOn 0; local what="light off" ;;
    2) local m=$((1 + RANDOM % 4)); click 392 221; sleep 0.5; click 392 $((243 + 24 * (m - 1))); local what="lighting mode item $m" ;;
    3) local x=$((70 + RANDOM % 180)) y=$((260 + RANDOM % 180)); click "$x" "$y"; local what="colour at $x,$y" ;;
  esac
  command_done "$what" notice_count_reaches 1227 0 0 $((before + 1))
  remember_from_file Setting LedStateOn
  remember_from_file Setting LedMode
  remember_from_file Setting LedColor
}

cmd_macro() {
  go macros
  local names before
  before=$(ls "$MACROS" | wc -l)
  click 240 151  # new
  command_done "new macro" bash -c "[ \$(ls '$MACROS' | wc -l) -gt $before ]"
  click 294 516  # record
  focus_window "$MAIN"
  type_keys a b
  click 177 516  # stop
  sleep 0.5
  click 292 151  # delete: the warning, with reports meanwhile
  if dialog_opens Warning; then
    events_on
    sleep 1
    focus_window "$DIALOG"
    type_keys Return
    dialog_gone Warning || true
  fi
  events_off
  command_done "recorded and deleted it" bash -c "[ \$(ls '$MACROS' | wc -l) -eq $before ]"
}

cmd_export_import() {
  go start
  local title="soak-$COMMANDS_DONE" before
  local file="$E2E_TMP/$title.prof"
  click 534 21  # export: the save dialog
  if dialog_opens "Save As"; then
    focus_window "$DIALOG"; type_text "$(winpath "$file")"; type_keys Return
  fi
  command_done "export" test -f "$file"
  before=$(notices 1279 0 0)
  click 368 21  # import: the open dialog
  if dialog_opens Open; then
    focus_window "$DIALOG"; type_text "$(winpath "$file")"; type_keys Return
  fi
  command_done "import" notice_count_reaches 1279 0 0 $((before + 1))
  # What was exported comes back, with the first profile active.
  local key
  for key in "${!MODEL[@]}"; do
    MODEL[$key]=$(ini_get "$file" "${key%%/*}" "${key#*/}")
  done
  PROFILE=0
  remember Setting Profile 0
  remember Setting ProfileName "$title"
}

# --- the run -------------------------------------------------------------------------------
e2e_begin
fresh_settings
# One macro from the start, for the macro chooser; the soak never deletes it.
mkdir -p "$MACROS"
printf '[Setting]\r\nCount=0\r\nLoopTime=2\r\n' >"$MACROS/Keep.macro"
# A starting file in the order the program writes one: settings, profiles, macro list last.
printf '[Setting]\r\nProfile=0\r\nLeftCount=0\r\nRightCount=0\r\n[GROUP]\r\nDPI=1\r\n[GROUP1]\r\nDPI=1\r\n[GROUP2]\r\nDPI=1\r\n[GROUP3]\r\nDPI=1\r\n[GROUP4]\r\nDPI=1\r\n[MACRO_LIST]\r\n0=Keep\r\n' >"$INI"

log "seed $SEED, $COMMANDS commands"
sim_start --busy --seed "$SEED"
events_off
kocfg_start || { log "the program did not start"; exit 1; }
MAIN=$KOCFG_WINDOW
wait_for 20 bash -c "grep -qa 'D.P.I._.I.N.F.O.1\|DPI_INFO1' '$INI'"
sleep 1

# The starting point: every value the commands and reports touch, as start-up wrote it.
for key in Profile DPI PollingRate DoubleClickSpeed WheelScrollLines AccelerationEnabled LedStateOn LedMode LedColor \
  DPI_INFO1 DPI_INFO2 DPI_INFO3 DPI_INFO4 DPI_INFO5 DPI_INFO6; do
  remember_from_file Setting "$key"
done
for p in 0 1 2 3 4; do
  remember_from_file "$(group $p)" DPI
  for b in 2 3 4 5 6 7 8 9; do remember_from_file "$(group $p)" "ButtonAssigned$b"; done
done

WEIGHTED=(plain_assignment plain_assignment advanced_assignment dialog_assignment dialog_assignment
  macro_assignment profile_tab profile_tab stage stage level polling pointer pointer lighting lighting)
# Every kind of command at least once, then random ones.
ORDER=(dialog_assignment plain_assignment stage level polling pointer lighting profile_tab advanced_assignment
  macro_assignment macro export_import)
while [ "$COMMANDS_DONE" -lt "$COMMANDS" ]; do
  if [ ${#ORDER[@]} -gt 0 ]; then
    next=${ORDER[0]}; ORDER=("${ORDER[@]:1}")
  elif [ $((RANDOM % 40)) = 0 ]; then
    next=macro
  elif [ $((RANDOM % 60)) = 0 ]; then
    next=export_import
  else
    next=${WEIGHTED[RANDOM % ${#WEIGHTED[@]}]}
    # Now and then the reports come while nothing is open.
    if [ $((RANDOM % 6)) = 0 ]; then events_on; sleep 2; events_off; fi
  fi
  "cmd_$next"
done

# --- the end: everything either side wrote is in the file ----------------------------------
events_off
sim_control $SIM_CLICKS 0 0 >/dev/null  # no click after this one
sleep 1
LEFT=$(sim_control $SIM_QUERY 0 0)
RIGHT=$(sim_control $SIM_QUERY 1 0)
WRITES=$(sim_control $SIM_QUERY 2 0)
EVENTS=$(sim_control $SIM_QUERY 3 0)
LONG_READS=$(sim_control $SIM_QUERY 4 0)
FIRMWARE=$(sim_control $SIM_QUERY 5 0)

LOST=0
for key in $(printf '%s\n' "${!MODEL[@]}" | sort); do
  got=$(value "${key%%/*}" "${key#*/}")
  if [ "$got" != "${MODEL[$key]}" ]; then
    log "lost: $key holds '$got', expected '${MODEL[$key]}'"
    LOST=$((LOST + 1))
  fi
done
[ "${FIRMWARE:-0}" = 0 ] || { got=$(value Setting FirmwareVersion)
  [ "$got" = "$FIRMWARE" ] || { log "lost: FirmwareVersion holds '$got', the service wrote $FIRMWARE"; LOST=$((LOST + 1)); }; }
for counter in "LeftCount $LEFT" "RightCount $RIGHT"; do
  set -- $counter
  got=$(value Setting "$1")
  if [ "$got" != "$2" ]; then log "lost: $1 holds '$got', the service's increments make $2"; LOST=$((LOST + 1)); fi
done
stray=$(cd "$SETTINGS_DIR" && find . -mindepth 1 ! -name Mouse.ini ! -path ./Macro ! -path ./Macro/Keep.macro | sort)

printf 'commands %s, service writes %s (long reads %s), service events %s, lost updates %s\n' \
  "$COMMANDS_DONE" "$WRITES" "$LONG_READS" "$EVENTS" "$LOST"
expect "every command took effect ($COMMAND_FAILURES failed)" test "$COMMAND_FAILURES" = 0
expect "no update of either side was lost" test "$LOST" = 0
expect "the service reported changes ($EVENTS)" test "${EVENTS:-0}" -gt 0
expect "the counters are the service's own count ($LEFT, $RIGHT)" test "${LEFT:-0}" -gt 0
expect "no stray file in the settings folder${stray:+: $stray}" test -z "$stray"
expect "the macro list holds the kept macro only" test "$(ini_get "$INI" MACRO_LIST 0)" = Keep

kocfg_stop
sim_stop
e2e_end
