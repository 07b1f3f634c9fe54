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
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-$arch.cmake" >/dev/null
fi
if [ $# -gt 0 ]; then
  for target in "$@"; do cmake --build "$dir" -j"$(nproc)" --target "$target"; done
else
  cmake --build "$dir" -j"$(nproc)"
fi
