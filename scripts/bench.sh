#!/usr/bin/env bash
# Prints the project's measured figures (it tests nothing and is not part of test.sh):
#  - the settings file's core operations, natively (an unsanitized build of its own, so the
#    figures are the code's and not the sanitizers') and under Wine: the whole reload and
#    one save, batched and key by key side by side, with the ratio, and where the batched
#    save's time goes, step by step;
#  - the program under Wine beside the floor (a bare GDI+ window of the same size that
#    decodes and paints one page picture), started alternately: start-up to the first
#    painted frame, peak working set one second after the start and after every page and
#    dialog, each with the floor's figure and the ratio; a slider drag of twelve positions;
#  - the timed build of the program (the same program with a recorder of its own moments):
#    start-up phase by phase, and each page switch and dialog from the click or menu choice
#    to the window's first paint;
#  - a command from the command line beside the window's start-up;
#  - the sizes of what ships.
# Usage: bench.sh [core runs, default 31] [program runs, default 5]. Builds what it needs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$REPO/scripts/xvfb.sh"
core_runs="${1:-31}"
program_runs="${2:-5}"
BENCH_NATIVE_DIR="$BUILD_DIR/bench-native"

log "building the benchmarks"
if [ ! -f "$BENCH_NATIVE_DIR/CMakeCache.txt" ]; then
  cmake -S "$REPO" -B "$BENCH_NATIVE_DIR" -DCMAKE_BUILD_TYPE=Release -DKOCFG_SANITIZE=OFF -DKOCFG_TESTS=OFF \
    -DKOCFG_DIST_DIR="$BENCH_NATIVE_DIR/dist" >/dev/null
fi
cmake --build "$BENCH_NATIVE_DIR" --target kocfg_bench -j "$JOBS" >/dev/null
if [ ! -f "$WIN_DIR/CMakeCache.txt" ]; then
  cmake -S "$REPO" -B "$WIN_DIR" -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-i686.cmake" -DKOCFG_DIST_DIR="$DIST_DIR" >/dev/null
fi
cmake --build "$WIN_DIR" --target Kocfg KBHook kocfg_bench kocfg_probe kocfg_floor Kocfg_timed -j "$JOBS" >/dev/null

# Every Wine process of this run, the core bench's too, starts with the display up: a Wine
# session begun without one keeps a desktop that later windows cannot show on.
start_xvfb

echo "== core operations, native ($(uname -m), unsanitized release build)"
"$BENCH_NATIVE_DIR/companions/kocfg_bench" "$core_runs"
echo
echo "== core operations, Windows build under $(wine --version 2>/dev/null || echo Wine)"
wine "$WIN_DIR/companions/kocfg_bench.exe" "$core_runs" 2>/dev/null | tr -d '\r'
echo

echo "== the program under Wine ($program_runs runs)"
if [ ! -f "$DIST_DIR/Kocfg.exe" ] || [ ! -d "$DIST_DIR/skins" ]; then
  echo "no program folder at $DIST_DIR (build native and win first): program figures skipped"
  exit 0
fi
winpath() { winepath -w "$1" 2>/dev/null; }
wine "$WIN_DIR/companions/kocfg_probe.exe" "$(winpath "$DIST_DIR/Kocfg.exe")" "$program_runs" \
  --floor "$(winpath "$WIN_DIR/companions/kocfg_floor.exe")" "$(winpath "$DIST_DIR/skins/main_main.png")" \
  --dialogs 2>/dev/null | tr -d '\r'
echo

# The timed build runs from a program folder of its own: the shipped one with its Kocfg.exe.
echo "== inside the program: the timed build ($program_runs runs, medians)"
timed="$WIN_DIR/timed"
(cd "$DIST_DIR" && find . -mindepth 1 -maxdepth 1 ! -name Kocfg.exe -exec cp -r {} "$timed/" \;)
trace="$BUILD_DIR/bench-trace.log"
rm -f "$trace"
KOCFG_TRACE_FILE="$(winpath "$trace")" wine "$WIN_DIR/companions/kocfg_probe.exe" "$(winpath "$timed/Kocfg.exe")" \
  "$program_runs" --dialogs >/dev/null 2>&1 || true
if [ -s "$trace" ]; then
  tr -d '\r' < "$trace" | awk '
    function slowest(list,   n, a, i, m) {
      n = split(list, a, " ")
      for (i = 1; i <= n; i++) if (i == 1 || a[i] + 0 > m) m = a[i] + 0
      return m
    }
    function median(list,   n, a, i, j, t) {
      n = split(list, a, " ")
      for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j-1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j-1]; a[j-1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    $1 == "phase" {
      name = substr($0, index($0, $3))
      if (name == "static initialisation began") last = 0
      if (!(name in at)) order[++phases] = name
      at[name] = at[name] " " $2; took[name] = took[name] " " ($2 - last); last = $2
    }
    $1 == "memory" {
      name = substr($0, index($0, $4))
      ws[name] = ws[name] " " $2 / 1024; peak[name] = peak[name] " " $3 / 1024
    }
    $1 == "span" {
      rest = substr($0, index($0, $3)); split(rest, parts, " -> ")
      if (parts[2] == "main window" && parts[1] !~ /^main-/) next   # repaints after a dialog, clicks on a page
      if (!(rest in spans)) sorder[++nspans] = rest
      spans[rest] = spans[rest] " " $2
    }
    END {
      print "start-up, phase by phase (ms since the process was created; the phase took; working set and its peak so far, MB):"
      for (i = 1; i <= phases; i++)
        printf "  %-36s at %8.1f   took %8.1f   %6.1f  %6.1f\n", order[i], median(at[order[i]]), median(took[order[i]]),
               median(ws[order[i]]), median(peak[order[i]])
      print "page switches and dialogs, from the click or menu choice to the first paint (ms; median, slowest):"
      for (i = 1; i <= nspans; i++) printf "  %-52s %8.1f %8.1f\n", sorder[i], median(spans[sorder[i]]), slowest(spans[sorder[i]])
    }'
else
  echo "the timed build wrote no trace"
fi
echo

# A command (the stage button's, from the command line, the window closed) against the
# window's start-up, both timed from inside the timed build; the command's time from the
# shell includes starting Wine's process. The settings it changes are put back afterwards.
echo "== a command beside the window's start-up ($program_runs runs, medians)"
settings_file="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/VX48K2/RoduraZoviv/Mouse.ini"
kept_settings="$BUILD_DIR/bench-settings.ini"
[ -f "$settings_file" ] && cp "$settings_file" "$kept_settings"
command_trace="$BUILD_DIR/bench-command-trace.log"
rm -f "$command_trace"
shell_ms=()
for run in $(seq "$program_runs"); do
  began=$(date +%s%N)
  KOCFG_TRACE_FILE="$(winpath "$command_trace")" wine "$timed/Kocfg.exe" /stage $((run % 6 + 1)) >/dev/null 2>&1 || true
  shell_ms+=($(( ($(date +%s%N) - began) / 1000000 )))
done
[ -f "$kept_settings" ] && cp "$kept_settings" "$settings_file"
median_of() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# The median moment of a phase in every run of a trace: since the process was created, or
# (own) since the program's static initialisation, which leaves Wine's loading out.
phase_median() { # trace, phase, [own]
  [ -s "$1" ] || { echo "-"; return; }
  median_of $(tr -d '\r' < "$1" | awk -v p="$2" -v own="${3:-}" '
    $1 == "phase" && $3 == "static" { began = $2 }
    $1 == "phase" && substr($0, index($0, $3)) == p { print own ? $2 - began : $2 }')
}
printf '  %-58s %8s ms, own work %6s ms\n' "/stage N, window closed: carried out, since process creation" \
  "$(phase_median "$command_trace" "command carried out")" "$(phase_median "$command_trace" "command carried out" own)"
printf '  %-58s %8s ms, own work %6s ms\n' "the window's start-up: first frame painted, likewise" \
  "$(phase_median "$trace" "first frame painted")" "$(phase_median "$trace" "first frame painted" own)"
printf '  %-58s %8s ms\n' "/stage N, window closed: from the shell, Wine's start included" "$(median_of "${shell_ms[@]}")"
echo

echo "== what ships"
for f in "$DIST_DIR/Kocfg.exe" "$DIST_DIR/KBHook.dll" "$BUILD_DIR/installer/VX48K2-Setup.exe"; do
  [ -f "$f" ] && printf '  %-28s %9d bytes\n' "$(basename "$f")" "$(stat -c %s "$f")"
done
for f in "$WIN_DIR"/symbols/*.debug; do
  [ -f "$f" ] && printf '  %-28s %9d bytes (build tree only)\n' "symbols/$(basename "$f")" "$(stat -c %s "$f")"
done
