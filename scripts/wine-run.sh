#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in the project's private prefix, on the
# prefix's private X server when wine-prefix.sh has started one.
# ORVANE_WINEPREFIX overrides the prefix location; ORVANE_WINE_LOADER the loader
# (scripts/wine32-run.sh picks the 32-bit one: one prefix serves both bitnesses).
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
loader=${ORVANE_WINE_LOADER:-/usr/lib/wine/wine64}
run() {
  if [ -n "${ORVANE_LOCALE:-}" ]; then
    env LC_ALL="$ORVANE_LOCALE" LANG="$ORVANE_LOCALE" "$loader" "$@"
  else
    "$loader" "$@"
  fi
}
# Under load Wine has been seen to end a process before its program ran: a failure
# within a few milliseconds and no output at all. No program gets that far that fast,
# so such a start is tried once more; anything slower is the program's own result.
started=$(date +%s%N)
run "$@"
status=$?
if [ "$status" -ne 0 ] && [ $(( ($(date +%s%N) - started) / 1000000 )) -lt 50 ]; then
  echo "wine-run.sh: the process ended within 50 ms with status $status; starting it once more" >&2
  run "$@"
  status=$?
fi
exit "$status"
