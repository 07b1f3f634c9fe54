#!/usr/bin/env bash
# The release folder as a developer receives it: lays it out with scripts/package.sh
# from the existing builds, checks every file and that the binaries are stripped and
# import only system libraries, registers the packaged library with its script,
# builds the C++ samples against the package with find_package(OrvaneSuite), runs
# them and the JScript sample under Wine, and removes the registration again.
#   check-package.sh <build dir of the 64-bit build>
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
run() { "$here/scripts/wine-run.sh" "$@"; }

root=$("$here/scripts/package.sh" --no-build | tail -n1)
[ -d "$root" ] || { echo "FAIL: package.sh made no release folder"; exit 1; }
name=$(basename "$root")
echo "release folder: $root"

architectures=x64
if [ -f "$here/build/i686/CMakeCache.txt" ]; then
  architectures="x64 x86"
else
  echo "note: no 32-bit build in build/i686 (scripts/build.sh i686): bin/x86 not checked"
fi

# Layout.
expected="include/OrvaneSuite_h.h include/OrvaneSuiteDispIds.h include/OrvaneSuite_i.c lib/TVOrvaneSuite.tlb
  lib/cmake/OrvaneSuite/OrvaneSuiteConfig.cmake lib/cmake/OrvaneSuite/OrvaneSuiteConfigVersion.cmake
  doc/index.html doc/OVNumbers.html doc/OVRegistryHKeyConstants.html
  register-machine.cmd register-user.cmd unregister-machine.cmd unregister-user.cmd
  samples/10-numbers.vbs samples/jscript/tour.js samples/cpp/CMakeLists.txt samples/cpp/LateBound.cpp samples/cpp/EarlyBound.cpp"
for arch in $architectures; do
  expected="$expected bin/$arch/OrvaneSuite.dll bin/$arch/OrvaneSuite.dll.debug"
done
for file in $expected; do
  [ -s "$root/$file" ] || fail "missing $file"
done
cmp -s "$root/lib/TVOrvaneSuite.tlb" "$build/generated/frame/OrvaneSuite.tlb" || fail "lib/TVOrvaneSuite.tlb is not the built type library"
[ "$(ls "$root/doc" | wc -l)" -eq "$(ls "$build/doc" | wc -l)" ] || fail "doc/ differs from the built reference"

# Binaries: stripped, debug information in the file beside them, system imports only.
system="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll version.dll
  msvcrt.dll comctl32.dll comdlg32.dll shlwapi.dll winmm.dll powrprof.dll uxtheme.dll"
for binary in $(cd "$root" && ls bin/*/*.dll bin/*/*.exe 2>/dev/null); do
  case $binary in bin/x86/*) objdump=i686-w64-mingw32-objdump ;; *) objdump=x86_64-w64-mingw32-objdump ;; esac
  sections=$($objdump -h "$root/$binary")
  echo "$sections" | grep -q '\.debug_info' && fail "$binary is not stripped"
  echo "$sections" | grep -q '\.gnu_debuglink' || fail "$binary has no debug link"
  $objdump -h "$root/$binary.debug" | grep -q '\.debug_info' || fail "$binary.debug holds no debug information"
  for import in $($objdump -p "$root/$binary" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    case " $(echo $system) " in *" $import "*) ;; *) fail "$binary imports $import" ;; esac
  done
done
ls -l "$build/OrvaneSuite.dll" "$root/bin/x64/OrvaneSuite.dll" | awk '{print "size: " $5 " " $NF}'

# The zips: the release without debug files, the debug files apart.
zip_list=$(unzip -Z1 "$root.zip")
for file in $expected; do
  case $file in *.debug) ;; *) echo "$zip_list" | grep -qx "$name/$file" || fail "$name.zip lacks $file" ;; esac
done
echo "$zip_list" | grep -q '\.debug$' && fail "$name.zip holds debug files"
unzip -Z1 "$root-debug.zip" | grep -qx "$name/bin/x64/OrvaneSuite.dll.debug" || fail "$name-debug.zip lacks the debug files"

# Registration scripts (32-bit programs cannot run here, so the x86 half is left out).
export ORVANE_SKIP_X86=1
windows_root="Z:$root"
run regsvr32 /u /s "Z:$build/OrvaneSuite.dll"
run cmd /c "$windows_root/register-machine.cmd" || fail "register-machine.cmd failed"
run reg query 'HKCR\CLSID\{25BB43DD-D3E7-4A12-A64C-7B2E90C4F151}\InprocServer32' > "$build/package-server.txt" 2>&1
grep -qi 'bin\\x64\\OrvaneSuite.dll' "$build/package-server.txt" ||
  fail "the classes are not registered to the packaged library"

# The C++ samples as a consumer project of the installed package.
consumer=$build/package-consumer
rm -rf "$consumer"
if cmake -S "$root/samples/cpp" -B "$consumer" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/toolchain-x86_64.cmake" \
       -DCMAKE_PREFIX_PATH="$root" -DCMAKE_BUILD_TYPE=Release >"$consumer.log" 2>&1 &&
   cmake --build "$consumer" -j2 >>"$consumer.log" 2>&1; then
  run "$consumer/LateBound.exe" || fail "LateBound sample"
  run "$consumer/EarlyBound.exe" || fail "EarlyBound sample"
else
  cat "$consumer.log"
  fail "the C++ samples do not build against the package"
fi
run cscript //nologo "$windows_root/samples/jscript/tour.js" > "$build/package-jscript.log"
cat "$build/package-jscript.log"
grep -q "key Policies" "$build/package-jscript.log" || fail "the JScript sample did not run to its end"

run cmd /c "$windows_root/unregister-machine.cmd" || fail "unregister-machine.cmd failed"
run cmd /c "$windows_root/register-user.cmd" || fail "register-user.cmd failed"
run reg query 'HKCU\Software\Classes\TVOrvaneSuite.OVNumbers\CLSID' >/dev/null 2>&1 || fail "register-user.cmd wrote no per-user entries"
run cmd /c "$windows_root/unregister-user.cmd" || fail "unregister-user.cmd failed"
run reg query 'HKCU\Software\Classes\TVOrvaneSuite.OVNumbers' >/dev/null 2>&1 && fail "unregister-user.cmd left per-user entries"
# The other script tests use the built library's machine-wide registration.
run regsvr32 /s "Z:$build/OrvaneSuite.dll" || fail "restoring the registration of the built library"

[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "package checks passed"
