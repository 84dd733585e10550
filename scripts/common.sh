# Shared paths and helpers for the project's scripts. Sourced, not run.
set -euo pipefail
REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$REPO/build}"
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$REPO/$BUILD_DIR" ;; esac
NATIVE_DIR="$BUILD_DIR/native"
WIN_DIR="$BUILD_DIR/win"
FUZZ_DIR="$BUILD_DIR/fuzz"
DIST_DIR="$BUILD_DIR/dist"
# The parts of the program folder that differ per interface language (skin, help), for
# every language but English: <language>/ under here. English is the program folder itself.
LANGUAGES_DIR="$BUILD_DIR/languages"
# One private Wine prefix, made once and reused by every build tree and run.
export WINEPREFIX="${KOCFG_WINEPREFIX:-$HOME/.cache/kocfg/wineprefix}"
export WINEARCH=win32
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
