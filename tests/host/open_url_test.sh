#!/usr/bin/env bash
# OpenUrl hands a web address to the system's browser launcher: under Wine that is winebrowser,
# which runs the first xdg-open on the Linux PATH. A recording xdg-open placed first on PATH shows
# the address that arrived, with and without a window titled "Microsoft Internet Explorer".
# Usage: open_url_test.sh HOST_PROBE_EXE
set -euo pipefail
probe=$1
wine=${WINE:-wine}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened"
SCRIPT
chmod +x "$work/xdg-open"
export PATH="$work:$PATH"

status=0
for mode in "" ie; do
  url="https://www.example.com/brindlo/follow?id=42&from=setup"
  rm -f "$work/opened"
  "$wine" "$probe" url "$url" $mode </dev/null >/dev/null 2>&1 || { echo "probe failed (mode '$mode')"; status=1; continue; }
  for _ in $(seq 1 100); do
    [ -s "$work/opened" ] && break
    sleep 0.1
  done
  got=$(cat "$work/opened" 2>/dev/null || true)
  if [ "$got" = "$url" ]; then
    echo "ok: '$url' opened (mode '$mode')"
  else
    echo "FAIL (mode '$mode'): expected '$url', browser launcher got '$got'"
    status=1
  fi
done
exit $status
