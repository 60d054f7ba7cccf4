# Shared by the benchmarks: set-up, build, a private display and prefix, and statistics.
set -euo pipefail
bench_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$bench_dir/.." && pwd)
"$repo/scripts/bootstrap"
build=$("$repo/scripts/build" | tail -n 1)
shipping=${BRINDLOWEN_BUILD:-$repo/build}/i686
# shellcheck source=../scripts/lib/winenv.sh
. "$repo/scripts/lib/winenv.sh"
arch=$(winenv_test_arch)
work=$(mktemp -d /tmp/brindlowen-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

bench_start_wine() {
  trap 'winenv_stop; rm -rf "$work"' EXIT
  winenv_start
}

# alternate RUNS NAME... : each NAME (a function printing one figure) runs once to warm up, then
# RUNS rounds run them in turn; round by round, NAME's figures go to $work/NAME.txt.
alternate() {
  local runs=$1 name i; shift
  for name in "$@"; do "$name" >/dev/null; : > "$work/$name.txt"; done
  for i in $(seq 1 "$runs"); do
    for name in "$@"; do "$name" >> "$work/$name.txt"; done
  done
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
