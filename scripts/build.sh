#!/usr/bin/env bash
# Configures (once) and builds one architecture: build.sh x86_64|i686 [targets...]
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
arch=${1:-x86_64}
shift || true
case "$arch" in
  x86_64) dir=$here/build/x64 ;;
  i686) dir=$here/build/i686 ;;
  *) echo "unknown architecture $arch"; exit 2 ;;
esac
# A compiler cache, where the machine has one, keeps rebuilds of other checkouts quick.
launcher=""
if command -v ccache >/dev/null 2>&1; then
  launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-$arch.cmake" $launcher >/dev/null
fi
if [ $# -gt 0 ]; then
  for target in "$@"; do cmake --build "$dir" -j"$(nproc)" --target "$target"; done
else
  cmake --build "$dir" -j"$(nproc)"
fi
