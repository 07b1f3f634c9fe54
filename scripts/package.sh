#!/usr/bin/env bash
# Lays out the release folder build/package/OrvaneSuite-<version>/ from both
# architectures' builds (cmake --install: stripped binaries with their debug
# information beside them) and zips it: OrvaneSuite-<version>.zip without the
# debug files, OrvaneSuite-<version>-debug.zip with them.
#   package.sh            build both architectures first
#   package.sh --no-build package the builds that exist
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=1
[ "${1:-}" = "--no-build" ] && build=0
"$here/scripts/setup.sh"
if [ $build -eq 1 ]; then
  "$here/scripts/build.sh" x86_64
  "$here/scripts/build.sh" i686
fi
version=$(sed -n 's/^project(OrvaneSuite VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
version=${version%.0}
name=OrvaneSuite-$version
out=$here/build/package
root=$out/$name
rm -rf "$root" "$out/$name.zip" "$out/$name-debug.zip"
mkdir -p "$out"
# The 64-bit build goes last: its type library and reference serve both.
for dir in i686 x64; do
  if [ -f "$here/build/$dir/CMakeCache.txt" ]; then
    cmake --install "$here/build/$dir" --prefix "$root" >/dev/null
  elif [ $dir = x64 ]; then
    echo "package.sh: no 64-bit build in build/x64"; exit 1
  fi
done
(cd "$out" && zip -qr "$name.zip" "$name" -x '*.debug' && zip -qr "$name-debug.zip" "$name" -i '*.debug')
echo "$root"
