#!/usr/bin/env python3
"""Reads the accessibility probe's lines (stdin) and checks or looks up what they say.

  access_check.py check <en|zh>   every visible control has a name (in Chinese, the window's
                                   names include Chinese text) and a role other than client
                                   or window; prints each fault, exits 1 on any
  access_check.py state <name>    the state (hex) of the control with that name
  access_check.py value <name>    the value of the control with that name
  access_check.py focused         the name of the control that has the focus
"""
import sys

ROLE_WINDOW, ROLE_CLIENT, ROLE_STATICTEXT = 9, 10, 41
STATE_INVISIBLE, STATE_FOCUSED = 0x8000, 0x4
# The frames are the system's windows; what they hold is the program's.
FRAMES = {"KocfgMainWindow", "KocfgSkinDialog"}


def controls(lines):
    for line in lines:
        fields = line.rstrip("\r\n").split("|")
        if len(fields) < 7 or fields[0] in FRAMES:
            continue
        cls, place, role, state, name, value, items = fields[:7]
        state_bits = int(state, 16) if state else 0
        if state_bits & STATE_INVISIBLE:
            continue
        yield {"class": cls, "place": place, "role": role, "state": state_bits, "name": name, "value": value,
               "items": items}


def main():
    command = sys.argv[1]
    found = list(controls(sys.stdin))
    if command == "check":
        faults = [c for c in found if not c["name"].strip() or c["role"] in ("none", str(ROLE_WINDOW), str(ROLE_CLIENT))]
        for c in faults:
            print(f"  unnamed or without a role: {c}")
        chinese = any(any("\u4e00" <= ch <= "\u9fff" for ch in c["name"]) for c in found)
        if sys.argv[2] == "zh" and not chinese:
            print("  no name in Chinese")
            faults.append(None)
        if not found:
            print("  no control at all")
            faults.append(None)
        return 1 if faults else 0
    if command == "focused":
        print("\n".join(c["name"] for c in found if c["state"] & STATE_FOCUSED))
        return 0
    # A caption and the control it names share the name: the control is the one that is no
    # static text.
    matches = [c for c in found if c["name"] == sys.argv[2] and c["role"] != str(ROLE_STATICTEXT)]
    if not matches:
        return 1
    print(hex(matches[0]["state"]) if command == "state" else matches[0]["value"])
    return 0


if __name__ == "__main__":
    sys.exit(main())
