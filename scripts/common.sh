# Shared paths and helpers for the project's scripts. Sourced, not run.
set -euo pipefail
REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$REPO/build}"
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$REPO/$BUILD_DIR" ;; esac
NATIVE_DIR="$BUILD_DIR/native"
WIN_DIR="$BUILD_DIR/win"
FUZZ_DIR="$BUILD_DIR/fuzz"
# The program folder exactly as shipped: the 32-bit build.
SHIP_DIST_DIR="$BUILD_DIR/dist"
# The parts of the program folder that differ per interface language (skin, help), for
# every language but English: <language>/ under here. English is the program folder itself.
LANGUAGES_DIR="$BUILD_DIR/languages"

# Which Windows build the runs and tests use. The program ships as a 32-bit one, and 32-bit
# Wine runs it wherever the kernel runs 32-bit code. An x86-64 kernel with its 32-bit
# emulation switched off cannot start 32-bit Wine at all; there the Windows tree is built a
# second time for x86-64 (the same sources: no code knows its pointer size) and every Wine
# run, test and screenshot uses that build under 64-bit Wine. The 32-bit build is still made,
# and the installer still packs it. KOCFG_WINE_ARCH=win32|win64 overrides the choice.
kernel_runs_32bit_code() {
  # A 93-byte i386 program that only exits: the kernel either runs it or refuses its format.
  local probe
  probe="$(mktemp)"
  python3 - "$probe" <<'PY'
import struct, sys
base, code = 0x08048000, bytes.fromhex("b80100000031dbcd80")  # exit(0) through int 0x80
size = 52 + 32 + len(code)
header = b"\x7fELF\x01\x01\x01" + bytes(9) + struct.pack("<HHIIIIIHHHHHH", 2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
segment = struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
open(sys.argv[1], "wb").write(header + segment + code)
PY
  chmod +x "$probe"
  local answer=1
  "$probe" 2>/dev/null && answer=0
  rm -f "$probe"
  return $answer
}
wine_installed() { [ -e /usr/lib/wine/wine ] || [ -e /usr/lib/wine/wine64 ]; }
machine_runs_32bit_wine() {
  kernel_runs_32bit_code || return 1
  # The 32-bit loader's own answer decides. Before set-up installs Wine nothing more can be
  # told; once Wine is there without its 32-bit half (a mirror without a sound i386 index),
  # only the 64-bit one can run.
  if [ -e /usr/lib/wine/wine ]; then /usr/lib/wine/wine --version >/dev/null 2>&1; return; fi
  ! wine_installed
}
if [ -z "${KOCFG_WINE_ARCH:-}" ]; then
  if machine_runs_32bit_wine; then KOCFG_WINE_ARCH=win32; else KOCFG_WINE_ARCH=win64; fi
  # Only a choice made with Wine installed is handed on to the scripts this one starts.
  ! wine_installed || export KOCFG_WINE_ARCH
fi
SHIP_WIN_DIR="$BUILD_DIR/win"
if [ "$KOCFG_WINE_ARCH" = win64 ]; then
  WIN_DIR="$BUILD_DIR/win64"
  DIST_DIR="$BUILD_DIR/dist64"
  WIN_TOOLCHAIN="$REPO/cmake/mingw-x86_64.cmake"
  prefix_suffix=64
  # "wine" and "wineserver" on the PATH choose the 32-bit programs when those are installed.
  WINE64_BIN="$BUILD_DIR/tools/wine64"
  if [ ! -x "$WINE64_BIN/wineserver" ]; then
    mkdir -p "$WINE64_BIN"
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' > "$WINE64_BIN/wine"
    printf '#!/bin/sh\nexec /usr/lib/wine/wineserver64 "$@"\n' > "$WINE64_BIN/wineserver"
    chmod +x "$WINE64_BIN/wine" "$WINE64_BIN/wineserver"
  fi
  case ":$PATH:" in *":$WINE64_BIN:"*) ;; *) export PATH="$WINE64_BIN:$PATH" ;; esac
else
  WIN_DIR="$SHIP_WIN_DIR"
  DIST_DIR="$SHIP_DIST_DIR"
  WIN_TOOLCHAIN="$REPO/cmake/mingw-i686.cmake"
  prefix_suffix=""
fi
export WINEARCH="$KOCFG_WINE_ARCH"

# Private Wine prefixes, each made once and reused: one for the run command and one for the
# tests (KOCFG_PREFIX_NAME=test-wineprefix), so a test run never leaves its settings behind
# for the next run of the program.
export KOCFG_PREFIX_NAME="${KOCFG_PREFIX_NAME:-wineprefix}"
export WINEPREFIX="${KOCFG_WINEPREFIX:-$HOME/.cache/kocfg/$KOCFG_PREFIX_NAME$prefix_suffix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installers: nothing of ours needs them and they would pop up dialogs.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
JOBS="${JOBS:-$(nproc)}"
# Where ccache is installed, compilations are cached across build trees and work trees.
if command -v ccache >/dev/null 2>&1; then
  export CMAKE_C_COMPILER_LAUNCHER="${CMAKE_C_COMPILER_LAUNCHER:-ccache}"
  export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$REPO}" CCACHE_NOHASHDIR=1
fi

log() { printf '== %s\n' "$*" >&2; }
