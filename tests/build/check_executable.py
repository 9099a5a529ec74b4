"""Build checks of the shipped launcher.exe that no unit test can make.

  headers  32-bit, GUI subsystem, OS and subsystem versions no higher than
           XP's (5.1), so that XP loads it
  imports  only Windows' own DLLs, only functions in xp_imports.txt
  size     prints the size; fails above 256 KiB
  resources  icon in eight sizes and the version block, read back with
           icoutils (wrestool, icotool), all marked language 1049; the
           manifest that keeps installer detection from asking for elevation

Usage: check_executable.py CHECK launcher.exe
"""

import os
import struct
import subprocess
import sys
import tempfile

SIZE_LIMIT = 256 * 1024
XP = (5, 1)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


class PE:
    def __init__(self, path):
        self.data = open(path, "rb").read()
        self.pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[self.pe:self.pe + 4] != b"PE\0\0":
            fail("%s is not a PE file" % path)
        self.machine, count, _, _, _, opt_size, _ = struct.unpack_from(
            "<HHIIIHH", self.data, self.pe + 4)
        self.opt = self.pe + 24
        self.magic = struct.unpack_from("<H", self.data, self.opt)[0]
        self.sections = []
        table = self.opt + opt_size
        for i in range(count):
            name, vsize, rva, rsize, raw = struct.unpack_from(
                "<8sIIII", self.data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0"), rva, max(vsize, rsize), raw))

    def field(self, fmt, offset):
        return struct.unpack_from(fmt, self.data, self.opt + offset)

    def at(self, rva):
        for _, start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        fail("address %#x is in no section" % rva)

    def cstring(self, rva):
        offset = self.at(rva)
        return self.data[offset:self.data.index(b"\0", offset)].decode("ascii")

    def imports(self):
        """[(dll, function)] from the import directory."""
        rva = self.field("<I", 104)[0]  # data directory 1, 32-bit optional header
        found, offset = [], self.at(rva)
        while True:
            lookup, _, _, name, thunk = struct.unpack_from("<IIIII", self.data, offset)
            if not name:
                return found
            dll = self.cstring(name)
            entry = self.at(lookup or thunk)
            while True:
                value = struct.unpack_from("<I", self.data, entry)[0]
                if not value:
                    break
                if value & 0x80000000:
                    found.append((dll, "#%d" % (value & 0xFFFF)))
                else:
                    found.append((dll, self.cstring(value + 2)))
                entry += 4
            offset += 20


def check_headers(exe):
    pe = PE(exe)
    if pe.machine != 0x14C or pe.magic != 0x10B:
        fail("not a 32-bit x86 executable (machine %#x)" % pe.machine)
    os_version = pe.field("<HH", 40)
    subsystem_version = pe.field("<HH", 48)
    subsystem = pe.field("<H", 68)[0]
    print("machine i386, subsystem %d, OS version %d.%d, subsystem version %d.%d"
          % ((subsystem,) + os_version + subsystem_version))
    if subsystem != 2:
        fail("subsystem %d is not the Windows GUI (2)" % subsystem)
    if os_version > XP or subsystem_version > XP:
        fail("versions above XP's 5.1 keep XP from loading it")


def check_imports(exe):
    allowed = set()
    with open(os.path.join(os.path.dirname(__file__), "xp_imports.txt")) as f:
        for line in f:
            words = line.split()
            if words and not words[0].startswith("#"):
                allowed.update((words[0].lower(), name) for name in words[1:])
    found = PE(exe).imports()
    for dll in sorted({d for d, _ in found}):
        names = [n for d, n in found if d == dll]
        print("%s: %s" % (dll, " ".join(names)))
    unknown = [(d, n) for d, n in found if (d.lower(), n) not in allowed]
    if unknown:
        fail("imports not known to be in Windows XP: %s"
             % ", ".join("%s!%s" % x for x in unknown))
    print("%d imports from %d DLLs, all in XP" % (len(found), len({d for d, _ in found})))


def check_size(exe):
    size = os.path.getsize(exe)
    print("launcher.exe: %d bytes (%.1f KiB; limit %d KiB)" % (size, size / 1024,
                                                               SIZE_LIMIT // 1024))
    if size > SIZE_LIMIT:
        fail("larger than %d KiB" % (SIZE_LIMIT // 1024))


def read_version_block(data):
    """(fixed file version, {table: {name: value}}, translations)."""
    def node(offset):
        length, value_length, kind = struct.unpack_from("<HHH", data, offset)
        end = data.index(b"\0\0", offset + 6)
        while (end - offset) % 2:
            end = data.index(b"\0\0", end + 1)
        key = data[offset + 6:end].decode("utf-16-le")
        value_at = (end + 2 + 3) & ~3
        value_size = value_length * 2 if kind == 1 else value_length
        children, child = [], (value_at + value_size + 3) & ~3
        while child < offset + length:
            children.append(node(child))
            child = (child + children[-1][3] + 3) & ~3
        return key, data[value_at:value_at + value_size], children, length

    key, fixed, children, _ = node(0)
    if key != "VS_VERSION_INFO":
        fail("version resource key %r" % key)
    ms, ls = struct.unpack_from("<II", fixed, 8)
    version = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    tables, translations = {}, []
    for name, _, kids, _ in children:
        if name == "StringFileInfo":
            for table, _, strings, _ in kids:
                tables[table] = {k: v.decode("utf-16-le").rstrip("\0")
                                 for k, v, _, _ in strings}
        elif name == "VarFileInfo":
            for _, value, _, _ in kids:
                translations += [struct.unpack_from("<HH", value, i)
                                 for i in range(0, len(value), 4)]
    return version, tables, translations


def check_resources(exe):
    listing = subprocess.run(["wrestool", "-l", exe], check=True, capture_output=True,
                             text=True).stdout
    print(listing.strip())
    lines = listing.splitlines()
    icons = [l for l in lines if l.startswith("--type=3 ")]
    groups = [l for l in lines if l.startswith("--type=14 ")]
    versions = [l for l in lines if l.startswith("--type=16 ")]
    manifests = [l for l in lines if l.startswith("--type=24 ")]
    if (len(icons), len(groups), len(versions), len(manifests), len(lines)) != (8, 1, 1, 1, 11):
        fail("want 8 icons, 1 icon group, 1 version block, 1 manifest and nothing else")
    manifest = subprocess.run(["wrestool", "-x", "-t", "24", "--raw", exe], check=True,
                              capture_output=True).stdout
    if b'<requestedExecutionLevel level="asInvoker"' not in manifest:
        fail("the manifest must ask to run as the invoking user")
    if not all("--language=1049 " in l for l in icons + groups + versions):
        fail("every resource must be marked language 1049")

    with tempfile.TemporaryDirectory() as tmp:
        ico = os.path.join(tmp, "group.ico")
        subprocess.run(["wrestool", "-x", "-t", "14", "-o", ico, exe], check=True)
        sizes = subprocess.run(["icotool", "-l", ico], check=True, capture_output=True,
                               text=True).stdout
        with open(ico, "rb") as f:
            icon_file = f.read()
    print(sizes.strip())
    want = [256, 64, 48, 40, 32, 24, 20, 16]
    got = []
    for line in sizes.splitlines():
        words = dict(w.lstrip("-").split("=") for w in line.split() if "=" in w)
        got.append((int(words["width"]), int(words["bit-depth"])))
    if got != [(s, 32) for s in want]:
        fail("icon sizes %r, want %r at 32 bits" % (got, want))
    count = struct.unpack_from("<H", icon_file, 4)[0]
    for i in range(count):
        width, _, _, _, _, _, _, offset = struct.unpack_from("<BBBBHHII", icon_file, 6 + 16 * i)
        is_png = icon_file[offset:offset + 8] == b"\x89PNG\r\n\x1a\n"
        if is_png != (width == 0):
            fail("only the 256-pixel image may be, and must be, stored as PNG")

    block = subprocess.run(["wrestool", "-x", "-t", "16", "--raw", exe], check=True,
                           capture_output=True).stdout
    version, tables, translations = read_version_block(block)
    print("version %s, string tables %r, translations %r" % (
        ".".join(map(str, version)), tables, translations))
    if version != (1, 0, 0, 0):
        fail("fixed file version %r" % (version,))
    if list(tables) != ["041904E3"]:
        fail("want the one string table 041904E3, got %r" % list(tables))
    strings = tables["041904E3"]
    if strings.get("FileVersion") != "1.0.0.0" or strings.get("ProductVersion") != "1.0.0.0":
        fail("FileVersion and ProductVersion must read 1.0.0.0")
    others = {k: v for k, v in strings.items() if k not in ("FileVersion", "ProductVersion")}
    if any(others.values()):
        fail("strings other than the versions must be empty: %r" % others)
    if translations != [(0x0419, 1251)]:
        fail("translation %r, want Russian, 1251" % translations)


CHECKS = {"headers": check_headers, "imports": check_imports, "size": check_size,
          "resources": check_resources}

if __name__ == "__main__":
    CHECKS[sys.argv[1]](sys.argv[2])
    print("ok")
