#!/usr/bin/env bash
# CopyTree (timed inside the program, ProgressPage open, 时钟1 ticking) against the whole process of
# `xcopy /e /i /h /y`, on the same generated tree of 2,000 files in 200 directories (about 50 MB)
# in one prefix, runs alternated with a no-op process start timed like xcopy. Prints the ratio last.
. "$(dirname "$0")/lib.sh"
runs=${RUNS:-7}
bench_start_wine
base=$WINEPREFIX/drive_c/benchdir
mkdir -p "$base"
# 20 top directories of 1 + 9 subdirectories, 10 files in each of the 200, 1 to 49 KiB each.
perl -e '
  srand(7); my $base = shift; my $total = 0;
  open(my $r, "<", "/dev/urandom") or die;
  for my $d (0 .. 19) {
    for my $s ("", map { "\\sub$_" } 0 .. 8) {
      my $dir = sprintf("%s/src/dir%02d%s", $base, $d, $s); $dir =~ s/\\/\//g; system("mkdir", "-p", $dir);
      for my $f (0 .. 9) {
        my $n = 1024 * (1 + int(rand(49))); read($r, my $buf, $n); $total += $n;
        open(my $o, ">", "$dir/file$f.dat") or die; binmode $o; print $o $buf; close $o;
      }
    }
  }
  print STDERR "tree: $total bytes\n";' "$base" 2>"$work/tree.txt"
files=$(find "$base/src" -type f | wc -l); dirs=$(find "$base/src" -mindepth 1 -type d | wc -l)
fresh() { rm -rf "$base/ct" "$base/xc"; sync; }
copytree_once() { fresh; "$WINE" "$build/bench/bench_copy_tree.exe" 'C:\benchdir\src' 'C:\benchdir\ct' | tr -d '\r'; }
timed_once() {  # whole process, in microseconds
  local t0 t1
  fresh
  t0=$(date +%s%N); "$WINE" "$@" >/dev/null 2>&1 </dev/null; t1=$(date +%s%N)
  echo $(((t1 - t0) / 1000))
}
xcopy_once() { timed_once xcopy /e /i /h /y 'C:\benchdir\src' 'C:\benchdir\xc'; }
noop_once() { timed_once "$build/bench/bench_noop.exe"; }
alternate "$runs" copytree_once xcopy_once noop_once
# Both copies must be whole (the last xcopy target was removed by the no-op run's clean-up).
xcopy_once >/dev/null
diff -r "$base/src" "$base/xc" >/dev/null || { echo "xcopy's copy differs" >&2; exit 1; }
copytree_once >/dev/null
diff -r "$base/src" "$base/ct" >/dev/null || { echo "CopyTree's copy differs" >&2; exit 1; }
ct=$(cut -d' ' -f1 "$work/copytree_once.txt" | median); ticks=$(cut -d' ' -f2 "$work/copytree_once.txt" | median)
xc=$(median < "$work/xcopy_once.txt"); noop=$(median < "$work/noop_once.txt")
xc_net=$(awk -v a="$xc" -v b="$noop" 'BEGIN { print a - b }')
echo "$(cat "$work/tree.txt") in $files files, $dirs directories; runs: $runs alternated, $arch build"
echo "CopyTree:        median $ct us   ($(cut -d' ' -f1 "$work/copytree_once.txt" | tr '\n' ' ')us)"
echo "  ticks of 时钟1 during the copy: median $ticks   ($(cut -d' ' -f2 "$work/copytree_once.txt" | tr '\n' ' '))"
echo "xcopy process:   median $xc us   ($(tr '\n' ' ' < "$work/xcopy_once.txt")us)"
echo "no-op process:   median $noop us   ($(tr '\n' ' ' < "$work/noop_once.txt")us)"
echo "xcopy - no-op:   $xc_net us"
echo "tree copy ratio against xcopy's whole process: $(ratio "$ct" "$xc")"
echo "tree copy ratio (CopyTree / (xcopy - process start), goal <= 1.30): $(ratio "$ct" "$xc_net")"
