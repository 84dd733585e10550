#!/usr/bin/env bash
# Builds both targets into $BUILD_DIR (default build/): native/ (core, tests, native
# companions such as the skin generator), win/ (Kocfg.exe, Windows companions, tests for
# Wine) and the program folder dist/ (in English; the native build also draws the Chinese
# skin into languages/zh-CN/); help: the help file of each language (English into dist/,
# Chinese into languages/zh-CN/); installer: the setup program of both languages as
# installer/VX48K2-Setup.exe; icon: draws the program's icon again into its committed
# place. scripts/program_folder.sh assembles the program folder in either language.
# program: only what the run command needs (see build_program).
# Usage: build.sh [native|win|fuzz|help|installer|icon|program|all]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
what="${1:-all}"

configure() { # dir, extra cmake args...
  local dir="$1"; shift
  # A configure that failed part-way (a package still missing) leaves a cache but no Makefile.
  if [ ! -f "$dir/CMakeCache.txt" ] || [ ! -f "$dir/Makefile" ]; then
    cmake -S "$REPO" -B "$dir" -DKOCFG_DIST_DIR="$DIST_DIR" "$@" >/dev/null
  fi
}

build_native() {
  log "native build ($NATIVE_DIR)"
  configure "$NATIVE_DIR" -DKOCFG_SANITIZE="${KOCFG_SANITIZE:-ON}"
  cmake --build "$NATIVE_DIR" -j "$JOBS"
}

build_win() {
  log "Windows build ($SHIP_WIN_DIR)"
  configure "$SHIP_WIN_DIR" -DCMAKE_TOOLCHAIN_FILE="$REPO/cmake/mingw-i686.cmake" -DKOCFG_DIST_DIR="$SHIP_DIST_DIR"
  cmake --build "$SHIP_WIN_DIR" -j "$JOBS"
  if [ "$WIN_DIR" != "$SHIP_WIN_DIR" ]; then
    log "64-bit Windows build for this machine's Wine ($WIN_DIR)"
    configure "$WIN_DIR" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN"
    cmake --build "$WIN_DIR" -j "$JOBS"
  fi
}

# Only what the program folder and its run need: the skins (drawn by the native skin
# generator), the program, the hook library and the service simulator for the Wine this
# machine runs, and the help file. No test, no fuzzer, no second Windows build.
build_program() {
  log "step 1 of 3: the skin generator and the skins ($NATIVE_DIR, target skins)"
  configure "$NATIVE_DIR" -DKOCFG_SANITIZE="${KOCFG_SANITIZE:-ON}"
  cmake --build "$NATIVE_DIR" --target skins -j "$JOBS"
  log "step 2 of 3: Kocfg.exe, KBHook.dll and the service simulator ($WIN_DIR)"
  configure "$WIN_DIR" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN"
  cmake --build "$WIN_DIR" --target Kocfg KBHook service_sim -j "$JOBS"
  log "step 3 of 3: the help file"
  build_help
}

build_fuzz() {
  log "fuzz build ($FUZZ_DIR)"
  configure "$FUZZ_DIR" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKOCFG_FUZZ=ON -DKOCFG_TESTS=OFF \
    -DKOCFG_DIST_DIR="$FUZZ_DIR/dist"
  cmake --build "$FUZZ_DIR" -j "$JOBS"
}

# One language's help file from its sources and the committed screenshots of the program in
# that language (docs/screenshots/<tag>-*.png), compiled in a staging folder because the
# compiler takes every file beside the project.
build_help_in() { # sources, screenshot tag, output file
  local sources="$1" tag="$2" out="$3" stage="$BUILD_DIR/help-$2"
  log "help file ($out)"
  rm -rf "$stage"; mkdir -p "$stage" "$(dirname "$out")"
  cp "$REPO/assets/help/help.css" "$stage/"  # one style sheet for every language
  cp "$sources"/* "$stage/"
  cp "$REPO"/docs/screenshots/"$tag"-*.png "$stage/" 2>/dev/null || true
  (cd "$stage" && chmcmd Zarvocfg.hhp > chmcmd.log 2>&1) || { cat "$stage/chmcmd.log" >&2; return 1; }
  grep -i 'error' "$stage/chmcmd.log" >&2 || true
  cp "$stage/Zarvocfg.chm" "$out"
}

build_help() {
  build_help_in "$REPO/assets/help" en "$DIST_DIR/Zarvocfg.chm"
  build_help_in "$REPO/assets/zh-CN/help" zh "$LANGUAGES_DIR/zh-CN/Zarvocfg.chm"
}

# Where the runs use the 64-bit build, the shipped folder gets the parts every build shares
# (skins, language file, help) from the folder the runs use.
ship_program_folder() {
  [ "$DIST_DIR" != "$SHIP_DIST_DIR" ] || return 0
  local f
  for f in Kocfg.exe KBHook.dll; do
    [ -f "$SHIP_DIST_DIR/$f" ] || { echo "installer: $SHIP_DIST_DIR/$f is missing (build win first)" >&2; return 1; }
  done
  rm -rf "$SHIP_DIST_DIR/skins"
  cp -a "$DIST_DIR/skins" "$SHIP_DIST_DIR/skins"
  cp "$DIST_DIR/Strings.xml" "$DIST_DIR/Zarvocfg.chm" "$SHIP_DIST_DIR/"
}

# The installer packs the program folder as built and the other language's parts: the
# Windows build and both skins (drawn by the native build) must be there first.
build_installer() {
  build_help
  local f
  for f in Kocfg.exe KBHook.dll skins/skin_main.ini ../languages/zh-CN/skins/skin_main.ini; do
    [ -f "$DIST_DIR/$f" ] || { echo "installer: $DIST_DIR/$f is missing (build native and win first)" >&2; return 1; }
  done
  ship_program_folder
  log "installer ($BUILD_DIR/installer/VX48K2-Setup.exe)"
  mkdir -p "$BUILD_DIR/installer"
  makensis -V2 -DDIST="$SHIP_DIST_DIR" -DLANGUAGES="$LANGUAGES_DIR" -DSOURCE="$REPO" -DOUTFILE="$BUILD_DIR/installer/VX48K2-Setup.exe" \
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
  program) build_program ;;
  all) build_native; build_win; build_help ;;
  *) echo "usage: build.sh [native|win|fuzz|help|installer|icon|program|all]" >&2; exit 2 ;;
esac
