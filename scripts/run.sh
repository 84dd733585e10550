#!/usr/bin/env bash
# Builds the program folder and starts the program under Wine.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bash "$REPO/scripts/setup.sh"
bash "$REPO/scripts/build.sh" all
log "program folder $DIST_DIR:"
(cd "$DIST_DIR" && find . -maxdepth 2 | sort | head -n 60)
if [ -f "$DIST_DIR/Kocfg.exe" ]; then
  exec wine "$DIST_DIR/Kocfg.exe"
else
  log "Kocfg.exe is not built yet: the main window arrives with the main-window work."
fi
