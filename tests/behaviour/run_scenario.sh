#!/usr/bin/env bash
# Runs one scenario of this directory: run_scenario.sh NAME BUILD_DIR
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
name=$1 build=$2
. "$repo/scripts/lib/winenv.sh"
. "$repo/scripts/lib/e2e.sh"
. "$repo/tests/e2e/scenarios.sh"
. "$here/scenarios.sh"
WIZARD=$build/app/BrindlowenSetup.exe
APP_PAYLOAD=$(sed -n 's/^BRINDLOWEN_APP_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
UNINST_PAYLOAD=$(sed -n 's/^BRINDLOWEN_UNINSTALLER_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
[ -n "${BRINDLOWEN_PRISTINE_PREFIX:-}" ] || { echo "run through scripts/test (no prepared prefix)"; exit 1; }
e2e_begin "$name"
"scenario_$name"
e2e_end
