#!/usr/bin/env bash
# Creates (once) and starts the private Wine prefix used by tests and the tour.
#   wine-prefix.sh start   create if needed and start a persistent wineserver
#   wine-prefix.sh stop    stop the wineserver
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ORVANE_WINEPREFIX:-$here/build/x64/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
run() { "$here/scripts/wine-run.sh" "$@" </dev/null >/dev/null 2>&1; }
case "${1:-start}" in
  start)
    mkdir -p "$(dirname "$WINEPREFIX")"
    # winedevice.exe keeps inherited streams open, so the server is started detached.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    if [ ! -f "$WINEPREFIX/.orvane-ready" ]; then
      run wineboot --init || true
      # Windows without an X server: windows are created and drawn off-screen.
      run reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
      fonts="$WINEPREFIX/drive_c/windows/Fonts"
      mkdir -p "$fonts"
      cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
      for face in Arial:'Liberation Sans' 'Courier New':'Liberation Mono' 'Times New Roman':'Liberation Serif'; do
        run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%:*}" /d "${face#*:}" /f
      done
      wineserver -k || true
      wineserver -w || true
      touch "$WINEPREFIX/.orvane-ready"
      wineserver -p </dev/null >/dev/null 2>&1 || true
    fi
    run cmd /c exit
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
esac
