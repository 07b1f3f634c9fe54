#!/usr/bin/env bash
# The main job: builds the library if needed, registers it in the private Wine
# prefix and runs the VBScript tour of examples/ against it, under the 64-bit and
# (where the machine can start 32-bit programs) the 32-bit script host; then starts every
# demonstration program under the prefix's private X server and writes the gallery
# of their windows and of the seven branding forms to build/gallery/index.html.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64 OrvaneSuite ShellRecorder DesktopKeeper >/dev/null
x86=0
if "$here/scripts/wine32-run.sh" --can-run; then
  x86=1
  "$here/scripts/build.sh" i686 OrvaneSuite >/dev/null
fi
"$here/scripts/wine-prefix.sh" start
# The registration is the tour's own: it goes again on the way out, so that the tests
# that need an unregistered library find it so.
cleanup() {
  "$here/scripts/wine-run.sh" regsvr32 /u /s "Z:$here/build/x64/OrvaneSuite.dll" || true
  [ $x86 -eq 0 ] || "$here/scripts/wine32-run.sh" regsvr32 /u /s "Z:$here/build/i686/OrvaneSuite.dll" || true
  "$here/scripts/wine-prefix.sh" stop
}
trap cleanup EXIT
"$here/scripts/wine-run.sh" regsvr32 /s "Z:$here/build/x64/OrvaneSuite.dll"
status=0
echo "=== The tour under the 64-bit script host (64-bit library)"
for script in "$here"/examples/*.vbs; do
  "$here/scripts/wine-run.sh" cscript //nologo "Z:$script" || status=1
done
if [ $x86 -eq 1 ]; then
  "$here/scripts/wine32-run.sh" regsvr32 /s "Z:$here/build/i686/OrvaneSuite.dll"
  echo "=== The tour under the 32-bit script host (32-bit library)"
  for script in "$here"/examples/*.vbs; do
    "$here/scripts/wine32-run.sh" 'C:\windows\syswow64\cscript.exe' //nologo "Z:$script" || status=1
  done
else
  echo "=== The 32-bit tour is not run: this machine cannot start 32-bit programs"
fi

# Gallery: the programs find the library through their manifests, no registration.
"$here/scripts/build.sh" x86_64 gallery >/dev/null
gallery="$here/build/gallery"
rm -rf "$gallery" && mkdir -p "$gallery"
"$here/scripts/wine-run.sh" "$here/build/x64/demos/bin/gallery.exe" "Z:$gallery" </dev/null || status=1
{
  echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>Orvane Suite: demonstration programs</title>'
  echo '<style>body{font-family:sans-serif;background:#f4f4f4}figure{display:inline-block;margin:12px;vertical-align:top}'
  echo 'figcaption{text-align:center;font-weight:bold;margin-top:4px}img{border:1px solid #888;background:#fff}</style>'
  echo '</head><body><h1>Orvane Suite: demonstration programs</h1>'
  echo '<p>Each program as it shows after start-up, then the splash screen styles and About windows.</p>'
  for picture in "$gallery"/OV*.png "$gallery"/splash-*.png "$gallery"/about-*.png; do
    [ -f "$picture" ] || continue
    name=$(basename "$picture" .png)
    echo "<figure><img src=\"$name.png\" alt=\"$name\"><figcaption>$name</figcaption></figure>"
  done
  echo '</body></html>'
} > "$gallery/index.html"
echo "Gallery: $gallery/index.html"
exit $status
