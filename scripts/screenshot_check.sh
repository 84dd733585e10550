#!/usr/bin/env bash
# Screenshot check: takes every page, the assignment menu and every dialog in both languages
# again (scripts/screenshots.sh, into build/screenshot-check/) and compares each, pixel for
# pixel, with the committed one in docs/screenshots/. Prints the number of differing pixels
# of each and ends non-zero when any picture differs or is missing. Run it after a change
# that must not change what the program shows (start-up and memory work, refactoring).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
out="$BUILD_DIR/screenshot-check"
rm -rf "$out"; mkdir -p "$out"
SCREENSHOT_DIR="$out" bash "$REPO/scripts/screenshots.sh" > "$BUILD_DIR/screenshot-check.log" 2>&1 || {
  tail -n 20 "$BUILD_DIR/screenshot-check.log"
  echo "screenshots could not be taken"
  exit 1
}
same=0; differ=0
for reference in "$REPO"/docs/screenshots/en-*.png "$REPO"/docs/screenshots/zh-*.png; do
  name=$(basename "$reference")
  if [ ! -f "$out/$name" ]; then
    printf '  MISSING %s\n' "$name"; differ=$((differ + 1)); continue
  fi
  pixels=$(compare -metric AE "$reference" "$out/$name" null: 2>&1 || true)
  if [ "$pixels" = 0 ]; then
    printf '  same    %s\n' "$name"; same=$((same + 1))
  else
    printf '  DIFFERS %s (%s pixels; %s)\n' "$name" "$pixels" "$out/$name"; differ=$((differ + 1))
  fi
done
echo "$same identical, $differ different"
[ "$differ" = 0 ]
