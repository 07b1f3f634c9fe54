#!/usr/bin/env bash
# The main job: builds the library if needed, registers it in the private Wine
# prefix and runs the VBScript tour of examples/ against it; then starts every
# demonstration program under the prefix's private X server and writes the gallery
# of their windows and of the seven branding forms to build/gallery/index.html.
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" x86_64 OrvaneSuite ShellRecorder DesktopKeeper >/dev/null
"$here/scripts/wine-prefix.sh" start
trap '"$here/scripts/wine-prefix.sh" stop' EXIT
"$here/scripts/wine-run.sh" regsvr32 /s "Z:$here/build/x64/OrvaneSuite.dll"
status=0
for script in "$here"/examples/*.vbs; do
  "$here/scripts/wine-run.sh" cscript //nologo "Z:$script" || status=1
done

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
