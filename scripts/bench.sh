#!/usr/bin/env bash
# Builds, registers and runs every benchmark (see bench/README.md); then the script
# benchmarks once more with the 32-bit library against the 32-bit peers, where the
# machine can start 32-bit programs. The registrations go again on the way out.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64 >/dev/null
x86=0
if "$here/scripts/wine32-run.sh" --can-run; then
  x86=1
  "$here/scripts/build.sh" i686 OrvaneSuite >/dev/null
fi
"$here/scripts/wine-prefix.sh" start
cleanup() {
  "$here/scripts/wine-run.sh" regsvr32 /u /s "Z:$here/build/x64/OrvaneSuite.dll" || true
  [ $x86 -eq 0 ] || "$here/scripts/wine32-run.sh" regsvr32 /u /s "Z:$here/build/i686/OrvaneSuite.dll" || true
  "$here/scripts/wine-prefix.sh" stop
}
trap cleanup EXIT
"$here/scripts/wine-run.sh" regsvr32 /s "Z:$here/build/x64/OrvaneSuite.dll"
for source in "$here"/bench/*.cpp; do
  name=$(basename "$source" .cpp)
  echo "== $name"
  "$here/scripts/wine-run.sh" "$here/build/x64/bench/$name.exe"
done
# Each script runs with the shared summary in front of it (see bench/lib/summary.vbs).
scripts() {
  local runner=$1 host=$2 label=$3
  mkdir -p "$here/build/x64/bench-vbs"
  for script in "$here"/bench/*.vbs; do
    echo "== $(basename "$script") ($label)"
    combined=$here/build/x64/bench-vbs/$(basename "$script")
    cat "$here/bench/lib/summary.vbs" "$script" > "$combined"
    "$runner" "$host" //nologo "Z:$combined"
  done
}
scripts "$here/scripts/wine-run.sh" cscript "64-bit library and peers"
if [ $x86 -eq 1 ]; then
  "$here/scripts/wine32-run.sh" regsvr32 /s "Z:$here/build/i686/OrvaneSuite.dll"
  scripts "$here/scripts/wine32-run.sh" 'C:\windows\syswow64\cscript.exe' "32-bit library and peers"
else
  echo "== The 32-bit script benchmarks are not run: this machine cannot start 32-bit programs"
fi
