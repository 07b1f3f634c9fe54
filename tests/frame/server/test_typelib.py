#!/usr/bin/env python3
"""Builds the type library from frame/server/OrvaneSuite.idl, finishes it with
frame/server/typelib_flags.py and checks the result against the class catalogue:
identities, kinds, type flags, member order and dispatch identifiers, and the
default values of optional parameters.

The MSFT reader here is deliberately separate from the one in
typelib_flags.py.  Run: python3 tests/frame/server/test_typelib.py
(WIDL overrides the compiler, default x86_64-w64-mingw32-widl.)
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import uuid

FRAME = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))), "frame", "server")
WIDL = os.environ.get("WIDL", "x86_64-w64-mingw32-widl")
WINE_INCLUDE = "/usr/include/wine/wine/windows"
WINE_LIB = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows"
TAIL = "-D3E7-4A12-A64C-7B2E90C4F151"

CONTROLS = {  # class: (class id, default interface, events interface)
    "OVSplashScreen": (0x4400, 0x43FF, 0x4402), "OVAboutBox": (0x43FC, 0x43FB, 0x43FE),
    "OVFileVersion": (0x43F9, 0x43F8, 0x43FA), "OVExtractIcon": (0x43F5, 0x43F4, 0x43F7),
    "OVHelp": (0x43F0, 0x43EF, 0x43F3), "OVHyperLink": (0x43ED, 0x43EC, 0x43EE),
    "OVLinkedList": (0x43EA, 0x43E9, 0x43EB), "OVLocaleSettings": (0x43E7, 0x43E6, 0x43E8),
    "OVMath": (0x43E4, 0x43E3, 0x43E5), "OVMemory": (0x43E1, 0x43E0, 0x43E2),
    "OVNumbers": (0x43DD, 0x43DC, 0x43DF), "OVPower": (0x43DA, 0x43D9, 0x43DB),
    "OVScreenModes": (0x43D6, 0x43D5, 0x43D8), "OVSpecialFolders": (0x43D2, 0x43D1, 0x43D4),
    "OVStack": (0x43CF, 0x43CE, 0x43D0), "OVWindows": (0x43CC, 0x43CB, 0x43CD),
    "OVWinVersion": (0x43C7, 0x43C6, 0x43CA), "OVDiskInfo": (0x43C3, 0x43C2, 0x43C5),
}
GLOBALS = {
    "OVRegistry": (0x43B6, 0x43B5), "OVFolderSelect": (0x4416, 0x4415),
    "OVRegistryKey": (0x43B2, 0x43B1), "OVRegistryKeys": (0x43B4, 0x43B3),
    "OVRegistryValue": (0x43BB, 0x43BA), "OVRegistryValues": (0x43BD, 0x43BC),
    "OVFolderSelectValue": (0x43AE, 0x43AD), "OVFolderSelectValues": (0x43B0, 0x43AF),
}
PAGES = {"ppageAboutBoxDesign": (0x4412, 0x4411), "ppageSplashScreenDesign": (0x4414, 0x4413)}
ENUMS = {
    "OVRegistryHKeyConstants": 0x43B7, "OVRegistryDataTypeConstants": 0x43B8,
    "OVRegistryErrorConstants": 0x43B9, "OVDiskInfoConstants": 0x43C4,
    "OVWinVersionOPConstants": 0x43C8, "OVWinVersionOSConstants": 0x43C9,
    "OVSpecialFoldersConstants": 0x43D3, "OVScreenModesConstants": 0x43D7,
    "OVNumbersConstants": 0x43DE, "OVHtmlHelpConstants": 0x43F1, "OVWinHelpConstants": 0x43F2,
    "OVExtractIconSizeConstants": 0x43F6, "OVAboutBoxConstants": 0x43FD,
    "OVSplashScreenConstants": 0x4401, "OVFolderSelectConstants": 0x4417,
    "OVRegistryViewConstants": 0x4419,
}

COLLECTION = "M1 IG G0 M2 EG"
# Members in vtable order.  M = method, G/L/S = property get/let/set,
# F = record field, IG = Item (id 0), EG = NewEnum (id -4); "M0-3" is a range.
MEMBERS = {
    "_OVRegistryKey": "FG0 FL0", "_OVRegistryKeys": COLLECTION,
    "_OVRegistryValue": "FG0 FL0 FG1 FL1 FS1 FG2 FL2", "_OVRegistryValues": COLLECTION,
    "_OVFolderSelectValue": "FG0 FL0 FG1 FL1", "_OVFolderSelectValues": COLLECTION,
    "_OVNumbers": "M0-12", "_OVMath": "M0-24", "_OVStack": "M0-3",
    "_OVLinkedList": "M0-15 M17", "_OVDiskInfo": "G0 L0 M1-16", "_OVWinVersion": "M2-14",
    "_OVWindows": "M0-14", "_OVMemory": "M0-11", "_OVPower": "M0-15",
    "_OVLocaleSettings": "G12-0", "_OVScreenModes": "M0-2 M4", "_OVSpecialFolders": "M0-2",
    "_OVFileVersion": "G0 L0 M5-20", "_OVExtractIcon": "G0 L0 M1-2", "_OVRegistry": "M0-9", "_OVRegistry2": "M10-20",
    "_OVHyperLink": "M0-1", "_OVHelp": "M0-1", "_OVFolderSelect": "M0",
    "_OVSplashScreen": "GL12 GL11 GS10 GL9 GS8 GS7 GL6 GL5 GL4 GL3 GL2 M13 M14 GL1 GL0",
    "_OVAboutBox": "GL13 GL12 GL11 GL10 GL9 GL8 GS7 GL6 GL5 GL4 GL3 GL2 GL1 GL0 M14",
    "_ppageAboutBoxDesign": "", "_ppageSplashScreenDesign": "",
}
INVOKE = {"M": 1, "G": 2, "L": 4, "S": 8}


def expand(layout):
    out = []
    for tok in layout.split():
        if tok in ("IG", "EG"):
            out.append((0 if tok == "IG" else -4, 2))
            continue
        base = 0x40030000 if tok[0] == "F" else None
        if base:
            tok = tok[1:]
        kinds = tok.rstrip("0123456789-")
        lo, _, hi = tok[len(kinds):].partition("-")
        lo, hi = int(lo), int(hi or lo)
        for n in range(lo, hi + (1 if hi >= lo else -1), 1 if hi >= lo else -1):
            for k in kinds:
                b = base or (0x60030000 if k == "M" else 0x68030000)
                out.append((b + n, INVOKE[k]))
    return out


def guid(first):
    return "%08X%s" % (0x25BB0000 + first, TAIL)


class Reader:
    def __init__(self, data):
        self.d = data
        assert data[:4] == b"MSFT"
        n = self.int(0x20)
        seg_dir = 0x54 + (4 if self.int(0x14) & 0x100 else 0) + 4 * n
        self.seg = [self.int(seg_dir + 16 * i) for i in range(15)]
        self.types = {}
        for i in range(n):
            b = self.seg[0] + 0x64 * i
            self.types[self.name(self.int(b + 0x34))] = b

    def int(self, off):
        return struct.unpack_from("<i", self.d, off)[0]

    def name(self, off):
        b = self.seg[7] + off
        return self.d[b + 12:b + 12 + (self.int(b + 8) & 0xff)].decode()

    def kind(self, t):
        return self.int(self.types[t]) & 0xf

    def flags(self, t):
        return self.int(self.types[t] + 0x30)

    def guid(self, t):
        off = self.seg[5] + self.int(self.types[t] + 0x2c)
        return str(uuid.UUID(bytes_le=self.d[off:off + 16])).upper()

    def funcs(self, t):
        """[(dispid, invkind, name, [(param, flags, default value or None)])]"""
        b = self.types[t]
        nf, nv = self.int(b + 0x18) & 0xffff, self.int(b + 0x18) >> 16
        mem = self.int(b + 4)
        tab = mem + 4 + self.int(mem)
        out = []
        for k in range(nf):
            r = mem + 4 + self.int(tab + 4 * (2 * (nf + nv) + k))
            size, fk, na = self.int(r) & 0xffff, self.int(r + 16), self.int(r + 20) & 0xffff
            pinfo = r + size - 12 * na
            params = []
            for a in range(na):
                pn, pf = self.int(pinfo + 12 * a + 4), self.int(pinfo + 12 * a + 8)
                dv = self.value(self.int(pinfo - 4 * na + 4 * a)) if fk & 0x1000 and pf & 0x20 else None
                params.append((self.name(pn) if pn >= 0 else None, pf, dv))
            out.append((self.int(tab + 4 * k), (fk >> 3) & 0xf,
                        self.name(self.int(tab + 4 * (nf + nv + k))), params))
        return out

    def variables(self, t):
        """[(name, help string or None)] of an enumeration's members."""
        b = self.types[t]
        nf, nv = self.int(b + 0x18) & 0xffff, self.int(b + 0x18) >> 16
        mem = self.int(b + 4)
        tab = mem + 4 + self.int(mem)
        out = []
        for k in range(nv):
            r = mem + 4 + self.int(tab + 4 * (2 * (nf + nv) + nf + k))
            text = None
            if self.int(r) & 0xffff >= 0x1c:
                s = self.seg[8] + self.int(r + 0x18)
                text = self.d[s + 2:s + 2 + struct.unpack_from("<H", self.d, s)[0]].decode("latin-1")
            out.append((self.name(self.int(tab + 4 * (nf + nv + nf + k))), text))
        return out

    def value(self, enc):
        if enc < 0:
            return ((enc & 0x7c000000) >> 26, enc & 0x3ffffff)
        b = self.seg[11] + enc
        vt = struct.unpack_from("<H", self.d, b)[0]
        if vt == 8:
            n = self.int(b + 2)
            return (vt, self.d[b + 6:b + 6 + n].decode("latin-1"))
        return (vt, self.int(b + 2))


def read(path):
    with open(path, "rb") as f:
        return f.read()


def run_patch(src, dst):
    return subprocess.run([sys.executable, os.path.join(FRAME, "typelib_flags.py"), src, dst],
                          capture_output=True, text=True)


class TypelibTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Without the compiler nothing here could be checked: that is a failure, not a skip.
        if not shutil.which(WIDL):
            raise RuntimeError(f"{WIDL} not found (scripts/setup.sh installs it)")
        cls.tmp = tempfile.mkdtemp()
        cls.raw = os.path.join(cls.tmp, "raw.tlb")
        cls.out = os.path.join(cls.tmp, "OrvaneSuite.tlb")
        subprocess.run([WIDL, "-I", WINE_INCLUDE, "-L", WINE_LIB, "-t", "-o", cls.raw,
                        os.path.join(FRAME, "OrvaneSuite.idl")], check=True, capture_output=True)
        res = run_patch(cls.raw, cls.out)
        assert res.returncode == 0, res.stderr
        cls.lib = Reader(read(cls.out))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def check(self, name, kind, first, flags):
        self.assertIn(name, self.lib.types)
        self.assertEqual(self.lib.kind(name), kind, name)
        self.assertEqual(self.lib.guid(name), guid(first), name)
        self.assertEqual(self.lib.flags(name), flags, "%s flags" % name)

    def test_catalogue(self):
        for cls, (clsid, iid, events) in CONTROLS.items():
            self.check(cls, 5, clsid, 0x20)
            self.check("_" + cls, 4, iid, 0x11d0)
            self.check("__" + cls, 4, events, 0x1010)
            self.assertEqual(self.lib.funcs("__" + cls), [])
        for cls, (clsid, iid) in GLOBALS.items():
            self.check(cls, 5, clsid, 0xb)
            self.check("_" + cls, 4, iid, 0x11d0)
        for cls, (clsid, iid) in PAGES.items():
            self.check(cls, 5, clsid, 0)
            self.check("_" + cls, 4, iid, 0x11d0)
        for enum, first in ENUMS.items():
            self.check(enum, 0, first, 0)
        # Since version 1.1 OVRegistry's default interface extends the first one.
        self.check("_OVRegistry2", 4, 0x4418, 0x11d0)
        self.assertEqual(len(self.lib.types), 3 * 18 + 2 * 8 + 2 * 2 + 1 + 16)

    def test_default_interfaces_carry_the_automation_flag(self):
        # Dual, hidden, not extensible, automation-compatible, dispatchable: the
        # record of each default interface is the one source of all five.
        for cls in list(CONTROLS) + list(GLOBALS) + list(PAGES) + ["OVRegistry2"]:
            self.assertEqual(self.lib.flags("_" + cls) & 0x100, 0x100, "_%s oleautomation" % cls)

    def test_members_in_vtable_order(self):
        for iface, layout in MEMBERS.items():
            got = [(i & 0xffffffff, k) for i, k, _, _ in self.lib.funcs(iface)]
            want = [(i & 0xffffffff, k) for i, k in expand(layout)]
            self.assertEqual(got, want, iface)

    def test_library_version_and_registry_views(self):
        # Version 1.1: the identifier stays, the minor number went up with _OVRegistry2.
        self.assertEqual(struct.unpack_from("<HH", self.lib.d, 0x18), (1, 1))
        self.assertEqual([v[0] for v in self.lib.variables("OVRegistryViewConstants")],
                         ["ovDefaultView", "ov64BitView", "ov32BitView"])
        names = [v[0] for v in self.lib.variables("OVRegistryDataTypeConstants")]
        self.assertEqual(names[:3], ["ovString", "ovBinary", "ovDWord"])
        self.assertIn("ovQWord", names)

    def test_unpublished_numbers_absent(self):
        ids = [f[0] for f in self.lib.funcs("_OVLinkedList")]
        self.assertNotIn(0x60030010, ids)
        self.assertNotIn(0x60030003, [f[0] for f in self.lib.funcs("_OVScreenModes")])

    def param(self, iface, member, pname):
        for _, _, name, params in self.lib.funcs(iface):
            if name == member:
                return next(p for p in params if p[0] == pname)
        self.fail("%s.%s missing" % (iface, member))

    def test_defaults(self):
        self.assertEqual(self.param("_OVMath", "Inc", "Amount")[1:], (0x31, (2, 1)))
        self.assertEqual(self.param("_OVMath", "Dec", "Amount")[1:], (0x31, (2, 1)))
        self.assertEqual(self.param("_OVFolderSelect", "FolderSelect", "Title")[1:],
                         (0x33, (8, "Please choose a folder.")))
        self.assertEqual(self.param("_OVNumbers", "GenerateRandomID", "BaseX")[1:], (0x33, (3, 2)))
        self.assertEqual(self.param("_OVLinkedList", "Find", "StartIndex")[1:], (0x33, (3, 1)))

    def test_optional_without_default(self):
        self.assertEqual(self.param("_OVMath", "AbsCeil", "KeepSign")[1:], (0x11, None))
        self.assertEqual(self.param("_OVDiskInfo", "TotalSpace", "OverridingDriveName")[1:], (0x13, None))
        self.assertEqual(self.param("_OVLinkedList", "Add", "After")[1:], (0x11, None))
        self.assertEqual(self.param("_OVScreenModes", "ChangeDisplay", "ScreenBits")[1:], (0x13, None))

    def test_records_and_collections_keep_their_names(self):
        names = [f[2] for f in self.lib.funcs("_OVRegistryValues")]
        self.assertEqual(names, ["Add", "Item", "Count", "Remove", "NewEnum"])
        add = next(f for f in self.lib.funcs("_OVRegistryValues") if f[2] == "Add")
        self.assertEqual([p[0] for p in add[3]], ["ValueName", "ValueData", "DataType", "sKey", "result"])

    def test_patch_refuses_foreign_or_patched_input(self):
        junk = os.path.join(self.tmp, "junk.tlb")
        with open(junk, "wb") as f:
            f.write(b"SLTG" + b"\0" * 200)
        self.assertNotEqual(run_patch(junk, os.path.join(self.tmp, "j2.tlb")).returncode, 0)
        self.assertNotEqual(run_patch(self.out, os.path.join(self.tmp, "twice.tlb")).returncode, 0)

    def test_patch_changes_nothing_else(self):
        raw = Reader(read(self.raw))
        for name in self.lib.types:
            want = raw.flags(name) | (8 if raw.kind(name) == 5 and raw.flags(name) & 1 else 0)
            self.assertEqual(self.lib.flags(name), want, name)
            self.assertEqual(self.lib.guid(name), raw.guid(name))
            if raw.kind(name) == 4:
                strip = lambda fs: [(i, k, n, [p[:2] for p in ps]) for i, k, n, ps in fs]
                self.assertEqual(strip(self.lib.funcs(name)), strip(raw.funcs(name)), name)
        # The folder title default (32 bytes), then per enumeration member its
        # help string (length-prefixed, padded to 4) and two record fields.
        grown = 32
        for name in ENUMS:
            self.assertEqual([v[0] for v in self.lib.variables(name)], [v[0] for v in raw.variables(name)])
            for member, text in self.lib.variables(name):
                grown += (2 + len(text) + 3) // 4 * 4 + 8
        self.assertEqual(len(read(self.out)) - len(read(self.raw)), grown)

    def test_every_enumeration_member_has_a_help_string(self):
        for name in ENUMS:
            members = self.lib.variables(name)
            self.assertTrue(members, name)
            for member, text in members:
                self.assertTrue(text, "%s.%s" % (name, member))
        self.assertIn(("ovDWord", "32-bit number (REG_DWORD)."), self.lib.variables("OVRegistryDataTypeConstants"))


if __name__ == "__main__":
    unittest.main()
