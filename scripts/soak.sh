#!/usr/bin/env bash
# The long form of the live-service soak (tests/e2e/test_live_service.sh): the program
# driven through many commands beside a busy device service. Usage:
#   soak.sh [commands (default 320)] [seed]
# Build first (build.sh win). Prints commands, service writes, service events and lost
# updates; exits non-zero when anything was lost.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
export SOAK_COMMANDS="${1:-320}"
[ -n "${2:-}" ] && export SOAK_SEED="$2"
export E2E_NAME="soak-${SOAK_SEED:-random}"
exec bash "$REPO/tests/e2e/test_live_service.sh"
