# A private Wine prefix and a virtual display for running the Windows build.
# Source it, then call wine_start; wine_stop runs on exit and leaves no Wine or Xvfb behind.
# shellcheck shell=bash

QUORVANE_ROOT=${QUORVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$QUORVANE_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export WINE64=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver
QUORVANE_XVFB_PID=""

# A zh_CN locale of our own, so that Wine runs with the ANSI code page 936 as a shop's Windows
# does, without changing the system's locales.
wine_use_chinese_locale() {
  local dir=$QUORVANE_ROOT/build/locale
  if [ ! -d "$dir/zh_CN.UTF-8" ]; then
    mkdir -p "$dir"
    localedef -i zh_CN -f UTF-8 "$dir/zh_CN.UTF-8" 2>/dev/null || true
  fi
  if [ -d "$dir/zh_CN.UTF-8" ]; then
    export LOCPATH=$dir
    # bash itself cannot see the private locale and would warn; the programs it starts can.
    export LC_ALL=zh_CN.UTF-8 2>/dev/null
  fi
}

# Starts our own Xvfb unless a display was given.
wine_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${QUORVANE_OWN_DISPLAY:-0}" != 1 ]; then return 0; fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  QUORVANE_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.05
  done
  die "Xvfb did not start on :$n"
}

# Creates the prefix once: wineboot, then the settings that make Wine fast without a window
# manager and give the program's Chinese faces real glyphs.
wine_prepare_prefix() {
  [ -f "$WINEPREFIX/.quorvane-ready" ] && return 0
  say "Preparing a Wine prefix in $WINEPREFIX (once, about 10 seconds)"
  mkdir -p "$WINEPREFIX"
  # Both files live inside the prefix: several prefixes may share one build folder.
  "$WINE64" wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 || true
  local reg=$WINEPREFIX/quorvane.reg face
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in SimSun NSimSun 宋体 新宋体 SimHei 黑体 "Microsoft YaHei" 微软雅黑 Tahoma; do
      printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
    done
  } | iconv -f UTF-8 -t UTF-16 >"$reg"
  "$WINE64" reg import "$reg" >/dev/null 2>&1 || die "could not import the Wine settings"
  "$WINESERVER" -w
  touch "$WINEPREFIX/.quorvane-ready"
}

wine_start() {
  wine_start_display
  wine_prepare_prefix
  "$WINESERVER" -p
  trap wine_stop EXIT
  # The first program starts Wine's background services, which keep its standard output open:
  # start them here with their output in a file, or whoever reads a later program's output
  # through a pipe (ctest) waits for them forever.
  "$WINE64" cmd /c exit 0 >"$WINEPREFIX/services.log" 2>&1 || true
}

wine_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$QUORVANE_XVFB_PID" ]; then
    kill "$QUORVANE_XVFB_PID" 2>/dev/null || true
    wait "$QUORVANE_XVFB_PID" 2>/dev/null || true
    QUORVANE_XVFB_PID=""
  fi
}
