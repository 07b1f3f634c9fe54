#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in the project's private prefix, on the
# prefix's private X server when wine-prefix.sh has started one.
# ORVANE_WINEPREFIX overrides the prefix location.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${ORVANE_WINEPREFIX:-$here/build/x64/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# A crash must fail fast instead of waiting in the debugger; no Mono/Gecko installers.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winedbg.exe=d;mscoree=d;mshtml=d}
if [ -s "$WINEPREFIX.display" ]; then
  export DISPLAY=":$(head -n1 "$WINEPREFIX.display")"
fi
exec /usr/lib/wine/wine64 "$@"
