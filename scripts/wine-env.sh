# Sourced by the scripts that run Windows programs: one Wine prefix in the build tree,
# quiet Wine, and helpers to bring up and tear down the display and the server.
TRV_ROOT=${TRV_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$TRV_ROOT/build/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE64=/usr/lib/wine/wine64

trv_prefix_ready() { [ -f "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/syswow64" ]; }

trv_make_prefix() {
  if ! trv_prefix_ready; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    timeout 300 "$WINE64" wineboot -i >/dev/null 2>&1 || true
    timeout 300 wineserver -w || true
    trv_prefix_ready || { echo "Wine prefix could not be made" >&2; return 1; }
  fi
  trv_prefix_fonts
}

# The fonts that the language files name: Wine's own Tahoma (which this Wine build does not find
# by itself), and a CJK face standing in for Microsoft YaHei.
trv_prefix_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts f
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf; do
    if [ -f "$f" ] && [ ! -f "$fonts/${f##*/}" ]; then cp "$f" "$fonts/"; fi
  done
  if grep -qs '"Microsoft YaHei"="WenQuanYi Zen Hei"' "$WINEPREFIX/user.reg"; then return 0; fi
  timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft YaHei' \
    /t REG_SZ /d 'WenQuanYi Zen Hei' /f >/dev/null 2>&1 || true
}

# Picks the display: the caller's when it has one, otherwise a private Xvfb. A lock keeps two
# test runs starting at once from taking the same free display.
TRV_XVFB_PID=
trv_start_xvfb() {
  local result=1
  exec 9>/tmp/.trv-xvfb.lock
  flock 9
  trv_start_xvfb_locked && result=0
  flock -u 9
  exec 9>&-
  return $result
}

trv_start_xvfb_locked() {
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # The server must not inherit the lock.
    Xvfb ":$n" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 9>&- &
    TRV_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$TRV_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "Xvfb did not start" >&2
  return 1
}

trv_stop_wine() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  timeout 30 wineserver -w >/dev/null 2>&1 || true
}

trv_stop_xvfb() {
  if [ -n "$TRV_XVFB_PID" ]; then
    kill "$TRV_XVFB_PID" 2>/dev/null || true
    wait "$TRV_XVFB_PID" 2>/dev/null || true
    TRV_XVFB_PID=
  fi
}

# A persistent server keeps each program start short.
trv_start_wineserver() { timeout 30 wineserver -p >/dev/null 2>&1 || true; }
