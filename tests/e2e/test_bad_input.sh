#!/usr/bin/env bash
# The program on files a user should never have, but may: a settings file of random bytes,
# one of 50 MB, a UTF-16 file with odd units, corrupt ".macro" files, a skin folder with
# cut-off pictures and a malformed "Strings.xml". Each time the window must appear and the
# program keep running, the file it leaves must be a valid settings file, and the next save
# (the service reporting a profile switch) must write sound values.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin

INI="$SETTINGS_DIR/Mouse.ini"

# Checks the settings file as the profile functions read it (first matching section, first
# matching key): every key of a save present, records of the right length, and with
# `sound`, the values the validation guarantees (a start-up writes back what it read; the
# repairs reach the file with the next save).
settings_valid() { # file, [sound]
  python3 - "$1" "${2:-}" <<'PY'
import sys
path, sound = sys.argv[1], sys.argv[2] == "sound"
data = open(path, "rb").read()
text = data[2:].decode("utf-16-le", "surrogatepass") if data[:2] == b"\xff\xfe" else data.decode("cp1252", "replace")
sections = {}
current = None
for line in text.replace("\r\n", "\n").replace("\r", "\n").split("\n"):
    s = line.strip(" \t")
    if s.startswith("[") and "]" in s:
        current = s[1:s.rindex("]")].strip(" \t").lower()
        sections.setdefault(current, {})
        continue
    if current is None or "=" not in line or s.startswith(";"):
        continue
    key, value = line.split("=", 1)
    sections[current].setdefault(key.strip(" \t").lower(), value.strip(" \t"))
def get(section, key):
    return sections.get(section.lower(), {}).get(key.lower())
problems = []
def integer(section, key, low=None, high=None):
    v = get(section, key)
    if v is None or not v.lstrip("-").isdigit():
        problems.append(f"{section}/{key} = {v!r}")
    elif low is not None and not (low <= int(v) <= high):
        problems.append(f"{section}/{key} = {v} out of {low}..{high}")
def record(section, key, size):
    v = get(section, key)
    if v is None or len(v) != 2 * (size + 1) or any(c not in "0123456789ABCDEF" for c in v):
        problems.append(f"{section}/{key} is no {size}-byte record")
for key in ["LeftCount", "RightCount", "WheelScrollLines", "MouseSensitivity", "DoubleClickSpeed",
            "AccelerationEnabled", "Acceleration", "UniversalScrollEnabled", "DPI", "LedStateOn", "LedColor", "LedMode"]:
    integer("Setting", key)
integer("Setting", "Profile", *((0, 4) if sound else (None, None)))
integer("Setting", "MouseButtons", *( (1, 11) if sound else (None, None)))
integer("Setting", "TrayEnabled", *((0, 1) if sound else (None, None)))
integer("Setting", "PollingRate", *((1, 8) if sound else (None, None)))
for i in range(1, 7):
    record("Setting", f"DPI_INFO{i}", 16)
    record("Setting", f"LED_MODE_INFO{i}", 12)
for group in ["GROUP", "GROUP1", "GROUP2", "GROUP3", "GROUP4"]:
    integer(group, "DPI")
    for i in range(1, 12):
        record(group, f"ButtonAssigned{i}", 644)
for p in problems[:8]:
    print("   ", p, file=sys.stderr)
sys.exit(1 if problems else 0)
PY
}

still_running() { pid_running "$KOCFG_PID"; }
# A message sent while the window is still busy (reading and writing back a 50 MB file takes
# it well over the service's 15 s under a loaded machine) is dropped when the send gives
# up: the case waits until the window answers a message that changes nothing.
window_answers() { wine "$SERVICE_SIM" --send 1282 0 0 >/dev/null 2>&1; }
profile_saved() { test "$(ini_get "$INI" Setting Profile 2>/dev/null)" = "$1"; }

# Starts the program (from `exe`, default the built program folder), checks it came up and
# stays up, makes it save once, checks the file and closes it.
run_case() { # name, [exe]
  local name="$1" exe="${2:-$KOCFG_EXE}"
  log "case: $name"
  sim_start
  if kocfg_start "$exe"; then
    expect "$name: the window appears" test -n "$KOCFG_WINDOW"
    sleep 1
    expect "$name: the program keeps running" still_running
    cp "$(screenshot "case-$name")" "$E2E_TMP/window-$name.png"
    expect "$name: after start-up the file is a valid settings file" settings_valid "$INI"
    wait_for 180 window_answers || true
    sim_send 1285 9 2 >/dev/null || true   # the mouse switched to profile 3: reload, change, save
    expect "$name: the next save writes sound values" wait_for 20 settings_valid "$INI" sound
    # A 50 MB file takes the program seconds to read and write back under a loaded machine; the
    # save that carries the profile may land after another one that only repaired values.
    expect "$name: the profile the service reported is saved" wait_for 60 profile_saved 2
    expect "$name: still running after the save" still_running
    wait_for 180 window_answers || true
  else
    expect "$name: the window appears" false
  fi
  kocfg_stop
  sim_stop
}

random_bytes() { # count, seed
  python3 -c "import random,sys; r=random.Random($2); sys.stdout.buffer.write(bytes(r.getrandbits(8) for _ in range($1)))"
}

# --- damaged settings files -------------------------------------------------------------
fresh_settings
random_bytes 70000 1 > "$INI"
run_case random-bytes

fresh_settings
# 50 MB: long lines, many sections, and a "Setting" section far down the file.
python3 - "$INI" <<'PY'
import random, sys
r = random.Random(7)
with open(sys.argv[1], "wb") as f:
    line = b"FillerKey%d=" + b"x" * 200 + b"\r\n"
    written = 0
    n = 0
    while written < 50 * 1024 * 1024:
        if n % 5000 == 0:
            chunk = b"[Filler%d]\r\n" % n
        else:
            chunk = line % n
        f.write(chunk); written += len(chunk); n += 1
    f.write(b"[Setting]\r\nProfile=9\r\nPollingRate=0\r\nMouseButtons=77\r\n")
PY
big_before=$(stat -c %s "$INI")
run_case fifty-megabytes
expect "fifty-megabytes: the other writers' lines are all still there" \
  test "$(grep -c '^FillerKey' "$INI")" -ge 200000
log "50 MB file: $big_before bytes before, $(stat -c %s "$INI") after"

fresh_settings
python3 - "$INI" <<'PY'
import random, sys
r = random.Random(3)
units = [0xD800, 0xDC00, 0xFFFF, 0xFFFE, 0x0000, 0x005B, 0x005D, 0x003D, 0x000D, 0x000A, 0x00E9, 0x20AC]
body = "[Setting]\r\nProfile=\ud800\r\nPollingRate=3\r\n[GROUP]\r\nButtonAssigned1=ZZ\r\n".encode("utf-16-le", "surrogatepass")
body += b"".join(r.choice(units).to_bytes(2, "little") for _ in range(20000))
open(sys.argv[1], "wb").write(b"\xff\xfe" + body + b"\x41")  # and an odd last byte
PY
run_case utf16-odd-units

# --- corrupt macro files ----------------------------------------------------------------
fresh_settings
mkdir -p "$SETTINGS_DIR/Macro"
random_bytes 5000 11 > "$SETTINGS_DIR/Macro/Random.macro"
: > "$SETTINGS_DIR/Macro/Empty.macro"
printf '[MACRO]\r\nStepCount=99999\r\nStep1=ZZ\r\nName=%s\r\n' "$(head -c 6000 /dev/zero | tr '\0' 'n')" \
  > "$SETTINGS_DIR/Macro/Huge.macro"
printf '\xff\xfe[\x00' > "$SETTINGS_DIR/Macro/Cut.macro"
# A file beside the settings folder that a listed path would reach; the first listed name
# is the macro opened at start-up and again after the service's report.
printf '[Setting]\r\nCount=1\r\n' > "$APPDATA_DIR/VX48K2/Mouse.macro"
printf '[MACRO_LIST]\r\n0=..\\..\\Mouse\r\n1=Random\r\n2=Empty\r\n3=Huge\r\n4=Cut\r\n5=Missing\r\n6=NUL\r\n' > "$INI"
macro_digests() { (cd "$APPDATA_DIR/VX48K2" && find . -name '*.macro' -print0 | sort -z | xargs -0 md5sum); }
macros_before=$(macro_digests)
run_case corrupt-macros
listed() { for slot in 0 1 2 3 4 5 6; do printf '%s|' "$(ini_get "$INI" MACRO_LIST "$slot")"; done; }
expect "corrupt-macros: the macro list is left as it was" test "$(listed)" = '..\..\Mouse|Random|Empty|Huge|Cut|Missing|NUL|'
expect "corrupt-macros: no macro file was written, made or removed" test "$(macro_digests)" = "$macros_before"
# Delete on the macro opened first, the listed path: its entry goes, the file it names stays.
slot0_empty() { test -z "$(ini_get "$INI" MACRO_LIST 0)"; }
sim_start
if kocfg_start; then
  click_at 771 393; sleep 1   # the macro page
  click_at 292 151            # delete
  if box=$(wait_window Warning 20); then focus_window "$box"; type_keys Return; fi
  expect "corrupt-macros: the deleted entry leaves its slot" wait_for 10 slot0_empty
  expect "corrupt-macros: the file outside the macro folder is still there" test -f "$APPDATA_DIR/VX48K2/Mouse.macro"
  expect "corrupt-macros: no macro file changed" test "$(macro_digests)" = "$macros_before"
  cp "$(screenshot corrupt-macros-deleted)" "$E2E_TMP/window-corrupt-macros-deleted.png"
fi
kocfg_stop
sim_stop

# --- a damaged program folder -----------------------------------------------------------
damaged="$E2E_TMP/program"
rm -rf "$damaged"; cp -a "$DIST_DIR" "$damaged"
for picture in "$damaged"/skins/*.png "$damaged"/skins/*.jpg; do
  [ -f "$picture" ] || continue
  size=$(stat -c %s "$picture")
  truncate -s $((size / 3)) "$picture"
done
fresh_settings
run_case truncated-pictures "$damaged/Kocfg.exe"

rm -rf "$damaged"; cp -a "$DIST_DIR" "$damaged"
{
  printf '<?xml version="1.0" encoding="utf-8"?>\n<STRINGS><FONT>Ta'
  printf '<a><b><c>%.0s' $(seq 1 3000)
  printf '&bogus; &#xFFFFFFFF; <WARN1 attr="unclosed>\x00\xff\xfe</STRINGS'
} > "$damaged/Strings.xml"
fresh_settings
run_case malformed-strings "$damaged/Kocfg.exe"

e2e_end
