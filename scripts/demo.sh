#!/usr/bin/env bash
# Starts one demonstration program on your display: ./scripts/demo.sh OVNumbersDemo
# (builds it first if needed; the programs need no registration of the library).
# Without a display ($DISPLAY unset) it runs on the private X server of the test prefix.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-}
programs="OVNumbersDemo OVMathDemo OVStackDemo OVLinkedListDemo OVDiskInfoDemo OVExtractIconDemo OVPowerDemo
OVFolderSelectDemo OVScreenModesDemo OVWinVersionDemo OVLocalSettingsDemo OVMemoryDemo OVHyperLinkDemo OVHelpDemo
OVSplashScreenDemo OVAboutBoxDemo"
if [ -z "$program" ] || ! echo $programs | tr ' ' '\n' | grep -qx "$program"; then
  echo "usage: $0 <program>, one of:"
  echo $programs | tr ' ' '\n' | sed 's/^/  /'
  exit 2
fi
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64 "$program" >/dev/null
export WINEPREFIX=${ORVANE_WINEPREFIX:-$here/build/x64/wineprefix}
if [ -z "${DISPLAY:-}" ]; then
  "$here/scripts/wine-prefix.sh" start
  exec "$here/scripts/wine-run.sh" "$here/build/x64/demos/bin/$program.exe"
fi
[ -d "$WINEPREFIX" ] || { "$here/scripts/wine-prefix.sh" start && "$here/scripts/wine-prefix.sh" stop; }
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winedbg.exe=d;mscoree=d;mshtml=d}
exec /usr/lib/wine/wine64 "$here/build/x64/demos/bin/$program.exe"
