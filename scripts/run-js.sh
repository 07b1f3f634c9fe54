#!/usr/bin/env bash
# Runs one JScript test under cscript with the shared checks of tests/js/ok.js put
# in front. A test passes only with the exit code its finish() gives (100).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
script=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$here/build/x64/js
mkdir -p "$work"
combined=$work/$(basename "$script")
cat "$here/tests/js/ok.js" "$script" > "$combined"
"$here/scripts/wine-run.sh" cscript //nologo "Z:$combined" "${@:2}"
code=$?
if [ "$code" -ne 100 ]; then
  echo "FAILED: $1 ended with exit code $code (a passing script ends with 100)"
  exit 1
fi
exit 0
