#!/usr/bin/env bash
# Builds both architectures and runs every test of each, one after the other in the one
# private prefix: the 64-bit build's suites under wine64, the 32-bit build's under the
# 32-bit loader (its script tests under the 32-bit script host). Arguments go to ctest.
# Ends with a count per architecture and the total.
# Where the machine cannot start 32-bit programs at all, the 32-bit suites are reported
# as not run (ORVANE_REQUIRE_X86=1 makes that a failure).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh" || exit 1
"$here/scripts/build.sh" x86_64 || exit 1
"$here/scripts/build.sh" i686 || exit 1
"$here/scripts/wine-prefix.sh" start || exit 1
trap '"$here/scripts/wine-prefix.sh" stop' EXIT

summary=()
total_passed=0
total_failed=0
status=0
run_suites() {
  local label=$1 dir=$2 log counts passed failed ran
  shift 2
  log="$dir/ctest-output.txt"
  echo "=== $label: ctest in ${dir#$here/}"
  ctest --test-dir "$dir" --output-on-failure -j2 "$@" 2>&1 | tee "$log"
  local code=${PIPESTATUS[0]}
  counts=$(sed -n 's/.*tests passed, \([0-9]*\) tests\{0,1\} failed out of \([0-9]*\).*/\1 \2/p' "$log" | tail -n 1)
  if [ -n "$counts" ]; then
    failed=${counts% *}
    ran=${counts#* }
    passed=$((ran - failed))
  else
    # No count at all: ctest found no tests or did not get that far.
    passed=0
    failed=1
    ran="?"
    status=1
  fi
  [ "$code" -eq 0 ] || status=1
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  summary+=("$label: $passed of $ran tests passed, $failed failed")
}

run_suites "x64 (64-bit library, wine64)" "$here/build/x64" "$@"
if "$here/scripts/wine32-run.sh" --can-run; then
  run_suites "x86 (32-bit library, 32-bit loader)" "$here/build/i686" "$@"
else
  summary+=("x86 (32-bit library): NOT RUN: this machine cannot start 32-bit programs (the 32-bit Wine loader, a 32-bit Linux program, does not start here)")
  [ "${ORVANE_REQUIRE_X86:-0}" = 1 ] && status=1
fi
echo
echo "=== Summary"
for line in "${summary[@]}"; do echo "$line"; done
echo "$total_passed passed, $total_failed failed"
exit $status
