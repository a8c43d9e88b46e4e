#!/usr/bin/env python3
"""What a Windows DLL offers its users, read from the file: exports,
resources and version block.

    pe_summary.py FILE                 prints the summary of FILE
    pe_summary.py --compare A B        compares two builds of one DLL

The summary has one line per item, in a fixed order:
  machine: i386 | x86_64
  export: ORDINAL NAME            (one per exported ordinal; NAME is - for
                                   an export by ordinal only)
  resource: TYPE NAME LANGUAGE SIZE SHA256
  version: FIELD VALUE            (the fixed file information, then each
                                   string of the string table, then the
                                   translations)

--compare prints the lines in which A and B differ, leaving out the machine
line (two builds for two processors are expected to differ there and
nowhere else), and exits 1 if there are any, 0 if the two are the same.
Exit status 2: a file that is not a readable PE image.
"""

import hashlib
import struct
import sys

MACHINES = {0x14C: "i386", 0x8664: "x86_64"}
RT_VERSION = 16
RESOURCE_TYPES = {1: "CURSOR", 2: "BITMAP", 3: "ICON", 4: "MENU", 5: "DIALOG", 6: "STRING",
                  9: "ACCELERATOR", 10: "RCDATA", 12: "GROUP_CURSOR", 14: "GROUP_ICON",
                  16: "VERSION", 24: "MANIFEST"}


class PeError(Exception):
    pass


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise PeError("no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise PeError("no PE signature")
        self.machine, sections = struct.unpack_from("<HH", data, pe + 4)
        optional_size = self.u16(pe + 20)
        optional = pe + 24
        magic = self.u16(optional)
        if magic == 0x10B:
            directories = optional + 96
        elif magic == 0x20B:
            directories = optional + 112
        else:
            raise PeError("unknown optional header 0x%x" % magic)
        self.export_rva, _ = struct.unpack_from("<II", data, directories)
        self.resource_rva, _ = struct.unpack_from("<II", data, directories + 16)
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            self.sections.append((rva, max(virtual_size, raw_size), raw_offset, raw_size))

    def u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for start, size, raw_offset, raw_size in self.sections:
            if start <= rva < start + size:
                if rva - start >= raw_size:
                    raise PeError("RVA 0x%x is not in the file" % rva)
                return raw_offset + rva - start
        raise PeError("RVA 0x%x is in no section" % rva)

    def c_string(self, rva):
        start = self.offset(rva)
        end = self.data.index(b"\0", start)
        return self.data[start:end].decode("ascii", "replace")

    def exports(self):
        if not self.export_rva:
            return []
        d = self.offset(self.export_rva)
        base, functions, names, functions_rva, names_rva, ordinals_rva = struct.unpack_from(
            "<IIIIII", self.data, d + 16)
        named = {}
        for i in range(names):
            name_rva = self.u32(self.offset(names_rva) + 4 * i)
            index = self.u16(self.offset(ordinals_rva) + 2 * i)
            named.setdefault(index, []).append(self.c_string(name_rva))
        result = []
        for index in range(functions):
            if self.u32(self.offset(functions_rva) + 4 * index) == 0:
                continue
            for name in sorted(named.get(index, ["-"])):
                result.append((base + index, name))
        return result

    def resources(self):
        """(type, name, language, bytes) for every resource, in directory order."""
        if not self.resource_rva:
            return []
        root = self.offset(self.resource_rva)
        found = []

        def entries(directory):
            named, ids = struct.unpack_from("<HH", self.data, directory + 12)
            for i in range(named + ids):
                key, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
                if key & 0x80000000:
                    at = root + (key & 0x7FFFFFFF)
                    length = self.u16(at)
                    label = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                else:
                    label = key
                yield label, target

        for rtype, type_target in entries(root):
            for name, name_target in entries(root + (type_target & 0x7FFFFFFF)):
                for language, leaf in entries(root + (name_target & 0x7FFFFFFF)):
                    if leaf & 0x80000000:
                        raise PeError("resource tree deeper than three levels")
                    data_rva, size = struct.unpack_from("<II", self.data, root + leaf)
                    start = self.offset(data_rva)
                    found.append((rtype, name, language, self.data[start:start + size]))
        return found


def version_lines(block):
    """The VS_VERSIONINFO block as 'FIELD VALUE' texts."""
    lines = []

    def node(offset):
        length, value_length, kind = struct.unpack_from("<HHH", block, offset)
        key_start = offset + 6
        key_end = key_start
        while block[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = block[key_start:key_end].decode("utf-16-le")
        value = (key_end + 2 + 3) & ~3
        children = value + (value_length * 2 if kind == 1 else value_length)
        children = (children + 3) & ~3
        return length, value_length, kind, key, value, children

    length, value_length, _, key, value, children = node(0)
    if key != "VS_VERSION_INFO":
        raise PeError("version resource has key %r" % key)
    if value_length >= 52:
        fields = struct.unpack_from("<13I", block, value)
        names = ["Signature", "StrucVersion", "FileVersionMS", "FileVersionLS", "ProductVersionMS",
                 "ProductVersionLS", "FileFlagsMask", "FileFlags", "FileOS", "FileType",
                 "FileSubtype", "FileDateMS", "FileDateLS"]
        lines += ["%s 0x%08X" % pair for pair in zip(names, fields)]

    def walk(start, end, path):
        offset = start
        while offset + 6 <= end:
            length, value_length, kind, key, value, children = node(offset)
            if length == 0:
                break
            here = path + [key]
            if kind == 1 and value_length:
                text = block[value:value + 2 * value_length].decode("utf-16-le").rstrip("\0")
                lines.append("%s %s" % ("/".join(here), text))
            elif kind == 0 and value_length:
                words = struct.unpack_from("<%dH" % (value_length // 2), block, value)
                lines.append("%s %s" % ("/".join(here), " ".join("0x%04X" % w for w in words)))
            walk(children, offset + length, here)
            offset = (offset + length + 3) & ~3

    walk(children, length, [])
    return lines


def summary(path):
    with open(path, "rb") as f:
        image = Image(f.read())
    lines = ["machine: %s" % MACHINES.get(image.machine, "0x%x" % image.machine)]
    lines += ["export: %d %s" % pair for pair in image.exports()]
    for rtype, name, language, data in image.resources():
        lines.append("resource: %s %s %s %d %s" % (RESOURCE_TYPES.get(rtype, rtype), name, language,
                                                  len(data), hashlib.sha256(data).hexdigest()))
        if rtype == RT_VERSION:
            lines += ["version: " + line for line in version_lines(data)]
    return lines


def main(argv):
    try:
        if len(argv) == 2:
            print("\n".join(summary(argv[1])))
            return 0
        if len(argv) == 4 and argv[1] == "--compare":
            a = [line for line in summary(argv[2]) if not line.startswith("machine:")]
            b = [line for line in summary(argv[3]) if not line.startswith("machine:")]
            only_a = [line for line in a if line not in b]
            only_b = [line for line in b if line not in a]
            for line in only_a:
                print("only in %s: %s" % (argv[2], line))
            for line in only_b:
                print("only in %s: %s" % (argv[3], line))
            if only_a or only_b:
                return 1
            print("same exports, resources and version block (%d lines)" % len(a))
            return 0
    except (OSError, PeError, struct.error, ValueError) as error:
        print("pe_summary.py: %s" % error, file=sys.stderr)
        return 2
    print("usage: pe_summary.py FILE | pe_summary.py --compare A B", file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
