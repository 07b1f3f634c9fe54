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
# Wine takes the ANSI code page and the user's locale from the Unix locale names (no
# generated system locale needed); ORVANE_LOCALE pins them for this run.
if [ -n "${ORVANE_LOCALE:-}" ]; then
  exec env LC_ALL="$ORVANE_LOCALE" LANG="$ORVANE_LOCALE" /usr/lib/wine/wine64 "$@"
fi
exec /usr/lib/wine/wine64 "$@"
