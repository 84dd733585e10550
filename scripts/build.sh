#!/usr/bin/env bash
# Builds both targets into $BUILD_DIR (default build/): native/ (core, tests, native
# companions such as the skin generator), win/ (Kocfg.exe, Windows companions, tests for
# Wine) and the program folder dist/. Usage: build.sh [native|win|fuzz|all]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
what="${1:-all}"

configure() { # dir, extra cmake args...
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$REPO" -B "$dir" -DKOCFG_DIST_DIR="$DIST_DIR" "$@" >/dev/null
  fi
}

build_native() {
  log "native build ($NATIVE_DIR)"
  configure "$NATIVE_DIR" -DKOCFG_SANITIZE="${KOCFG_SANITIZE:-ON}"
  cmake --build "$NATIVE_DIR" -j "$JOBS"
}

build_win() {
  log "Windows build ($WIN_DIR)"
  configure "$WIN_DIR" -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-i686.cmake"
  cmake --build "$WIN_DIR" -j "$JOBS"
}

build_fuzz() {
  log "fuzz build ($FUZZ_DIR)"
  configure "$FUZZ_DIR" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKOCFG_FUZZ=ON -DKOCFG_TESTS=OFF \
    -DKOCFG_DIST_DIR="$FUZZ_DIR/dist"
  cmake --build "$FUZZ_DIR" -j "$JOBS"
}

case "$what" in
  native) build_native ;;
  win) build_win ;;
  fuzz) build_fuzz ;;
  all) build_native; build_win ;;
  *) echo "usage: build.sh [native|win|fuzz|all]" >&2; exit 2 ;;
esac
