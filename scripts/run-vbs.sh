#!/usr/bin/env bash
# Runs one VBScript test under cscript. cscript exits 0 on a script error or a
# missing script, so a test passes only with the exit code its Finish gives (100).
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
script=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
"$here/scripts/wine-run.sh" cscript //nologo "Z:$script" "${@:2}"
code=$?
if [ "$code" -ne 100 ]; then
  echo "FAILED: $1 ended with exit code $code (a passing script ends with 100)"
  exit 1
fi
exit 0
