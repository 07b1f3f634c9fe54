#!/usr/bin/env bash
# Builds both architectures and runs every test (the 64-bit build under wine64).
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64
"$here/scripts/build.sh" i686
"$here/scripts/wine-prefix.sh" start
trap '"$here/scripts/wine-prefix.sh" stop' EXIT
ctest --test-dir "$here/build/x64" --output-on-failure -j2 "$@"
