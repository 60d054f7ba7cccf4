# Sourced by the scripts that run Windows programs: starts a private Xvfb display and prepares a
# throw-away Wine prefix, and stops both again (by PID) on exit.
#   winenv_start [PREFIX_DIR]  sets DISPLAY, WINEPREFIX and the Wine environment
#   winenv_stop                stops what winenv_start started
#   winenv_fresh_prefix DIR    copies the prepared prefix into DIR (about 2 s)

# The architecture whose build the tests run: i686 where this machine can run Wine's 32-bit
# loader, else x86_64 (some kernels run 64-bit user code only). BRINDLOWEN_TEST_ARCH overrides.
winenv_test_arch() {
  if [ -n "${BRINDLOWEN_TEST_ARCH:-}" ]; then
    echo "$BRINDLOWEN_TEST_ARCH"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo i686
  else
    echo x86_64
  fi
}

export WINEDEBUG=-all
export LC_ALL=zh_CN.UTF-8 2>/dev/null
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ "$(winenv_test_arch)" = i686 ]; then
  export WINEARCH=win32 WINE=/usr/lib/wine/wine
else
  export WINEARCH=win64 WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64
fi

_winenv_xvfb_pid=
_winenv_tmp=
_winenv_owns_tmp=

winenv_start_xvfb() {
  local n
  for n in $(seq 91 190); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
    _winenv_xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$_winenv_xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$_winenv_xvfb_pid" 2>/dev/null || true
    _winenv_xvfb_pid=
  done
  echo "winenv: could not start Xvfb" >&2
  return 1
}

# winenv_init_prefix DIR: a new prefix with the settings the tests rely on.
winenv_init_prefix() {
  local dir=$1
  mkdir -p "$dir"
  WINEPREFIX=$dir "$WINE" wineboot -i >/dev/null 2>&1
  # No window manager on Xvfb: unmanaged windows map at once and message boxes get the focus.
  WINEPREFIX=$dir "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # A crash must end the process, not open the debugger's dialog and wait.
  WINEPREFIX=$dir "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  WINEPREFIX=$dir wineserver -w
  # Wine links the user's Desktop, Documents, ... to the Linux home folder: make them folders of
  # the prefix, so that what a program puts on its desktop stays inside the throw-away prefix.
  local link
  for link in "$dir"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm -f "$link"; mkdir -p "$link"; fi
  done
}

winenv_start() {
  _winenv_tmp=${1:-}
  if [ -z "$_winenv_tmp" ]; then
    _winenv_tmp=$(mktemp -d /tmp/brindlowen-wine.XXXXXX)
    _winenv_owns_tmp=1
  fi
  winenv_start_xvfb
  export WINEPREFIX=$_winenv_tmp/prefix
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    winenv_init_prefix "$WINEPREFIX"
  fi
  # An untouched copy for the scenarios that each want a fresh prefix of their own.
  if [ ! -d "$_winenv_tmp/pristine" ]; then
    cp -a "$WINEPREFIX" "$_winenv_tmp/pristine"
  fi
  export BRINDLOWEN_PRISTINE_PREFIX=$_winenv_tmp/pristine
  winenv_warm_up
}

# Keeps one wineserver for the whole run so that every start is a warm one, and starts Wine's
# background services now with no inherited output: a service started by a test process would
# otherwise hold that process's output pipe open and keep ctest waiting for its end.
winenv_warm_up() {
  wineserver -p >/dev/null 2>&1 </dev/null || true
  "$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

winenv_fresh_prefix() {
  local dir=$1
  rm -rf "$dir"
  cp -a "$BRINDLOWEN_PRISTINE_PREFIX" "$dir"
}

winenv_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$_winenv_xvfb_pid" ]; then
    kill "$_winenv_xvfb_pid" 2>/dev/null || true
    wait "$_winenv_xvfb_pid" 2>/dev/null || true
    _winenv_xvfb_pid=
  fi
  if [ -n "$_winenv_owns_tmp" ] && [ -n "$_winenv_tmp" ]; then
    rm -rf "$_winenv_tmp"
  fi
}
