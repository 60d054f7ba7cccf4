#!/usr/bin/env bash
# Code overhead of the shipping wizard: exe size minus the payload bytes it carries minus the
# artwork bytes it embeds, against the goal of 192 KiB. Prints the ratio to the goal last.
. "$(dirname "$0")/lib.sh"
exe=$shipping/app/BrindlowenSetup.exe
payload() { sed -n "s/^$1:[A-Z]*=//p" "$shipping/CMakeCache.txt"; }
app=$(payload BRINDLOWEN_APP_PAYLOAD); uninst=$(payload BRINDLOWEN_UNINSTALLER_PAYLOAD)
exe_size=$(stat -c %s "$exe")
payload_size=0
for f in "$app" "$uninst"; do [ -n "$f" ] && [ -f "$f" ] && payload_size=$((payload_size + $(stat -c %s "$f"))); done
art_size=$(cat "$repo"/pages/art/* | wc -c)
overhead=$((exe_size - payload_size - art_size))
goal=$((192 * 1024))
echo "exe (i686):      $exe_size bytes"
echo "payloads:        $payload_size bytes"
echo "artwork:         $art_size bytes"
echo "code overhead:   $overhead bytes ($((overhead / 1024)) KiB); goal $goal bytes"
i686-w64-mingw32-size -A "$exe" | awk 'NR > 2 && $2 > 4096 { printf "  section %-10s %8d\n", $1, $2 }'
echo "size ratio (overhead / 192 KiB, goal <= 1.00): $(ratio "$overhead" "$goal")"
