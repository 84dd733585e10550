#!/usr/bin/env python3
"""Checks the macro files, the macro list and the macro assignments exactly as stored.

  macro_state.py macro <file.macro> <loop> [step ...]   steps as 6 hex digits ("840400")
  macro_state.py list <Mouse.ini> [name|- ...]          keys "0".."19" of MACRO_LIST, "-" free
  macro_state.py button <Mouse.ini> <section> <button> <position> <name>
                                                        a macro assignment (function code 6)
  macro_state.py first-delay <file.macro>               prints the row of its first delay step
Prints what differs and exits 1 on any difference.
"""
import sys


def read_ini(path):
    """Sections as ordered lists of (key, value), the way the profile functions read them."""
    data = open(path, "rb").read()
    if data[:2] == b"\xff\xfe":
        text = data[2:].decode("utf-16-le", "surrogatepass")
    else:
        text = data.decode("cp1252", "replace")
    sections = {}
    current = None
    for line in text.replace("\r\n", "\n").split("\n"):
        s = line.strip(" \t")
        if s.startswith("[") and "]" in s:
            current = sections.setdefault(s[1:s.index("]")].lower(), [])
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.append((key.strip(), value.strip()))
    return sections


def record_bytes(value, size):
    if len(value) != 2 * (size + 1):
        return None
    raw = bytes.fromhex(value)
    if sum(raw[:size]) & 0xFF != raw[size]:
        return None
    return raw[:size]


def check_macro(path, loop, steps):
    problems = []
    try:
        keys = read_ini(path).get("setting", [])
    except OSError:
        return [f"{path}: missing"]
    names = [k for k, _ in keys]
    if names != ["MacroFilePath", "Count", "LoopTime", "MacroSetting_0"]:
        problems.append(f"keys {names}")
    values = dict(keys)
    tail = "\\Macro\\" + path.rsplit("/", 1)[-1]
    if not values.get("MacroFilePath", "").lower().endswith(tail.lower()):
        problems.append(f"MacroFilePath {values.get('MacroFilePath')!r}")
    if values.get("Count") != str(len(steps)):
        problems.append(f"Count {values.get('Count')} for {len(steps)} steps")
    if values.get("LoopTime") != loop:
        problems.append(f"LoopTime {values.get('LoopTime')} not {loop}")
    expected = bytes.fromhex("".join(steps)).ljust(180, b"\0")
    stored = record_bytes(values.get("MacroSetting_0", ""), 180)
    if stored != expected:
        got = stored.hex().upper() if stored else values.get("MacroSetting_0")
        problems.append(f"steps\n      got  {got}\n      want {expected.hex().upper()}")
    return problems


def first_delay(path):
    stored = record_bytes(dict(read_ini(path).get("setting", [])).get("MacroSetting_0", ""), 180) or b""
    rows = [stored[i:i + 3] for i in range(0, len(stored), 3)]
    return next((row for row, step in enumerate(rows) if step[0] == 0x06), -1)


def check_list(path, names):
    listed = dict(read_ini(path).get("macro_list", []))
    problems = []
    for slot in range(20):
        want = names[slot] if slot < len(names) and names[slot] != "-" else ""
        got = listed.get(str(slot), "")
        if got != want:
            problems.append(f"slot {slot}: {got!r} not {want!r}")
    return problems


def check_button(path, section, button, position, name):
    values = dict(read_ini(path).get(section.lower(), []))
    record = record_bytes(values.get(f"ButtonAssigned{button}", ""), 644)
    if record is None:
        return [f"{section}/ButtonAssigned{button}: no 644-byte record"]
    problems = []
    if record[1] != 6:
        problems.append(f"function code {record[1]}, not 6")
    if record[3] & 0x3F != int(position):
        problems.append(f"position {record[3] & 0x3F}, not {position}")
    stored = record[124:644].decode("utf-16-le", "surrogatepass").split("\0", 1)[0]
    if stored != name:
        problems.append(f"macro name {stored!r}, not {name!r}")
    return problems


def main(argv):
    what = argv[1]
    if what == "macro":
        problems = check_macro(argv[2], argv[3], argv[4:])
    elif what == "list":
        problems = check_list(argv[2], argv[3:])
    elif what == "button":
        problems = check_button(*argv[2:7])
    elif what == "first-delay":
        print(first_delay(argv[2]))
        return 0
    else:
        sys.exit(__doc__)
    for p in problems:
        print("   ", p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
