#!/usr/bin/env bash
# Runs one script test (VBScript .vbs or JScript .js) under cscript with the shared checks
# of tests/vbs/ok.vbs or tests/js/ok.js put in front (Wine's script engines cannot load
# them themselves). cscript exits 0 on a script error or a missing script, so a test
# passes only with the exit code its Finish/finish() gives (100). A script that hangs is
# stopped after ORVANE_VBS_TIMEOUT seconds (default 120).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
script=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case "$script" in
  *.vbs) language=vbs ;;
  *.js) language=js ;;
  *) echo "FAILED: $1 is neither a .vbs nor a .js script"; exit 1 ;;
esac
# The script host of the architecture under test: ORVANE_ARCH=x86 takes the 32-bit one.
runner=$here/scripts/wine-run.sh
host=cscript
if [ "${ORVANE_ARCH:-x64}" = x86 ]; then
  runner=$here/scripts/wine32-run.sh
  host='C:\windows\syswow64\cscript.exe'
fi
work=${ORVANE_SCRIPT_FOLDER:-$here/build/x64}/$language
mkdir -p "$work"
combined=$work/$(basename "$script")
cat "$here/tests/$language/ok.$language" "$script" > "$combined"
timeout -k 5 "${ORVANE_VBS_TIMEOUT:-120}" "$runner" "$host" //nologo "Z:$combined" "${@:2}"
code=$?
if [ "$code" -eq 124 ] || [ "$code" -eq 137 ]; then
  echo "FAILED: $1 did not finish within ${ORVANE_VBS_TIMEOUT:-120} s"
  exit 1
fi
if [ "$code" -ne 100 ]; then
  echo "FAILED: $1 ended with exit code $code (a passing script ends with 100)"
  exit 1
fi
exit 0
