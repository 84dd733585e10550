#!/usr/bin/env bash
# Assembles the program folder in one interface language, as the installer would install it:
# the build's program folder (English) with, for Chinese, the Chinese language file, skin
# and help file in place of the English ones. For screenshots and end-to-end runs in
# either language. Usage: program_folder.sh <en|zh-CN> <folder>
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
language="${1:-}" out="${2:-}"
[ -n "$out" ] || { echo "usage: program_folder.sh <en|zh-CN> <folder>" >&2; exit 2; }
[ -f "$DIST_DIR/Kocfg.exe" ] || { echo "program_folder: build native and win first" >&2; exit 1; }
case "$language" in
  en) parts="" ;;
  zh-CN) parts="$LANGUAGES_DIR/zh-CN" ;;
  *) echo "program_folder: no interface language '$language' (en, zh-CN)" >&2; exit 2 ;;
esac
if [ -n "$parts" ]; then
  [ -f "$parts/skins/skin_main.ini" ] || { echo "program_folder: no $parts/skins (build native first)" >&2; exit 1; }
  [ -f "$parts/Zarvocfg.chm" ] || bash "$REPO/scripts/build.sh" help
fi
[ -f "$DIST_DIR/Zarvocfg.chm" ] || bash "$REPO/scripts/build.sh" help
rm -rf "$out"
mkdir -p "$(dirname "$out")"
cp -a "$DIST_DIR" "$out"
if [ -n "$parts" ]; then
  cp "$REPO/assets/$language/Strings.xml" "$out/Strings.xml"
  cp "$parts/Zarvocfg.chm" "$out/Zarvocfg.chm"
  rm -rf "$out/skins"
  cp -a "$parts/skins" "$out/skins"
fi
log "program folder in $language: $out"
