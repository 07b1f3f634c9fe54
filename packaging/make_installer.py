#!/usr/bin/env python3
"""Writes the WiX source of the Windows Installer package from the release folder.

    make_installer.py <release folder> <rows x64> <rows x86> <version> <output.wxs>

One x64 package holds both libraries: bin\\x64 goes to Program Files, bin\\x86 to
Program Files (x86). The COM registration of each library is registry data in the
library's own component, taken row for row from the rows files that RegistrationRows
writes from the registration code itself (key, value name, flag, data; tab-separated).
The path recorded for a library in those files is @INSTALLDIR@ followed by its path in
the release folder, which becomes the installation folder of its half here.
"""
import os
import sys
import uuid
from xml.sax.saxutils import quoteattr

UPGRADE_CODE = "{C341C611-638C-4D5E-8539-3677C99CB1A8}"
# Component identifiers must stay the same from one version to the next for a major
# upgrade to replace files in place: they are derived from the path alone.
COMPONENT_NAMESPACE = uuid.UUID("db2c671f-4ddf-45f6-8f99-7ca217d402c8")
PLACEHOLDER = "@INSTALLDIR@"
MANUFACTURER = "Tarvello"
# Left out of the installer: the debug information (the debug zip has it) and the
# registration scripts (the installer registers the libraries itself).
LEFT_OUT_SUFFIXES = (".debug",)
LEFT_OUT_NAMES = {"register-machine.cmd", "register-user.cmd", "unregister-machine.cmd", "unregister-user.cmd"}


def identifier(prefix, text):
    return prefix + "_" + uuid.uuid5(COMPONENT_NAMESPACE, text).hex[:20]


def component_guid(text):
    return "{" + str(uuid.uuid5(COMPONENT_NAMESPACE, text)).upper() + "}"


def formatted(text):
    """A literal text as a formatted-text value: brackets escaped, a leading # doubled."""
    text = "".join("[\\" + c + "]" if c in "[]" else c for c in text)
    if text.startswith("#"):
        text = "#" + text
    return text


def read_rows(path, installdir):
    rows = []
    with open(path, encoding="utf-8") as stream:
        for line in stream.read().splitlines():
            key, name, has_value, data = line.split("\t")
            data = formatted(data).replace(PLACEHOLDER, "[" + installdir + "]")
            rows.append((key, name, has_value == "1", data))
    if not rows:
        sys.exit("make_installer.py: no registration rows in " + path)
    return rows


class Writer:
    def __init__(self):
        self.lines = []
        self.components = []
        self.files = {}  # release path -> file identifier

    def add(self, depth, text):
        self.lines.append("  " * depth + text)

    def directory(self, depth, root, relative, installdir, win64, rows_for):
        """The files of one folder of the release and its subfolders."""
        here = os.path.join(root, relative)
        has_files = False
        for name in sorted(os.listdir(here)):
            path = os.path.join(relative, name) if relative else name
            full = os.path.join(root, path)
            if os.path.isdir(full):
                if path == os.path.join("bin", "x86") and win64:
                    continue  # the 32-bit half lives under Program Files (x86)
                self.add(depth, "<Directory Id=%s Name=%s>" % (quoteattr(identifier("d", path)), quoteattr(name)))
                self.directory(depth + 1, root, path, installdir, win64, rows_for)
                self.add(depth, "</Directory>")
                continue
            if name.endswith(LEFT_OUT_SUFFIXES) or name in LEFT_OUT_NAMES:
                continue
            has_files = True
            file_id = identifier("f", path)
            component_id = identifier("c", path)
            self.files[path.replace(os.sep, "/")] = file_id
            self.components.append(component_id)
            self.add(depth, "<Component Id=%s Guid=%s Win64=%s>" % (
                quoteattr(component_id), quoteattr(component_guid(path)), quoteattr("yes" if win64 else "no")))
            self.add(depth + 1, "<File Id=%s Name=%s Source=%s KeyPath=\"yes\"/>" % (
                quoteattr(file_id), quoteattr(name), quoteattr(path.replace(os.sep, "/"))))
            for key, value_name, has_value, data in rows_for(path):
                full_key = "Software\\Classes\\" + key
                if has_value:
                    name_attribute = " Name=%s" % quoteattr(value_name) if value_name else ""
                    self.add(depth + 1, "<RegistryValue Root=\"HKLM\" Key=%s%s Type=\"string\" Value=%s/>" % (
                        quoteattr(full_key), name_attribute, quoteattr(data)))
                else:
                    # The name "*" makes the key alone: created with the component, removed with it
                    # ("+" would only create it, and leave it behind on removal).
                    self.add(depth + 1, "<RegistryValue Root=\"HKLM\" Key=%s Name=\"*\" Type=\"string\" Value=\"\"/>" % quoteattr(full_key))
            self.add(depth, "</Component>")
        if not has_files:
            self.folder_removal(depth, "folder " + relative + (" x64" if win64 else " x86"), win64)

    def folder_removal(self, depth, name, win64):
        """A folder that holds only folders: a component of its own removes it when empty
        (the installer removes the folders of components, not their parents)."""
        component_id = identifier("c", name)
        self.components.append(component_id)
        self.add(depth, "<Component Id=%s Guid=%s Win64=%s>" % (
            quoteattr(component_id), quoteattr(component_guid(name)), quoteattr("yes" if win64 else "no")))
        self.add(depth + 1, "<RemoveFolder Id=%s On=\"uninstall\"/>" % quoteattr(identifier("r", name)))
        self.add(depth, "</Component>")


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    root, rows_x64_path, rows_x86_path, version, output = sys.argv[1:]
    short_version = ".".join(version.split(".")[:2])
    rows_x64 = read_rows(rows_x64_path, "INSTALLDIR")
    # The type library key is one key for both views of the registry: the values both
    # libraries write there (all but the 32-bit path) belong to the 64-bit component, as
    # after registering the 32-bit library first and the 64-bit one last.
    shared = {(key, name) for key, name, _, _ in rows_x64 if key.startswith("TypeLib\\")}
    rows_x86 = [row for row in read_rows(rows_x86_path, "INSTALLDIR86") if (row[0], row[1]) not in shared]
    rows = {
        os.path.join("bin", "x64", "OrvaneSuite.dll"): rows_x64,
        os.path.join("bin", "x86", "OrvaneSuite.dll"): rows_x86,
    }
    rows_for = lambda path: rows.get(path, [])
    writer = Writer()
    add = writer.add
    add(0, "<?xml version=\"1.0\" encoding=\"utf-8\"?>")
    add(0, "<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">")
    add(1, "<Product Id=\"*\" Name=%s Language=\"1033\" Version=%s Manufacturer=%s UpgradeCode=%s>" % (
        quoteattr("Orvane Suite " + short_version), quoteattr(version), quoteattr(MANUFACTURER), quoteattr(UPGRADE_CODE)))
    add(2, "<Package InstallerVersion=\"500\" Compressed=\"yes\" InstallScope=\"perMachine\" "
           "Description=\"Orvane Suite: component library, reference, samples and demonstration programs\"/>")
    add(2, "<MajorUpgrade DowngradeErrorMessage=\"A newer version of Orvane Suite is already installed. "
           "Remove it before installing this one.\"/>")
    add(2, "<Media Id=\"1\" Cabinet=\"OrvaneSuite.cab\" EmbedCab=\"yes\"/>")
    add(2, "<Property Id=\"ARPNOMODIFY\" Value=\"1\"/>")
    add(2, "<Directory Id=\"TARGETDIR\" Name=\"SourceDir\">")
    add(3, "<Directory Id=\"ProgramFiles64Folder\">")
    add(4, "<Directory Id=\"INSTALLDIR\" Name=\"Orvane Suite\">")
    writer.directory(5, root, "", "INSTALLDIR", True, rows_for)
    add(4, "</Directory>")
    add(3, "</Directory>")
    add(3, "<Directory Id=\"ProgramFilesFolder\">")
    add(4, "<Directory Id=\"INSTALLDIR86\" Name=\"Orvane Suite\">")
    add(5, "<Directory Id=\"d_bin86\" Name=\"bin\">")
    add(6, "<Directory Id=%s Name=\"x86\">" % quoteattr(identifier("d", os.path.join("bin", "x86"))))
    writer.directory(7, root, os.path.join("bin", "x86"), "INSTALLDIR86", False, rows_for)
    add(6, "</Directory>")
    writer.folder_removal(6, "folder bin x86", False)
    add(5, "</Directory>")
    writer.folder_removal(5, "folder root x86", False)
    add(4, "</Directory>")
    add(3, "</Directory>")
    add(3, "<Directory Id=\"ProgramMenuFolder\">")
    add(4, "<Directory Id=\"MenuFolder\" Name=\"Orvane Suite\">")
    # The Start menu: one component whose key is a value of its own, holding every
    # shortcut and the removal of the folder.
    add(5, "<Component Id=\"StartMenu\" Guid=%s Win64=\"yes\">" % quoteattr(component_guid("start menu")))
    add(6, "<RegistryValue Root=\"HKLM\" Key=\"Software\\Tarvello\\Orvane Suite\" Name=\"StartMenu\" "
           "Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/>")
    bin_x64 = identifier("d", os.path.join("bin", "x64"))
    demos = sorted(path for path in writer.files if path.startswith("bin/x64/") and path.endswith("Demo.exe"))
    if not demos:
        sys.exit("make_installer.py: no demonstration programs in " + os.path.join(root, "bin", "x64"))
    for path in demos:
        program = os.path.basename(path)[:-len(".exe")]
        add(6, "<Shortcut Id=%s Name=%s Target=%s WorkingDirectory=%s/>" % (
            quoteattr(identifier("s", path)), quoteattr(program[:-len("Demo")] + " demonstration"),
            quoteattr("[#" + writer.files[path] + "]"), quoteattr(bin_x64)))
    if "doc/index.html" not in writer.files:
        sys.exit("make_installer.py: no doc/index.html in the release folder")
    add(6, "<Shortcut Id=\"Reference\" Name=\"Orvane Suite reference\" Target=%s/>" % quoteattr(
        "[#" + writer.files["doc/index.html"] + "]"))
    add(6, "<Shortcut Id=\"Samples\" Name=\"Samples\" Target=%s/>" % quoteattr("[" + identifier("d", "samples") + "]"))
    add(6, "<RemoveFolder Id=\"MenuFolder\" On=\"uninstall\"/>")
    add(5, "</Component>")
    writer.components.append("StartMenu")
    add(4, "</Directory>")
    add(3, "</Directory>")
    add(2, "</Directory>")
    add(2, "<Feature Id=\"Complete\" Title=\"Orvane Suite\" Level=\"1\">")
    for component in writer.components:
        add(3, "<ComponentRef Id=%s/>" % quoteattr(component))
    add(2, "</Feature>")
    add(1, "</Product>")
    add(0, "</Wix>")
    with open(output, "w", encoding="utf-8") as stream:
        stream.write("\n".join(writer.lines) + "\n")


if __name__ == "__main__":
    main()
