#!/usr/bin/env bash
# Peak working set (VmHWM of the Wine process, which is the Windows process under Wine) of the
# wizard over a whole typical run (Next, Next, 安装, wait, 完成), against a bare Win32 program that
# shows one window, runs alternated in one prefix. The wizard's own part is the difference of the
# two peaks; the goal compares it with the size of the wizard's image. Prints the ratio last.
. "$(dirname "$0")/lib.sh"
runs=${RUNS:-5}
"${arch}-w64-mingw32-g++-posix" -O2 -static -mwindows -o "$work/bare.exe" "$bench_dir/bare_window.cpp"
bench_start_wine
# shellcheck source=../scripts/lib/e2e.sh
. "$repo/scripts/lib/e2e.sh"
. "$repo/tests/e2e/scenarios.sh"
wizard=$build/app/BrindlowenSetup.exe
# The scenarios' helpers, in this prefix rather than a fresh one per run.
read -r E2E_SCREEN_W E2E_SCREEN_H < <(xdotool getdisplaygeometry)
E2E_ORIGIN_X=$(((E2E_SCREEN_W - E2E_PAGE_W) / 2)); E2E_ORIGIN_Y=$(((E2E_SCREEN_H - E2E_PAGE_H) / 2))

# Writes the process's VmHWM (KiB) into $2 until the process has ended.
sample_peak() {
  local v
  while v=$(awk '/^VmHWM/ { print $2 }' "/proc/$1/status" 2>/dev/null) && [ -n "$v" ]; do
    echo "$v" > "$2"; sleep 0.02
  done
}

wizard_once() {
  rm -rf "$(e2e_c "$INSTALL")" "$(e2e_c "$STARTMENU")" "$(link_file)"
  e2e_launch "$wizard"
  sample_peak "$E2E_PID" "$work/peak" & local sampler=$!
  click "$NEXT_WELCOME"; click "$NEXT_DIR"; click "$INSTALL_FOLLOW"; sleep 1.5; click "$FINISH"
  e2e_wait_exit 120
  wait "$sampler"
  [ "$E2E_EXIT" = 0 ] && installed && has_startmenu_copy || { echo "the typical run did not complete" >&2; exit 1; }
  cat "$work/peak"
}

bare_once() {
  "$WINE" "$work/bare.exe" >/dev/null 2>&1 </dev/null & local pid=$!
  E2E_PID=$pid e2e_wait_for Bare 30 >/dev/null
  sample_peak "$pid" "$work/peak" & local sampler=$!
  sleep 1
  kill "$pid"; wait "$pid" 2>/dev/null || true
  wait "$sampler"
  cat "$work/peak"
}

APP_PAYLOAD=$(sed -n 's/^BRINDLOWEN_APP_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
UNINST_PAYLOAD=$(sed -n 's/^BRINDLOWEN_UNINSTALLER_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
alternate "$runs" wizard_once bare_once
w=$(median < "$work/wizard_once.txt"); b=$(median < "$work/bare_once.txt")
own=$(awk -v a="$w" -v b="$b" 'BEGIN { print a - b }')
image_kib() { echo $(($(printf '%d' "0x$(objdump -p "$1" | awk '$1 == "SizeOfImage" { print $2 }')") / 1024)); }
image=$(image_kib "$wizard"); shipping_image=$(image_kib "$shipping/app/BrindlowenSetup.exe")
goal=$((image + 4096))
echo "runs: $runs alternated, $arch build; peaks are VmHWM of the Wine process in KiB"
echo "wizard, typical run: median $w KiB   ($(tr '\n' ' ' < "$work/wizard_once.txt"))"
echo "bare window:         median $b KiB   ($(tr '\n' ' ' < "$work/bare_once.txt"))"
echo "wizard's own part:   $own KiB"
echo "image (SizeOfImage): $image KiB $arch, $shipping_image KiB i686; goal: own part <= $goal KiB"
echo "memory ratio (own part / (image + 4 MiB), goal <= 1.00): $(ratio "$own" "$goal")"
