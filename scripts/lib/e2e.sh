# Drives the real wizard as a person would: clicks at the screen places of the controls, answers
# message boxes with the keyboard, and reads the results back through the real system. Sourced
# after winenv.sh, with DISPLAY, WINE and BRINDLOWEN_PRISTINE_PREFIX set.
#
#   e2e_begin NAME           fresh prefix of its own (WINEPREFIX), scenario bookkeeping
#   e2e_launch EXE           starts the wizard, waits for its first page
#   e2e_click X Y            left click at page client coordinates X, Y
#   e2e_key KEYS...          keys to the focused window (xdotool syntax: space, alt+F4, y, n)
#   e2e_wait_box CAPTION     waits for a message box with that caption; prints its text
#   e2e_wait_exit            waits for the wizard to end; sets E2E_EXIT
#   e2e_check DESC CMD...    records a check; e2e_end prints the verdict and returns it

E2E_PAGE_W=480
E2E_PAGE_H=240
E2E_FAILS=0
E2E_NAME=
E2E_DIR=
E2E_PID=
E2E_EXIT=
E2E_SHOTS=${E2E_SHOTS:-}

e2e_log() { printf '  %s\n' "$*"; }

e2e_begin() {
  E2E_NAME=$1
  E2E_FAILS=0
  E2E_EXIT=
  E2E_DIR=$(mktemp -d "/tmp/brindlowen-e2e-$1.XXXXXX")
  winenv_fresh_prefix "$E2E_DIR/prefix"
  export WINEPREFIX=$E2E_DIR/prefix
  wineserver -p >/dev/null 2>&1 </dev/null || true
  read -r E2E_SCREEN_W E2E_SCREEN_H < <(xdotool getdisplaygeometry)
  E2E_ORIGIN_X=$(( (E2E_SCREEN_W - E2E_PAGE_W) / 2 ))
  E2E_ORIGIN_Y=$(( (E2E_SCREEN_H - E2E_PAGE_H) / 2 ))
  echo "scenario $E2E_NAME"
}

# Path inside the prefix of a Windows path on drive C.
e2e_c() { local p=${1#C:\\}; printf '%s/drive_c/%s' "$WINEPREFIX" "${p//\\//}"; }
e2e_desktop() { printf '%s/drive_c/users/%s/Desktop' "$WINEPREFIX" "$(id -un)"; }

# Visible top-level windows of the wizard named $1 (xdotool window ids).
# Wine gives a Chinese title only in _NET_WM_NAME (WM_NAME reads "??"), which search --name does
# not match: compare the names that getwindowname reads instead.
e2e_find() {
  local id
  for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"
  done
  return 0
}

e2e_wait_for() {  # NAME [TIMEOUT_S] -> prints the first window id
  local name=$1 limit=${2:-20} i ids
  for i in $(seq 1 $((limit * 10))); do
    ids=$(e2e_find "$name")
    if [ -n "$ids" ]; then echo "$ids" | head -n 1; return 0; fi
    if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null; then return 1; fi
    sleep 0.1
  done
  return 1
}

e2e_launch() {
  local exe=$1 attempt log; shift
  for attempt in 1 2; do
    log=$E2E_DIR/wine-$attempt.log
    "$WINE" "$exe" "$@" >"$log" 2>&1 </dev/null &
    E2E_PID=$!
    if e2e_wait_for Brindlowen 30 >/dev/null; then sleep 0.3; return 0; fi
    # A start that ended before any window (seen once, on a heavily loaded machine) is Wine's
    # start-up failing, not the wizard: tell what Wine said and try once more.
    if e2e_alive || [ "$attempt" = 2 ]; then break; fi
    wait "$E2E_PID"; e2e_log "the program ended at start with code $? before any window; Wine said:"
    tail -n 5 "$log" | sed 's/^/    /'
  done
  e2e_log "FAIL: no page appeared"; tail -n 5 "$log" | sed 's/^/    /'
  E2E_FAILS=$((E2E_FAILS + 1))
  return 1
}

e2e_click() {
  xdotool mousemove $((E2E_ORIGIN_X + $1)) $((E2E_ORIGIN_Y + $2)) click 1
  # More than the double-click time between two clicks, so no click becomes a double click.
  sleep 0.7
}

e2e_key() { xdotool key "$@"; sleep 0.5; }

# Waits for a message box with caption $1; leaves its id in E2E_BOX.
e2e_wait_box() {
  E2E_BOX=$(e2e_wait_for "$1" "${2:-15}") || { E2E_BOX=; return 1; }
  sleep 0.3
}

e2e_no_box() {  # CAPTION: true when no such box is shown
  [ -z "$(e2e_find "$1")" ]
}

e2e_wait_exit() {
  local limit=${1:-60} i
  for i in $(seq 1 $((limit * 10))); do
    if ! kill -0 "$E2E_PID" 2>/dev/null; then
      wait "$E2E_PID"; E2E_EXIT=$?; E2E_PID=; return 0
    fi
    sleep 0.1
  done
  E2E_EXIT=timeout
  return 1
}

e2e_alive() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }

e2e_check() {
  local desc=$1; shift
  if "$@"; then e2e_log "ok: $desc"; else e2e_log "FAIL: $desc"; E2E_FAILS=$((E2E_FAILS + 1)); fi
}

e2e_screenshot() {  # FILE: the wizard's page as PNG
  local id; id=$(e2e_find Brindlowen | head -n 1)
  [ -n "$id" ] || return 1
  xwd -silent -id "$id" | /usr/bin/convert xwd:- "png:$1"
}

# Registry value data (REG_SZ) under HKLM, empty when missing.
e2e_reg() {  # KEY VALUE
  "$WINE" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \+REG_SZ \+//p" | head -n 1
}

e2e_end() {
  if e2e_alive; then kill "$E2E_PID" 2>/dev/null; wait "$E2E_PID" 2>/dev/null; E2E_PID=; fi
  wineserver -k >/dev/null 2>&1 || true
  if [ "$E2E_FAILS" -eq 0 ]; then
    echo "scenario $E2E_NAME: passed"
    [ -n "${E2E_KEEP:-}" ] || rm -rf "$E2E_DIR"
    return 0
  fi
  echo "scenario $E2E_NAME: FAILED ($E2E_FAILS checks); prefix kept in $E2E_DIR"
  return 1
}
