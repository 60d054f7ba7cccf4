#!/usr/bin/env bash
# The install step's two payload writes (WriteFileBytes on the embedded records, timed inside the
# program) against cp of the same two files, both into the same fresh directory of one prefix, runs
# alternated. Prints the ratio last.
. "$(dirname "$0")/lib.sh"
runs=${RUNS:-11}
bench_start_wine
exe=$build/bench/bench_payload_write.exe
app=$(sed -n 's/^BRINDLOWEN_APP_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
uninst=$(sed -n 's/^BRINDLOWEN_UNINSTALLER_PAYLOAD:[A-Z]*=//p' "$build/CMakeCache.txt")
dir=$WINEPREFIX/drive_c/benchdir
fresh() { rm -rf "$dir"; mkdir -p "$dir"; sync; }
write_once() { fresh; "$WINE" "$exe" 'C:\benchdir' | tr -d '\r'; }
cp_once() {
  fresh
  local t0 t1
  t0=$(date +%s%N); cp "$app" "$dir/Brindlowen.exe"; cp "$uninst" "$dir/uninst.exe"; t1=$(date +%s%N)
  echo $(((t1 - t0) / 1000))
}
# Two processes that do nothing, timed like the two cp: what starting cp costs on this machine.
start_once() {
  fresh
  local t0 t1
  t0=$(date +%s%N); /bin/true; /bin/true; t1=$(date +%s%N)
  echo $(((t1 - t0) / 1000))
}
alternate "$runs" write_once cp_once start_once
# Both ways must leave the two whole files.
same() { cmp -s "$app" "$dir/Brindlowen.exe" && cmp -s "$uninst" "$dir/uninst.exe"; }
write_once >/dev/null; same || { echo "WriteFileBytes left other files" >&2; exit 1; }
cp_once >/dev/null; same || { echo "cp left other files" >&2; exit 1; }
w=$(median < "$work/write_once.txt"); c=$(median < "$work/cp_once.txt"); st=$(median < "$work/start_once.txt")
c_net=$(awk -v a="$c" -v b="$st" 'BEGIN { print a - b }')
echo "payloads: $(stat -c %s "$app") + $(stat -c %s "$uninst") bytes; runs: $runs alternated, $arch build"
echo "WriteFileBytes x2: median $w us   ($(tr '\n' ' ' < "$work/write_once.txt")us)"
echo "cp x2:             median $c us   ($(tr '\n' ' ' < "$work/cp_once.txt")us)"
echo "2 x /bin/true:     median $st us   ($(tr '\n' ' ' < "$work/start_once.txt")us)"
echo "cp x2 - 2 starts:  $c_net us"
echo "ratio against cp without its process starts: $(ratio "$w" "$c_net")"
echo "payload write ratio (WriteFileBytes / cp, goal <= 1.20): $(ratio "$w" "$c")"
