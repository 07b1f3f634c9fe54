#!/usr/bin/env bash
# The Windows Installer package under Wine's msiexec, in a prefix of its own
# (<build>/msiprefix with its own X server and wineserver, stopped at the end):
# a silent install; a 64-bit and a 32-bit script host create every class; the Start
# menu entries; a demonstration program started from its shortcut's target and closed;
# a silent removal that leaves the registry and the disk as they were; the installer's
# registry rows against those regsvr32 writes for the same files, key by key; upgrade
# from a lower version, refusal of a lower version over a higher one; a truncated package.
#   check-installer.sh <build dir of the 64-bit build>   (both architectures built)
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

export ORVANE_WINEPREFIX=$build/msiprefix
# Shortcuts stay inside the prefix: no menu entries for the Linux desktop.
export WINEDLLOVERRIDES='winedbg.exe=d;mscoree=d;mshtml=d;winemenubuilder.exe=d'
prefix=$ORVANE_WINEPREFIX
work=$build/installer-test
rm -rf "$work"
mkdir -p "$work"
run() { "$here/scripts/wine-run.sh" "$@"; }
run32() { "$here/scripts/wine32-run.sh" "$@"; }
# Some kernels refuse 32-bit programs: the checks that need a 32-bit process are skipped there.
x86=1
if ! "$here/scripts/wine32-run.sh" --can-run; then
  x86=0
  echo "note: this machine cannot start 32-bit programs: the 32-bit script host and the 32-bit" \
       "library's regsvr32 rows are not checked"
fi
registry() { python3 "$here/tests/package/registry_export.py" "$@"; }
stop_prefix() { "$here/scripts/wine-prefix.sh" stop; }

# A prefix left by a run that did not finish may hold a half-removed product: start afresh.
[ -f "$prefix/.orvane-installer-clean" ] || rm -rf "$prefix"
rm -f "$prefix/.orvane-installer-clean"
"$here/scripts/wine-prefix.sh" start || { echo "FAIL: the installer test prefix did not start"; exit 1; }
trap stop_prefix EXIT

out=$("$here/scripts/package.sh" --no-build </dev/null 2>&1)
root=$(echo "$out" | tail -n1)
name=$(basename "$root")
msi=$(dirname "$root")/$name.msi
[ -s "$msi" ] || { echo "$out"; echo "FAIL: package.sh wrote no installer"; exit 1; }
ls -l "$msi" | awk '{print "installer: " $5 " bytes"}'
rows=$(dirname "$root")/installer
windows_msi="Z:$msi"

drive_c=$prefix/drive_c
program_files="$drive_c/Program Files/Orvane Suite"
program_files_x86="$drive_c/Program Files (x86)/Orvane Suite"
# What changes on every run whatever is installed: temporary files, the installer's
# cache of packages and its logs.
snapshot() {
  run reg export 'HKLM\Software' "Z:$work/$1-machine.reg" /y >/dev/null 2>&1 || fail "registry export $1"
  run reg export 'HKCU\Software' "Z:$work/$1-user.reg" /y >/dev/null 2>&1 || fail "registry export $1"
  (cd "$drive_c" && find . | grep -v -e '^./windows/temp' -e '^./users/[^/]*/Temp' -e '^./windows/Installer/' \
     -e '^./windows/Installer$' | sort) > "$work/$1-files.txt"
}
installer_noise() {
  grep -v -i -e '\\Classes\\Installer\\[A-Za-z]*\]$' -e '\\Classes\\Installer\]$' \
    -e '\\CurrentVersion\\Installer\\\(UpgradeCodes\|UserData\)[^]]*\]$' -e '^- \[.*\\Wow6432Node\\\(Classes\\\)\?CLSID\]$'
}
same_as_before() {
  local label=$1 now=$2 changes
  # Wine's installer leaves its own bookkeeping keys behind empty, and removes an empty
  # 32-bit CLSID key it found: neither is the product's.
  changes=$( { registry diff "$work/before-machine.reg" "$work/$now-machine.reg" | installer_noise;
               registry diff "$work/before-user.reg" "$work/$now-user.reg";
               diff "$work/before-files.txt" "$work/$now-files.txt" | grep '^[<>]'; } )
  if [ -n "$changes" ]; then
    echo "$changes" | head -n 40
    fail "$label left $(echo "$changes" | wc -l) changes"
  fi
}
products() {
  run reg export 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' "Z:$work/uninstall.reg" /y >/dev/null 2>&1
  registry products "$work/uninstall.reg" "Orvane Suite" 2>/dev/null | sort
}
com_rows() {  # the COM keys of a snapshot against the first one, without the installer's own
  registry diff "$work/before-machine.reg" "$work/$1-machine.reg" \
    "HKEY_LOCAL_MACHINE\\Software\\Classes\\" "HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Classes\\" |
    grep -v -i -e '\\Classes\\Installer\\' -e '\\Classes\\Installer\]' | sort
}

# The script host registers its own type library when it first runs: before the first snapshot.
echo 'WScript.Quit 0' > "$work/warm.vbs"
run 'C:\windows\system32\cscript.exe' //nologo "Z:$work/warm.vbs" >/dev/null 2>&1
snapshot before

# Install.
run msiexec /i "$windows_msi" /qn /l*v "Z:$work/install.log" || fail "msiexec /i exited with $?"
snapshot installed
[ -f "$program_files/bin/x64/OrvaneSuite.dll" ] || fail "no bin/x64/OrvaneSuite.dll in Program Files"
[ -f "$program_files_x86/bin/x86/OrvaneSuite.dll" ] || fail "no bin/x86/OrvaneSuite.dll in Program Files (x86)"
[ -f "$program_files/doc/index.html" ] || fail "no doc/index.html"
[ "$(products)" = "Orvane Suite 1.22|1.22.0" ] || fail "installed products: $(products | tr '\n' ' ')"
com_rows installed > "$work/installer-rows.txt"
echo "installer COM rows: $(grep -c '' "$work/installer-rows.txt")"

# Every class from a 64-bit and a 32-bit script host.
progids=$(awk -F'\t' '$1 ~ /\\CLSID$/ && $1 !~ /^CLSID/ { sub(/\\CLSID$/, "", $1); print $1 }' "$rows/rows-x64.txt")
[ "$(echo "$progids" | wc -l)" -ge 20 ] || fail "only $(echo "$progids" | wc -l) programmatic identifiers in the rows"
{
  echo 'Dim failed: failed = 0'
  echo 'On Error Resume Next'
  for progid in $progids; do
    echo "Err.Clear: Set o = CreateObject(\"$progid\")"
    echo "If Err.Number <> 0 Or Not IsObject(o) Then failed = failed + 1: WScript.Echo \"cannot create $progid: \" & Err.Number"
    echo 'Set o = Nothing'
  done
  echo 'WScript.Quit failed'
} > "$work/create.vbs"
run 'C:\windows\system32\cscript.exe' //nologo "Z:$work/create.vbs" || fail "the 64-bit script host could not create every class"
if [ $x86 -eq 1 ]; then
  run32 'C:\windows\syswow64\cscript.exe' //nologo "Z:$work/create.vbs" || fail "the 32-bit script host could not create every class"
fi

# The Start menu (Wine's installer puts per-machine shortcuts in the user's Programs folder).
menu=""
for folder in "$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Orvane Suite" \
              "$drive_c"/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/"Orvane Suite"; do
  [ -d "$folder" ] && menu=$folder
done
if [ -z "$menu" ]; then
  fail "no Orvane Suite folder in the Start menu"
else
  for entry in "OVNumbers demonstration" "OVAboutBox demonstration" "Orvane Suite reference" "Samples"; do
    [ -f "$menu/$entry.lnk" ] || fail "no Start menu entry $entry"
  done
  [ "$(ls "$menu" | grep -c 'demonstration\.lnk$')" -eq 16 ] || fail "$(ls "$menu" | grep -c 'demonstration\.lnk$') demonstration entries, not 16"
  # A demonstration program from its shortcut's target: started, then closed through its window.
  # The shortcut's target, read from the link file (Wine's script host does not load it).
  expected='C:\Program Files\Orvane Suite\bin\x64\OVNumbersDemo.exe'
  target=""
  python3 - "$menu/OVNumbers demonstration.lnk" "$expected" <<'EOF' && target=$expected
import sys
data = open(sys.argv[1], "rb").read()
path = sys.argv[2]
sys.exit(0 if path.encode("latin-1") in data or path.encode("utf-16-le") in data else 1)
EOF
  [ -n "$target" ] || fail "the OVNumbers shortcut does not point at $expected"
  run "$target" </dev/null >"$work/demo.log" 2>&1 &
  demo=$!
  # Its close button once its window shows (taskkill would also close the platform's
  # hidden input-method window, which appears before the program's own).
  if ! run "$build/tests/CloseButton.exe" OVNumbersDemo.exe 60 >/dev/null 2>&1; then
    fail "the demonstration program started from its shortcut showed no window"
  else
    for _ in $(seq 1 150); do kill -0 "$demo" 2>/dev/null || break; sleep 0.2; done
    kill -0 "$demo" 2>/dev/null && fail "the demonstration program did not end within 30 s of its close button"
  fi
  kill -0 "$demo" 2>/dev/null && run taskkill /f /im OVNumbersDemo.exe >/dev/null 2>&1
  wait "$demo" 2>/dev/null
fi

# Remove.
run msiexec /x "$windows_msi" /qn /l*v "Z:$work/remove.log" || fail "msiexec /x exited with $?"
snapshot removed
same_as_before "the removal" removed
[ -z "$(products)" ] || fail "still installed after removal: $(products | tr '\n' ' ')"

# The same files registered by regsvr32 (the 32-bit library first, as the installer leaves
# the type library's shared values to the 64-bit one) write exactly the installer's rows.
# Without 32-bit programs only the 64-bit library is registered, and compared with the
# installer's rows less the 32-bit view's keys and the type library's 32-bit path.
mkdir -p "$program_files/bin/x64" "$program_files_x86/bin/x86"
cp "$root/bin/x64/OrvaneSuite.dll" "$program_files/bin/x64/"
cp "$root/bin/x86/OrvaneSuite.dll" "$program_files_x86/bin/x86/"
if [ $x86 -eq 1 ]; then
  run32 'C:\windows\syswow64\regsvr32.exe' /s 'C:\Program Files (x86)\Orvane Suite\bin\x86\OrvaneSuite.dll' ||
    fail "regsvr32 of the 32-bit library"
fi
run regsvr32 /s 'C:\Program Files\Orvane Suite\bin\x64\OrvaneSuite.dll' || fail "regsvr32 of the 64-bit library"
snapshot registered
com_rows registered | installer_noise > "$work/regsvr32-rows.txt"
expected_rows=$work/installer-rows.txt
if [ $x86 -eq 0 ]; then
  # Both sides without the 32-bit view (Wine mirrors the type library key there).
  grep -v -i -e '\\Wow6432Node\\' -e '\\0\\win32[] ]' "$work/installer-rows.txt" > "$work/installer-rows-x64.txt"
  grep -v -i -e '\\Wow6432Node\\' "$work/regsvr32-rows.txt" > "$work/regsvr32-rows-x64.txt"
  mv "$work/regsvr32-rows-x64.txt" "$work/regsvr32-rows.txt"
  expected_rows=$work/installer-rows-x64.txt
fi
echo "regsvr32 COM rows: $(grep -c '' "$work/regsvr32-rows.txt")"
if ! diff "$work/regsvr32-rows.txt" "$expected_rows" > "$work/rows.diff"; then
  head -n 40 "$work/rows.diff"
  fail "the installer's registry rows differ from regsvr32's (< regsvr32, > installer)"
fi
[ -s "$expected_rows" ] || fail "the installer wrote no COM rows"
run regsvr32 /u /s 'C:\Program Files\Orvane Suite\bin\x64\OrvaneSuite.dll'
if [ $x86 -eq 1 ]; then
  run32 'C:\windows\syswow64\regsvr32.exe' /u /s 'C:\Program Files (x86)\Orvane Suite\bin\x86\OrvaneSuite.dll'
fi
rm -rf "$program_files" "$program_files_x86"

# Upgrades: the same release as a lower and a higher version.
for version in 1.21.0 1.23.0; do
  python3 "$here/packaging/make_installer.py" "$root" "$rows/rows-x64.txt" "$rows/rows-x86.txt" $version "$work/$version.wxs" &&
    (cd "$root" && wixl -a x64 -o "$work/$version.msi" "$work/$version.wxs") >"$work/wixl.log" 2>&1 ||
    fail "cannot build the $version package"
done
run msiexec /i "Z:$work/1.21.0.msi" /qn || fail "installing 1.21.0"
run msiexec /i "$windows_msi" /qn /l*v "Z:$work/upgrade.log" || fail "upgrading 1.21.0 to 1.22.0"
[ "$(products)" = "Orvane Suite 1.22|1.22.0" ] || fail "after upgrading from 1.21.0: $(products | tr '\n' ' ')"
run msiexec /i "Z:$work/1.23.0.msi" /qn || fail "upgrading 1.22.0 to 1.23.0"
run msiexec /i "$windows_msi" /qn /l*v "Z:$work/downgrade.log" && fail "1.22.0 was installed over 1.23.0"
# Wine's installer logs no message of a refusal: the package must carry it.
grep -a -q "A newer version of Orvane Suite is already installed" "$msi" || fail "the package holds no downgrade message"
[ "$(products)" = "Orvane Suite 1.23|1.23.0" ] || fail "after the refused downgrade: $(products | tr '\n' ' ')"
[ -f "$program_files/bin/x64/OrvaneSuite.dll" ] || fail "the refused downgrade removed the installed files"
run msiexec /x "Z:$work/1.23.0.msi" /qn || fail "removing 1.23.0"

# A truncated package is refused and leaves nothing.
size=$(stat -c %s "$msi")
head -c $((size * 2 / 3)) "$msi" > "$work/truncated.msi"
run msiexec /i "Z:$work/truncated.msi" /qn && fail "the truncated package was installed"
snapshot final
same_as_before "the upgrades, the refusals and the truncated package" final

[ $failures -eq 0 ] && touch "$prefix/.orvane-installer-clean"
[ $failures -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "installer checks passed"
