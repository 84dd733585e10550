#!/usr/bin/env bash
# Builds both targets into $BUILD_DIR (default build/): native/ (core, tests, native
# companions such as the skin generator), win/ (Kocfg.exe, Windows companions, tests for
# Wine) and the program folder dist/; help: the help file into dist/; installer: the setup
# program of dist/ as installer/VX48K2-Setup.exe; icon: draws the program's icon again
# into its committed place. Usage: build.sh [native|win|fuzz|help|installer|icon|all]
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

# The help file from assets/help/ and the committed screenshots (docs/screenshots/en-*.png),
# compiled in a staging folder because the compiler takes every file beside the project.
build_help() {
  log "help file ($DIST_DIR/Zarvocfg.chm)"
  local stage="$BUILD_DIR/help"
  rm -rf "$stage"; mkdir -p "$stage" "$DIST_DIR"
  cp "$REPO"/assets/help/* "$stage/"
  cp "$REPO"/docs/screenshots/en-*.png "$stage/" 2>/dev/null || true
  (cd "$stage" && chmcmd Zarvocfg.hhp > chmcmd.log 2>&1) || { cat "$stage/chmcmd.log" >&2; return 1; }
  grep -i 'error' "$stage/chmcmd.log" >&2 || true
  cp "$stage/Zarvocfg.chm" "$DIST_DIR/Zarvocfg.chm"
}

# The installer packs the program folder as built: the Windows build and the skin (drawn
# by the native build) must be there first.
build_installer() {
  build_help
  local f
  for f in Kocfg.exe KBHook.dll skins/skin_main.ini; do
    [ -f "$DIST_DIR/$f" ] || { echo "installer: $DIST_DIR/$f is missing (build native and win first)" >&2; return 1; }
  done
  log "installer ($BUILD_DIR/installer/VX48K2-Setup.exe)"
  mkdir -p "$BUILD_DIR/installer"
  makensis -V2 -DDIST="$DIST_DIR" -DSOURCE="$REPO" -DOUTFILE="$BUILD_DIR/installer/VX48K2-Setup.exe" \
    "$REPO/installer/kocfg.nsi"
}

build_icon() {
  cmake --build "$NATIVE_DIR" --target app_icon -j "$JOBS"
  "$NATIVE_DIR/companions/app_icon/app_icon" "$REPO/src/app/win/resources/kocfg.ico"
  log "drew src/app/win/resources/kocfg.ico"
}

case "$what" in
  native) build_native ;;
  win) build_win ;;
  fuzz) build_fuzz ;;
  help) build_help ;;
  installer) build_installer ;;
  icon) build_icon ;;
  all) build_native; build_win; build_help ;;
  *) echo "usage: build.sh [native|win|fuzz|help|installer|icon|all]" >&2; exit 2 ;;
esac
