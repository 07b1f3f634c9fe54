#!/usr/bin/env bash
# Runs a Windows program under the 32-bit Wine loader, in the same private prefix as
# wine-run.sh: a 32-bit program sees C:\windows\syswow64 as its system folder and the
# 32-bit registry view, and a builtin name (regsvr32, cscript) starts the 32-bit one.
#   wine32-run.sh --can-run   exits 0 when this machine can start 32-bit programs
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
loader=/usr/lib/wine/wine
if [ "${1:-}" = "--can-run" ]; then
  # The loader is a 32-bit Linux program: some kernels refuse those outright.
  [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1
  exit $?
fi
ORVANE_WINE_LOADER=$loader exec "$here/scripts/wine-run.sh" "$@"
