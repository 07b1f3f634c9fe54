#!/usr/bin/env bash
# Runs one JScript test under cscript with the shared checks of tests/js/ok.js put
# in front. A test passes only with the exit code its finish() gives (100).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
script=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
# The script host of the architecture under test: ORVANE_ARCH=x86 takes the 32-bit one.
runner=$here/scripts/wine-run.sh
host=cscript
if [ "${ORVANE_ARCH:-x64}" = x86 ]; then
  runner=$here/scripts/wine32-run.sh
  host='C:\windows\syswow64\cscript.exe'
fi
work=${ORVANE_SCRIPT_FOLDER:-$here/build/x64}/js
mkdir -p "$work"
combined=$work/$(basename "$script")
cat "$here/tests/js/ok.js" "$script" > "$combined"
"$runner" "$host" //nologo "Z:$combined" "${@:2}"
code=$?
if [ "$code" -ne 100 ]; then
  echo "FAILED: $1 ended with exit code $code (a passing script ends with 100)"
  exit 1
fi
exit 0
