#!/usr/bin/env python3
"""Writes the application manifest of a demonstration program: the program's own
identity and, for registration-free activation, every class of the library with its
programmatic identifier and the type library, all read from the type library source.

usage: make_manifest.py <idl> <program name> <amd64|x86> <output>
"""
import re
import sys

idl_path, program, architecture, output = sys.argv[1:5]
source = open(idl_path, encoding="utf-8").read()

library = re.search(r"\[\s*uuid\(([0-9A-Fa-f-]+)\),\s*version\((\d+\.\d+)\)[^\]]*\]\s*library\s+(\w+)", source)
if not library:
    sys.exit("no library block in " + idl_path)
library_id, library_version, library_name = library.groups()

classes = []
for match in re.finditer(r"\[\s*uuid\(([0-9A-Fa-f-]+)\)([^\]]*)\]\s*coclass\s+(\w+)", source):
    class_id, attributes, name = match.groups()
    # Property pages are reached by class identifier only; everything else by name too.
    classes.append((class_id.upper(), name, name.startswith("ppage")))

lines = [
    '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>',
    '<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">',
    f'  <assemblyIdentity type="win32" name="Orvane.{program}" version="1.22.0.0" processorArchitecture="{architecture}"/>',
    f'  <description>Orvane Suite: {program}</description>',
    '  <file name="OrvaneSuite.dll">',
    f'    <typelib tlbid="{{{library_id.upper()}}}" version="{library_version}" helpdir="" flags=""/>',
]
for class_id, name, page in classes:
    progid = "" if page else f' progid="{library_name}.{name}"'
    lines.append(f'    <comClass clsid="{{{class_id}}}"{progid} threadingModel="Apartment" tlbid="{{{library_id.upper()}}}"/>')
lines += [
    '  </file>',
    '  <application xmlns="urn:schemas-microsoft-com:asm.v3">',
    '    <windowsSettings>',
    '      <dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>',
    '    </windowsSettings>',
    '  </application>',
    '</assembly>',
]
with open(output, "w", encoding="utf-8", newline="\r\n") as out:
    out.write("\n".join(lines) + "\n")
