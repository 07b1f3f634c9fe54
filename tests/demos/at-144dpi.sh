#!/usr/bin/env bash
# Shows the programs and the branding forms on a large-font screen: a prefix of its own
# (beside the ordinary one, with its own X server) set to 144 dots per inch, where the
# real-screen cases of demo_tests check every caption against its window and keep the
# pictures as screenshots/144dpi-<form>.png. Usage: at-144dpi.sh <build folder>
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
export ORVANE_WINEPREFIX=$build/wineprefix-144dpi
"$here/scripts/wine-prefix.sh" start
trap '"$here/scripts/wine-prefix.sh" stop' EXIT
# The resolution is read when a program starts: set before the test program runs.
for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
  "$here/scripts/wine-run.sh" reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
done
mkdir -p "$build/screenshots"
ORVANE_EXPECT_DPI=144 WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d" \
  ORVANE_SCREENSHOTS="Z:$build/screenshots" ORVANE_DEMO_BIN="Z:$build/demos/bin" \
  "$here/scripts/wine-run.sh" "$build/tests/demos/demo_tests.exe" --gtest_filter='RealScreenTest.*'
