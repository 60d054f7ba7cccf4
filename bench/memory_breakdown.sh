#!/usr/bin/env bash
# Where the wizard's memory goes: resident KiB per mapping (from /proc/<pid>/smaps) of the wizard
# at its progress page, after the install step, against the bare Win32 program showing its window,
# in one prefix. One run; a companion of memory.sh, not a benchmark. Prints the total last.
. "$(dirname "$0")/lib.sh"
"${arch}-w64-mingw32-g++-posix" -O2 -static -mwindows -o "$work/bare.exe" "$bench_dir/bare_window.cpp"
bench_start_wine
# shellcheck source=../scripts/lib/e2e.sh
. "$repo/scripts/lib/e2e.sh"
. "$repo/tests/e2e/scenarios.sh"
read -r E2E_SCREEN_W E2E_SCREEN_H < <(xdotool getdisplaygeometry)
E2E_ORIGIN_X=$(((E2E_SCREEN_W - E2E_PAGE_W) / 2)); E2E_ORIGIN_Y=$(((E2E_SCREEN_H - E2E_PAGE_H) / 2))
resident() {
  awk '/^[0-9a-f]+-/ { n = $6; sub(/.*\//, "", n); if (n == "") n = "[anon]" }
       /^Rss:/ { r[n] += $2 } END { for (k in r) print k, r[k] }' "/proc/$1/smaps" | sort
}
"$WINE" "$work/bare.exe" >/dev/null 2>&1 </dev/null & bare=$!
E2E_PID=$bare e2e_wait_for Bare 30 >/dev/null
sleep 1; resident "$bare" > "$work/bare"
kill "$bare"; wait "$bare" 2>/dev/null || true
e2e_launch "$build/app/BrindlowenSetup.exe"
click "$NEXT_WELCOME"; click "$NEXT_DIR"; click "$INSTALL_FOLLOW"; sleep 1.5
resident "$E2E_PID" > "$work/wizard"
click "$FINISH"; e2e_wait_exit 60 || true
echo "   diff  wizard    bare  mapping (resident KiB)"
join -a1 -a2 -e 0 -o 0,1.2,2.2 "$work/wizard" "$work/bare" |
  awk '{ printf "%7d %7d %7d  %s\n", $2 - $3, $2, $3, $1 }' | sort -rn | awk '$1 != 0' | head -20
join -a1 -a2 -e 0 -o 0,1.2,2.2 "$work/wizard" "$work/bare" |
  awk '{ w += $2; b += $3 } END { printf "resident difference at the progress page: %d KiB (wizard %d, bare %d)\n", w - b, w, b }'
