#!/usr/bin/env bash
# The main job: builds the library if needed, registers it in the private Wine
# prefix and runs the VBScript tour of examples/ against it.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64 OrvaneSuite ShellRecorder >/dev/null
"$here/scripts/wine-prefix.sh" start
trap '"$here/scripts/wine-prefix.sh" stop' EXIT
"$here/scripts/wine-run.sh" regsvr32 /s "Z:$here/build/x64/OrvaneSuite.dll"
status=0
for script in "$here"/examples/*.vbs; do
  "$here/scripts/wine-run.sh" cscript //nologo "Z:$script" || status=1
done
exit $status
