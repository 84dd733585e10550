# The harness of the end-to-end tests: the real programs under Wine on a private Xvfb.
# Sourced by each tests/e2e/test_*.sh, which then calls e2e_begin first and e2e_end last.
#
#   e2e_begin                     private Xvfb, fresh work folder $E2E_TMP, clean-up on exit
#   fresh_settings                empty settings folder ($SETTINGS_DIR, see below)
#   sim_start [--settings <dir>]  the device-service simulator, logging to $SIM_LOG
#   sim_send <msg> <w> <l>        the "service" sends to the main window; prints "result N"
#   sim_messages                  the messages the simulator received, one line each
#   sim_stop
#   kocfg_start [exe] / kocfg_stop  the program, from the program folder $DIST_DIR (or another)
#   wait_window <title> [secs]    prints the X window id once a window with that title shows
#   click_at <x> <y> [button]     window coordinates: the program's window sits at (0, 0)
#   drag <x0> <y0> <x1> <y1>      a left-button drag (HOLD=seconds before moving)
#   focus_window <id>             give a window the keyboard before typing
#   type_keys <key>...            xdotool key names ("a", "shift", "F5", "ctrl+c")
#   type_text <text>
#   screenshot <name>             the whole screen as $E2E_TMP/<name>.png
#   wait_for <secs> <command...>  polls until the command succeeds; fails on timeout
#   file_digest <file>            "<FNV-1a 64> <size>" as the simulator logs it ("absent 0")
#   ini_get / ini_set             a value of an INI file as the profile functions see it
#   record_hex <words...>         a settings record's stored value
#   expect <description> <command...>   records a failed check; e2e_end exits non-zero
#
# Settings folder. The program (and the simulator by default) take it from %APPDATA%, which
# in the Wine prefix is $APPDATA_DIR. fresh_settings deletes "$APPDATA_DIR/VX48K2" so each
# test starts from no settings at all. The prefix is shared, so tests in one prefix must
# run one after another (scripts/test.sh does); a parallel run needs its own prefix
# (KOCFG_WINEPREFIX).
#
# Processes. Only what this harness started is stopped: each is recorded in E2E_PIDS and
# ended at exit. The Wine server is shared and is never killed.
export KOCFG_PREFIX_NAME="${KOCFG_PREFIX_NAME:-test-wineprefix}"  # never the run command's prefix
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"
source "$REPO/scripts/xvfb.sh"

# E2E_NAME may be given, so that a second run of a scenario (the long soak) beside the test
# command keeps its own work folder and service log.
E2E_NAME="${E2E_NAME:-$(basename "${0%.sh}")}"
E2E_TMP="$BUILD_DIR/e2e/$E2E_NAME"
COMPANIONS_DIR="$WIN_DIR/companions"
SERVICE_SIM="$COMPANIONS_DIR/service_sim.exe"
HOOK_PROBE="$COMPANIONS_DIR/hook_probe.exe"
KOCFG_EXE="$DIST_DIR/Kocfg.exe"
MAIN_TITLE="VX48K2 Gaming Mouse"
APPDATA_DIR="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming"
SETTINGS_DIR="$APPDATA_DIR/VX48K2/RoduraZoviv"
SIM_LOG="$E2E_TMP/service.log"
E2E_PIDS=()
E2E_FAILURES=0

e2e_begin() {
  rm -rf "$E2E_TMP"
  mkdir -p "$E2E_TMP"
  start_xvfb
  trap e2e_cleanup EXIT
  log "$E2E_NAME on $DISPLAY, work folder $E2E_TMP"
}

e2e_end() {
  if [ "$E2E_FAILURES" = 0 ]; then log "$E2E_NAME passed"; exit 0; fi
  log "$E2E_NAME: $E2E_FAILURES check(s) failed"
  exit 1
}

e2e_cleanup() {
  local status=$? pid
  for pid in "${E2E_PIDS[@]}"; do
    if pid_running "$pid"; then kill "$pid" 2>/dev/null || true; fi
  done
  for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  stop_xvfb
  # A scenario that stops early (a failed command under set -e) after failed checks must
  # not end as a success.
  if [ "$status" = 0 ] && [ "$E2E_FAILURES" != 0 ]; then status=1; fi
  exit "$status"
}

expect() { # description, command...
  local description="$1"; shift
  if "$@"; then
    printf '  ok   %s\n' "$description" >&2
  else
    printf '  FAIL %s\n' "$description" >&2
    E2E_FAILURES=$((E2E_FAILURES + 1))
  fi
}

# A Unix path as Wine's programs see it (drive Z: is the Unix root in the prefix).
winpath() { local path="$1"; printf 'Z:%s' "${path//\//\\}"; }

wait_for() { # seconds, command...
  local deadline=$((SECONDS + $1)); shift
  until "$@" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# Starts a program in the background, output to $E2E_TMP/<name>.out; its pid in $SPAWNED.
e2e_spawn() { # name, command...
  local name="$1"; shift
  "$@" >"$E2E_TMP/$name.out" 2>&1 &
  SPAWNED=$!
  E2E_PIDS+=("$SPAWNED")
}

# An ended child stays a zombie until waited for, and kill -0 still finds a zombie.
pid_running() { local state; state=$(ps -o stat= -p "$1" 2>/dev/null) && [ "${state#Z}" = "$state" ]; }

wait_pid_gone() { # pid, seconds
  local deadline=$((SECONDS + $2))
  while pid_running "$1"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
  wait "$1" 2>/dev/null || true
}

fresh_settings() {
  rm -rf "$APPDATA_DIR/VX48K2"
  mkdir -p "$SETTINGS_DIR"
}

# --- the device-service simulator ------------------------------------------------------
sim_start() { # extra simulator options (e.g. --settings <windows path>)
  rm -f "$SIM_LOG"
  e2e_spawn service_sim wine "$SERVICE_SIM" --log "$(winpath "$SIM_LOG")" "$@"
  SIM_PID=$SPAWNED
  # The first Wine program of a test run on a loaded machine can take most of a minute to
  # come up (the Wine server and the prefix's first use on this display).
  wait_for 120 grep -q '^# service_sim ready' "$SIM_LOG" || { log "the simulator did not start"; return 1; }
}

sim_stop() {
  [ -n "${SIM_PID:-}" ] || return 0
  wine "$SERVICE_SIM" --quit || true
  wait_pid_gone "$SIM_PID" 10 || kill "$SIM_PID" 2>/dev/null || true
  SIM_PID=""
}

sim_send() { wine "$SERVICE_SIM" --send "$@"; }

# Received messages only: "<message> <wParam> <lParam> <digest> <size>".
sim_messages() { grep -E '^[0-9]' "$SIM_LOG" || true; }

# The FNV-1a 64 digest of a file and its size, in the simulator's log format. Bash
# arithmetic is 64-bit and wraps, which is exactly the hash's modulo 2^64.
file_digest() {
  local file="$1" hash byte size
  [ -f "$file" ] || { echo "absent 0"; return; }
  hash=$((0xcbf29ce484222325))
  for byte in $(od -An -v -tu1 "$file"); do
    hash=$(( (hash ^ byte) * 0x100000001b3 ))
  done
  size=$(stat -c %s "$file")
  printf '%016x %s\n' "$hash" "$size"
}

# --- the program -------------------------------------------------------------------------
kocfg_start() { # [executable: another program folder's Kocfg.exe]
  local exe="${1:-$KOCFG_EXE}"
  [ -f "$exe" ] || { log "no $exe"; return 1; }
  e2e_spawn kocfg wine "$exe"
  KOCFG_PID=$SPAWNED
  KOCFG_WINDOW=$(wait_window "$MAIN_TITLE" 60) || { log "the main window did not appear"; return 1; }
}

# A close that does not end the program is a failed check, not something to tidy away:
# the process is ended only so that the next scenario starts clean.
kocfg_stop() {
  [ -n "${KOCFG_PID:-}" ] || return 0
  wine "$SERVICE_SIM" --send 16 0 0 >/dev/null 2>&1 || true  # WM_CLOSE, as the close button
  if ! expect "the program ends when it is closed" wait_pid_gone "$KOCFG_PID" 15; then
    kill "$KOCFG_PID" 2>/dev/null || true
  fi
  KOCFG_PID=""
}

# --- the screen ---------------------------------------------------------------------------
wait_window() { # title, seconds (default 30)
  local id=""
  wait_for "${2:-30}" bash -c "xdotool search --onlyvisible --name '^$1\$' >/dev/null" || return 1
  id=$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)
  echo "$id"
}

# No --sync: when the pointer already stands there, xdotool waits in vain for a movement
# (about 15 s); the X server handles the move before the click in any case.
click_at() { # x, y, button (default 1)
  xdotool mousemove "$1" "$2" click "${3:-1}"
}

# Without a window manager X gives the keyboard to the window under the pointer; Wine only
# sees (and its low-level hooks only report) keys that reach one of its own windows.
focus_window() { # X window id
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
  xdotool windowfocus --sync "$1" 2>/dev/null || true
}

# A left-button drag through the midpoint. HOLD (seconds, default 0.2) is how long the
# button stays down before the pointer moves: a press that first closes a popup needs
# longer, as hiding a popup waits about 2 s under Wine without a window manager.
drag() { # x0 y0 x1 y1
  xdotool mousemove "$1" "$2"; sleep 0.2
  xdotool mousedown 1; sleep "${HOLD:-0.2}"
  xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 )); sleep 0.2
  xdotool mousemove "$3" "$4"; sleep 0.2
  xdotool mouseup 1; sleep 0.5
}

type_keys() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 60 "$1"; }

screenshot() { # name
  import -window root "$E2E_TMP/$1.png"
  echo "$E2E_TMP/$1.png"
}

# --- settings files ------------------------------------------------------------------------
# A value of an INI file as the profile functions see it (UTF-16 with a BOM or ANSI);
# empty when the key is missing.
ini_get() { # file, section, key
  [ -f "$1" ] || return 0
  local text
  if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' ')" = "fffe" ]; then
    text=$(iconv -f UTF-16LE -t UTF-8 "$1" | sed '1s/^\xEF\xBB\xBF//')
  else
    text=$(cat "$1")
  fi
  awk -v section="$2" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = (tolower($0) == "[" tolower(section) "]"); next }
    inside { eq = index($0, "="); if (eq && tolower(substr($0, 1, eq - 1)) == tolower(key)) { print substr($0, eq + 1); exit } }
  ' <<<"$text"
}

# Sets a value of an INI file in place, as another program (the device service) would,
# keeping the file's encoding; the key is added at the end of its section when missing.
ini_set() { # file, section, key, value
  python3 - "$@" <<'PY'
import sys
path, section, key, value = sys.argv[1:5]
data = open(path, "rb").read()
utf16 = data[:2] == b"\xff\xfe"
text = data[2:].decode("utf-16-le") if utf16 else data.decode("cp1252")
lines = text.split("\r\n")
inside, at, end = False, None, None
for i, line in enumerate(lines):
    s = line.strip()
    if s.startswith("["):
        if inside: break
        inside = s[1:s.find("]")].strip().lower() == section.lower()
        end = i + 1 if inside else end
        continue
    if inside and "=" in line:
        end = i + 1
        if line.split("=", 1)[0].strip().lower() == key.lower():
            at = i
            break
if end is None: sys.exit("no section " + section)
if at is not None: lines[at] = key + "=" + value
else: lines.insert(end, key + "=" + value)
text = "\r\n".join(lines)
open(path, "wb").write(b"\xff\xfe" + text.encode("utf-16-le") if utf16 else text.encode("cp1252"))
PY
}

# A settings record's value: the words' little-endian bytes in hexadecimal and their byte
# sum, as the program stores records.
record_hex() { # words...
  local w i byte sum=0 out=""
  for w in "$@"; do
    for i in 0 1 2 3; do
      byte=$(( (w >> (8 * i)) & 255 )); sum=$(( sum + byte )); out+=$(printf '%02X' "$byte")
    done
  done
  printf '%s%02X' "$out" $(( sum & 255 ))
}

# Whether two pictures agree over a rectangle (every pixel the same).
same_region() { # picture-a, picture-b, geometry (WxH+X+Y)
  local differing
  convert "$1" -crop "$3" +repage "$E2E_TMP/.region-a.png"
  convert "$2" -crop "$3" +repage "$E2E_TMP/.region-b.png"
  differing=$(compare -metric AE "$E2E_TMP/.region-a.png" "$E2E_TMP/.region-b.png" null: 2>&1) || true
  [ "${differing%% *}" = 0 ]
}
