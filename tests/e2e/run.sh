#!/usr/bin/env bash
# Runs one end-to-end scenario: tests/e2e/run.sh NAME BUILD_DIR [MORE_SCENARIOS_FILE]
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
name=$1 build=$2
. "$repo/scripts/lib/winenv.sh"
. "$repo/scripts/lib/e2e.sh"
. "$here/scenarios.sh"
[ -n "${3:-}" ] && . "$3"
WIZARD=$build/app/BrindlowenSetup.exe
REPO=$repo
LNKINFO=$build/tests/tools/lnkinfo.exe
HOLDFILE=$build/tests/tools/holdfile.exe
DENYKEY=$build/tests/tools/denykey.exe
APP_PAYLOAD=$(sed -n 's/^BRINDLOWEN_APP_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
UNINST_PAYLOAD=$(sed -n 's/^BRINDLOWEN_UNINSTALLER_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
URL_INFO_ABOUT=$(sed -n 's/.*kUrlInfoAbout\[\] *= *"\([^"]*\)".*/\1/p' "$repo/app/web_addresses.h" 2>/dev/null)
[ -n "${BRINDLOWEN_PRISTINE_PREFIX:-}" ] || { echo "run through scripts/test (no prepared prefix)"; exit 1; }
e2e_begin "$name"
"scenario_$name"
e2e_end
