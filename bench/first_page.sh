#!/usr/bin/env bash
# Launch-to-first-page time of the wizard against a bare Win32 program that opens one 480 x 240
# borderless window, both under warm Wine on Xvfb, runs alternated. Prints the ratio last.
. "$(dirname "$0")/lib.sh"
runs=${RUNS:-11}
gcc -O2 -o "$work/mapwait" "$bench_dir/mapwait.c" -lX11
"${arch}-w64-mingw32-g++-posix" -O2 -static -mwindows -o "$work/bare.exe" "$bench_dir/bare_window.cpp"
bench_start_wine
cp "$build/app/BrindlowenSetup.exe" "$work/wizard.exe"
bare() { "$work/mapwait" 480 240 "$WINE" "$work/bare.exe"; }
wizard() { "$work/mapwait" 480 240 "$WINE" "$work/wizard.exe"; }
# The warm-up start of each program loads Wine's DLLs from disk.
alternate "$runs" bare wizard
bare=$(median < "$work/bare.txt"); wizard=$(median < "$work/wizard.txt")
echo "runs: $runs alternated, $arch build, warm wineserver"
echo "bare window: median $((${bare%.*} / 1000)) ms   ($(tr '\n' ' ' < "$work/bare.txt")us)"
echo "wizard:      median $((${wizard%.*} / 1000)) ms   ($(tr '\n' ' ' < "$work/wizard.txt")us)"
echo "first page ratio (wizard / bare, goal <= 1.10): $(ratio "$wizard" "$bare")"
