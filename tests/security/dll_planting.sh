#!/usr/bin/env bash
# DLLs with the names that are usually hijacked, planted beside the wizard in a "Downloads" folder,
# with Wine told to prefer native copies: the wizard's whole typical run loads none of them, and
# opens no file of its own folder but its own executable. A control program that loads by bare
# name shows that a planted DLL would be noticed.
set -u
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=$1
. "$repo/scripts/lib/winenv.sh"
. "$repo/scripts/lib/e2e.sh"
. "$repo/tests/e2e/scenarios.sh"
APP_PAYLOAD=$(sed -n 's/^BRINDLOWEN_APP_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
UNINST_PAYLOAD=$(sed -n 's/^BRINDLOWEN_UNINSTALLER_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")

names="version uxtheme dwmapi cryptbase propsys userenv profapi secur32 winmm msimg32 wtsapi32 dbghelp
  comctl32 shfolder setupapi apphelp ntmarta sspicli rsaenh netapi32 iertutil urlmon windowscodecs
  oleacc mpr riched20 msftedit linkinfo ntshrui cscapi srvcli explorerframe"
e2e_begin dll_planting
downloads=$E2E_DIR/Downloads
mkdir -p "$downloads"
cp "$build/app/BrindlowenSetup.exe" "$downloads/"
cp "$build/tests/tools/load_by_name.exe" "$downloads/"
overrides=$WINEDLLOVERRIDES
for n in $names; do
  cp "$build/tests/tools/planted_dll.dll" "$downloads/$n.dll"
  overrides="$overrides;$n=n,b"
done
export WINEDLLOVERRIDES=$overrides

# Control: loading by bare name with the default search order takes the planted copy.
"$WINE" "$downloads/load_by_name.exe" uxtheme.dll version.dll >/dev/null 2>&1
e2e_check "a planted DLL is noticed when a program does load it" [ -e "$downloads/uxtheme.dll.loaded" ]
rm -f "$downloads"/*.loaded "$downloads/load_by_name.exe"

# The wizard's typical run, traced.
WIZARD=$downloads/BrindlowenSetup.exe
trace=$E2E_DIR/trace.txt
WINE_REAL=$WINE
WINE="strace -f -qq -e trace=openat,open,execve -o $trace $WINE_REAL"
e2e_launch "$WIZARD"
WINE=$WINE_REAL
to_progress
click "$FINISH"
e2e_wait_exit 90
e2e_check "the typical run ends with exit code 0 (got $E2E_EXIT)" exit_code_is 0
e2e_check "the install happened" installed
loaded=$(cd "$downloads" && ls ./*.loaded 2>/dev/null | tr '\n' ' ')
e2e_check "no planted DLL was loaded (${loaded:-none})" [ -z "$loaded" ]
opened=$(grep -E "\"$downloads/" "$trace" | grep -v ' = -1 ' | grep -oE "\"$downloads/[^\"]*\"" | sort -u | grep -v "/BrindlowenSetup.exe\"\$" | tr '\n' ' ')
e2e_check "no file of the exe's own folder opened but the exe (${opened:-none})" [ -z "$opened" ]
e2e_end
