#!/usr/bin/env bash
# Builds, registers and runs every benchmark (see bench/README.md).
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64 >/dev/null
"$here/scripts/wine-prefix.sh" start
trap '"$here/scripts/wine-prefix.sh" stop' EXIT
"$here/scripts/wine-run.sh" regsvr32 /s "Z:$here/build/x64/OrvaneSuite.dll"
for source in "$here"/bench/*.cpp; do
  name=$(basename "$source" .cpp)
  echo "== $name"
  "$here/scripts/wine-run.sh" "$here/build/x64/bench/$name.exe"
done
# Each script runs with the shared summary in front of it (see bench/lib/summary.vbs).
mkdir -p "$here/build/x64/bench-vbs"
for script in "$here"/bench/*.vbs; do
  echo "== $(basename "$script")"
  combined=$here/build/x64/bench-vbs/$(basename "$script")
  cat "$here/bench/lib/summary.vbs" "$script" > "$combined"
  "$here/scripts/wine-run.sh" cscript //nologo "Z:$combined"
done
