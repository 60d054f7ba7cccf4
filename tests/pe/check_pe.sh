#!/usr/bin/env bash
# Checks the shipping wizard executable: PE32 for i386, GUI subsystem, ASLR with a relocation
# section, DEP, terminal-server aware, and an import table of system DLLs only.
set -u
# objdump translates its report under the tests' Chinese locale; the checks read the English one.
export LC_ALL=C
exe=$1
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

[ -f "$exe" ] || { echo "FAIL: $exe not built"; exit 1; }
dump=$(i686-w64-mingw32-objdump -p "$exe")
headers=$(i686-w64-mingw32-objdump -h "$exe")

check "file format pei-i386" 'grep -q "file format pei-i386" <<<"$dump"'
check "subsystem Windows GUI" 'grep -qE "^Subsystem[[:space:]]+00000002" <<<"$dump"'
check "DYNAMIC_BASE" 'grep -q "DYNAMIC_BASE" <<<"$dump"'
check "NX_COMPAT" 'grep -q "NX_COMPAT" <<<"$dump"'
check "TERMINAL_SERVICE_AWARE" 'grep -q "TERMINAL_SERVICE_AWARE" <<<"$dump"'
check "relocation section present" 'grep -qE "[[:space:]]\.reloc[[:space:]]" <<<"$headers"'

allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|msvcrt|shlwapi|version|uuid)\.dll$'
dlls=$(grep -E "DLL Name:" <<<"$dump" | awk '{print tolower($3)}' | sort -u)
[ -n "$dlls" ] || { echo "FAIL: no imports listed"; fail=1; }
for d in $dlls; do
  check "import $d is a system DLL" '[[ $d =~ $allowed ]]'
done
exit $fail
