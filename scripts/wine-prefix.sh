#!/usr/bin/env bash
# Creates (once) and starts the private Wine prefix used by tests and the tour, with a
# private X server (Xvfb) so that windows, dialogs and pictures are real.
#   wine-prefix.sh start   create if needed, start Xvfb and a persistent wineserver
#   wine-prefix.sh stop    stop the wineserver and the X server
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ORVANE_WINEPREFIX:-$here/build/x64/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
display_file="$WINEPREFIX.display"
xvfb_pid_file="$WINEPREFIX.xvfb.pid"
run() { "$here/scripts/wine-run.sh" "$@" </dev/null >/dev/null 2>&1; }

start_display() {
  # One X server per prefix; Xvfb picks a free display number and reports it.
  if [ -f "$xvfb_pid_file" ] && kill -0 "$(cat "$xvfb_pid_file")" 2>/dev/null && [ -s "$display_file" ]; then
    return
  fi
  rm -f "$display_file"
  exec 3>"$display_file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  echo $! > "$xvfb_pid_file"
  exec 3>&-
  for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.1; done
  [ -s "$display_file" ] || { echo "Xvfb did not start"; exit 1; }
}

# The desktop process is started here, with no caller's streams: one that a test starts
# inherits the test's output pipe and keeps it open after the test ends (see
# tests/tools/DesktopKeeper.cpp). Skipped when the keeper is not built yet.
desktop_ready="$WINEPREFIX.desktop"
start_desktop() {
  local keeper="$here/build/x64/tests/DesktopKeeper.exe"
  [ -f "$keeper" ] || return 0
  if [ -f "$desktop_ready" ] && pgrep -f "DesktopKeeper.exe Z:$desktop_ready" >/dev/null; then return 0; fi
  rm -f "$desktop_ready"
  setsid "$here/scripts/wine-run.sh" "$keeper" "Z:$desktop_ready" </dev/null >/dev/null 2>&1 &
  for _ in $(seq 1 200); do [ -f "$desktop_ready" ] && return 0; sleep 0.05; done
  echo "the desktop keeper did not start"
}

case "${1:-start}" in
  start)
    mkdir -p "$(dirname "$WINEPREFIX")"
    start_display
    # winedevice.exe keeps inherited streams open, so the server is started detached.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/.orvane-ready-x11" ]; then
      run wineboot --init || true
      run reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f || true
      # Without a window manager every hide of a captioned window otherwise waits ~2 s.
      run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
      fonts="$WINEPREFIX/drive_c/windows/Fonts"
      mkdir -p "$fonts"
      cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
      for face in Arial:'Liberation Sans' 'Courier New':'Liberation Mono' 'Times New Roman':'Liberation Serif'; do
        run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%:*}" /d "${face#*:}" /f
      done
      wineserver -k || true
      wineserver -w || true
      touch "$WINEPREFIX/.orvane-ready-x11"
      wineserver -p </dev/null >/dev/null 2>&1 || true
    fi
    run cmd /c exit
    start_desktop
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    rm -f "$desktop_ready"
    if [ -f "$xvfb_pid_file" ]; then
      kill "$(cat "$xvfb_pid_file")" 2>/dev/null || true
      rm -f "$xvfb_pid_file" "$display_file"
    fi
    ;;
esac
