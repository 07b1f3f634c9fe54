#!/usr/bin/env python3
"""Finish the type library that widl builds from OrvaneSuite.idl.

usage: typelib_flags.py in.tlb out.tlb [OrvaneSuite.idl]

widl cannot express four things the library needs, so they are patched
into its MSFT output here:

  * every coclass marked appobject also gets TYPEFLAG_FPREDECLID (0x8), so the
    global classes carry FAPPOBJECT | FCANCREATE | FPREDECLID (0xb);
  * _OVMath Inc/Dec Amount defaults to the 16-bit integer 1 (widl stores the
    32-bit 1 for a VARIANT default);
  * _OVFolderSelect FolderSelect Title defaults to "Please choose a folder."
    (widl rejects a text default on a BSTR* parameter; the IDL reserves the
    slot with defaultvalue(0));
  * enumeration members carry help strings: widl rejects the attribute
    there, so the IDL writes it as a comment after the member,
    /* helpstring("...") */, and it is read from the IDL (by default the one
    beside this script).

Anything that does not look exactly like what widl writes is an error.
"""
import os
import re
import struct
import sys

TYPEFLAG_FAPPOBJECT = 0x1
TYPEFLAG_FPREDECLID = 0x8
TKIND_DISPATCH, TKIND_COCLASS = 4, 5
TKIND_ENUM = 0
SEG_TYPEINFO, SEG_GUID, SEG_NAME, SEG_STRING, SEG_CUSTDATA = 0, 5, 7, 8, 11
VAR_RECORD_SIZE = 0x14          # a variable record without optional fields
VAR_RECORD_WITH_HELP = 0x1c     # ... with help context and help string
VT_I2, VT_I4, VT_BSTR = 2, 3, 8
TYPEINFO_SIZE = 0x64
PARAMFLAG_FHASDEFAULT = 0x20


def inline_value(vt, value):
    return 0x80000000 | (vt << 26) | value


# (interface, member, parameter): (default widl leaves there, replacement);
# a replacement that is a str is stored as a text in the custom data segment.
DEFAULTS = {
    ("_OVMath", "Inc", "Amount"): (inline_value(VT_I4, 1), inline_value(VT_I2, 1)),
    ("_OVMath", "Dec", "Amount"): (inline_value(VT_I4, 1), inline_value(VT_I2, 1)),
    ("_OVFolderSelect", "FolderSelect", "Title"):
        (inline_value(VT_BSTR, 0), "Please choose a folder."),
}


def fail(msg):
    sys.exit("typelib_flags.py: " + msg)


class Typelib:
    def __init__(self, data):
        self.d = bytearray(data)
        if self.d[:4] != b"MSFT" or self.u32(4) != 0x00010002:
            fail("not an MSFT type library")
        self.count = self.i32(0x20)
        pos = 0x54 + (4 if self.i32(0x14) & 0x100 else 0)
        self.segdir = pos + 4 * self.count
        if self.segdir + 15 * 16 > len(self.d):
            fail("truncated segment directory")
        for i in range(15):
            off, length = self.seg(i)
            if off != -1 and (off < self.segdir + 15 * 16 or off + length > len(self.d)):
                fail("segment %d out of range" % i)
        if self.seg(SEG_TYPEINFO)[1] != self.count * TYPEINFO_SIZE:
            fail("typeinfo segment does not match the typeinfo count")

    def i32(self, off):
        return struct.unpack_from("<i", self.d, off)[0]

    def u32(self, off):
        return struct.unpack_from("<I", self.d, off)[0]

    def put(self, off, value):
        struct.pack_into("<I", self.d, off, value & 0xffffffff)

    def seg(self, i):
        return self.i32(self.segdir + 16 * i), self.i32(self.segdir + 16 * i + 4)

    def name(self, off):
        base = self.seg(SEG_NAME)[0] + off
        return self.d[base + 12:base + 12 + (self.i32(base + 8) & 0xff)].decode("latin-1")

    def typeinfos(self):
        base = self.seg(SEG_TYPEINFO)[0]
        return [base + TYPEINFO_SIZE * i for i in range(self.count)]

    def functions(self, ti):
        """Yield (name, record offset) of each function of a typeinfo."""
        nfuncs, nvars = self.i32(ti + 0x18) & 0xffff, self.i32(ti + 0x18) >> 16
        if nfuncs == 0:
            return
        mem = self.i32(ti + 4)
        records = mem + 4
        tables = records + self.i32(mem)
        for k in range(nfuncs):
            yield (self.name(self.i32(tables + 4 * (nfuncs + nvars + k))),
                   records + self.i32(tables + 4 * (2 * (nfuncs + nvars) + k)))

    def default_slots(self, record):
        """Yield (parameter name, default slot offset, flags) of a function."""
        size, fkccic = self.i32(record) & 0xffff, self.i32(record + 16)
        nargs = self.i32(record + 20) & 0xffff
        if not fkccic & 0x1000:
            return
        params = record + size - 12 * nargs
        for a in range(nargs):
            name_off = self.i32(params + 12 * a + 4)
            yield (self.name(name_off) if name_off >= 0 else None,
                   params - 4 * nargs + 4 * a, self.i32(params + 12 * a + 8))

    def insert(self, at, data, segment=None):
        """Insert bytes at a file offset, inside `segment` if given (it then
        grows); every later segment and member block moves up."""
        self.d[at:at] = data
        for i in range(15):
            off = self.i32(self.segdir + 16 * i)
            if off != -1 and (off > at or (off == at and i != segment)):
                self.put(self.segdir + 16 * i, off + len(data))
        if segment is not None:
            self.put(self.segdir + 16 * segment + 4, self.seg(segment)[1] + len(data))
        for ti in self.typeinfos():
            if self.i32(ti + 4) >= at:
                self.put(ti + 4, self.i32(ti + 4) + len(data))

    def append_text(self, text):
        """Store a BSTR value at the end of the custom data segment and
        return its offset there; later file contents move up."""
        raw = text.encode("latin-1")
        entry = struct.pack("<Hi", VT_BSTR, len(raw)) + raw
        entry += b"\x57" * (-len(entry) % 4)
        seg_off, seg_len = self.seg(SEG_CUSTDATA)
        if seg_off == -1:
            fail("no custom data segment to extend")
        self.insert(seg_off + seg_len, entry, SEG_CUSTDATA)
        return seg_len

    def append_string(self, text):
        """Store a help string at the end of the string segment and return
        its offset there."""
        raw = text.encode("latin-1")
        entry = struct.pack("<H", len(raw)) + raw
        entry += b"\x57" * (-len(entry) % 4)
        seg_off, seg_len = self.seg(SEG_STRING)
        if seg_off == -1:
            fail("no string segment to extend")
        self.insert(seg_off + seg_len, entry, SEG_STRING)
        return seg_len

    def add_variable_help(self, ti, texts):
        """Give the variables of a typeinfo (an enumeration's members) the
        help strings in `texts` (name: string offset), growing each record
        by its help context and help string fields."""
        nfuncs, nvars = self.i32(ti + 0x18) & 0xffff, self.i32(ti + 0x18) >> 16
        if nfuncs != 0 or nvars == 0:
            fail("enumeration with functions or without members")
        mem = self.i32(ti + 4)
        infolen = self.i32(mem)
        records = mem + 4
        tables = records + infolen
        ids = self.d[tables:tables + 4 * nvars]
        names = [self.i32(tables + 4 * (nvars + k)) for k in range(nvars)]
        offsets = [self.i32(tables + 4 * (2 * nvars + k)) for k in range(nvars)]
        if sorted(offsets) != offsets:
            fail("variable records out of order")
        body, new_offsets = bytearray(), []
        for k in range(nvars):
            record = records + offsets[k]
            info = self.u32(record)
            if info & 0xffff != VAR_RECORD_SIZE:
                fail("unexpected variable record size 0x%x" % (info & 0xffff))
            name = self.name(names[k])
            if name not in texts:
                fail("no help string for enumeration member " + name)
            new_offsets.append(len(body))
            body += struct.pack("<I", (info & 0xffff0000) | VAR_RECORD_WITH_HELP)
            body += self.d[record + 4:record + VAR_RECORD_SIZE]
            body += struct.pack("<ii", 0, texts.pop(name))
        block = struct.pack("<i", len(body)) + body + ids
        block += b"".join(struct.pack("<i", n) for n in names)
        block += b"".join(struct.pack("<i", o) for o in new_offsets)
        end = tables + 12 * nvars
        grown = len(block) - (end - mem)
        self.d[mem:end] = block[:end - mem]
        self.insert(end, block[end - mem:])
        return grown


def enumeration_help(idl_path):
    """{enumeration: {member: help string}} from the comments of the IDL."""
    with open(idl_path, encoding="latin-1") as f:
        idl = f.read()
    out = {}
    for enum, body in re.findall(r"enum\s+(\w+)\s*\{(.*?)\}", idl, re.S):
        members = {}
        for line in body.splitlines():
            m = re.match(r'\s*(\w+)\s*=.*?/\*\s*helpstring\("((?:[^"\\]|\\.)*)"\)\s*\*/', line)
            if m:
                members[m.group(1)] = re.sub(r"\\(.)", r"\1", m.group(2))
            elif re.match(r"\s*\w+\s*=", line):
                fail("enumeration member without a help string: %s.%s" % (enum, line.split("=")[0].strip()))
        out[enum] = members
    return out


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit("usage: typelib_flags.py in.tlb out.tlb [OrvaneSuite.idl]")
    with open(sys.argv[1], "rb") as f:
        lib = Typelib(f.read())
    idl = sys.argv[3] if len(sys.argv) == 4 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "OrvaneSuite.idl")
    enum_help = enumeration_help(idl)

    predeclared = 0
    for ti in lib.typeinfos():
        flags = lib.i32(ti + 0x30)
        if lib.i32(ti) & 0xf == TKIND_COCLASS and flags & TYPEFLAG_FAPPOBJECT:
            lib.put(ti + 0x30, flags | TYPEFLAG_FPREDECLID)
            predeclared += 1
    if predeclared == 0:
        fail("no appobject coclass found")

    # Texts go into the custom data segment first: that moves the function
    # records, which are therefore located afterwards.
    values = {key: lib.append_text(value) if isinstance(value, str) else value
              for key, (_, value) in DEFAULTS.items()}
    found = []
    for ti in lib.typeinfos():
        if lib.i32(ti) & 0xf != TKIND_DISPATCH:
            continue
        iface = lib.name(lib.i32(ti + 0x34))
        for member, record in lib.functions(ti):
            for param, slot, flags in lib.default_slots(record):
                if (iface, member, param) in DEFAULTS and flags & PARAMFLAG_FHASDEFAULT:
                    found.append(((iface, member, param), slot))
    if sorted(key for key, _ in found) != sorted(DEFAULTS):
        fail("default value slots not found as expected: %s" % sorted(k for k, _ in found))
    for key, slot in found:
        if lib.u32(slot) != DEFAULTS[key][0]:
            fail("%s.%s(%s): unexpected default 0x%08x" % (key + (lib.u32(slot),)))
        lib.put(slot, values[key])

    # Help strings of the enumeration members: the strings first (the string
    # segment lies before the member blocks), then the records that name them.
    offsets = {enum: {name: lib.append_string(text) for name, text in members.items()}
               for enum, members in enum_help.items()}
    for ti in lib.typeinfos():
        if lib.i32(ti) & 0xf != TKIND_ENUM:
            continue
        enum = lib.name(lib.i32(ti + 0x34))
        if enum not in offsets:
            fail("enumeration %s not found in the IDL" % enum)
        texts = offsets.pop(enum)
        lib.add_variable_help(ti, texts)
        if texts:
            fail("%s has no members %s" % (enum, sorted(texts)))
    if offsets:
        fail("enumerations missing from the type library: %s" % sorted(offsets))

    with open(sys.argv[2], "wb") as f:
        f.write(lib.d)


if __name__ == "__main__":
    main()
