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
full_version=$(sed -n 's/^project(OrvaneSuite VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
version=${full_version%.0}
name=OrvaneSuite-$version
out=$here/build/package
root=$out/$name
rm -rf "$root" "$out/$name.zip" "$out/$name-debug.zip" "$out/$name.msi"
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

# The installer: one x64 package with both libraries (a 32-bit and a 64-bit host on the
# same machine each need theirs, registered from one product that upgrades and removes
# both together). Its COM registration is registry data made by RegistrationRows from the
# registration code itself, for each built library.
if [ -f "$root/bin/x86/OrvaneSuite.dll" ]; then
  work=$out/installer
  rm -rf "$work"
  mkdir -p "$work"
  for arch in x64 x86; do
    # Run with no caller's streams: Wine's background processes would keep a pipe open.
    if ! "$here/scripts/wine-run.sh" "$here/build/x64/RegistrationRows.exe" "Z:$root/bin/$arch/OrvaneSuite.dll" \
         "@INSTALLDIR@bin\\$arch\\OrvaneSuite.dll" "Z:$work/rows-$arch.txt" </dev/null >"$work/rows-$arch.log" 2>&1; then
      cat "$work/rows-$arch.log"; echo "package.sh: no registration rows for bin/$arch"; exit 1
    fi
  done
  python3 "$here/packaging/make_installer.py" "$root" "$work/rows-x64.txt" "$work/rows-x86.txt" "$full_version" \
    "$work/$name.wxs"
  if ! (cd "$root" && wixl -a x64 -o "$out/$name.msi" "$work/$name.wxs") >"$work/wixl.log" 2>&1; then
    cat "$work/wixl.log"; echo "package.sh: wixl made no installer"; exit 1
  fi
else
  echo "package.sh: no 32-bit build (scripts/build.sh i686): no installer" >&2
fi
echo "$root"
