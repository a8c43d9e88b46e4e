#!/usr/bin/env python3
"""Check that the library calls only what the device's libraries export.

Usage:
  device_surface.py --build BUILD_DIR --api API_DIR [--source SOURCE_DIR] [--list]

The desktop builds link against desktop Windows, which exports far more than
the phone. This reads the undefined symbols of the library's own object files
(host, index, overlay, runtime, settings, win32: the objects that
compile_commands.json names, read with the build's nm) and sorts every
platform function they call:

  on the device    exported by one of the device's libraries (API_DIR, one
                   exported name a line, one file per library)
  header-mapped    a desktop name that the device's headers turn into a
                   device function (HEADER_MAPPED below)
  desktop-only     neither; allowed only in win32/desktop_only.cpp, where each
                   such call names what the device build calls instead
  stand-in import  a function one of our stand-in DLLs exports (its .def file)
                   must be exported under the same name by the device's
                   library of that name, or the import would not resolve there

It prints the four counts and fails (exit 1) on a desktop-only call outside
win32/desktop_only.cpp or a stand-in import the device library lacks. With
--list it also prints every name under its heading. Exit 2 when the build or
the lists cannot be read; 77 when API_DIR does not exist (the check skipped).
"""

import argparse
import json
import os
import re
import shlex
import subprocess
import sys

# The library's own folders; a test program that compiles one of their files
# again (its object lands under tests/) is not the library.
PRODUCT_FOLDERS = ("host", "index", "overlay", "runtime", "settings", "win32")
DESKTOP_ONLY_FILE = "win32/desktop_only.cpp"

# Desktop names that are no export of the device but a macro or inline code
# in its headers, with what each becomes there.
HEADER_MAPPED = {
    "CheckDlgButton": "SendDlgItemMessageW (BM_SETCHECK)",
    "IsDlgButtonChecked": "SendDlgItemMessageW (BM_GETCHECK)",
    "GetProcAddress": "GetProcAddressW",
    "GetWindowLongPtrW": "GetWindowLongW (pointers are 32 bits)",
    "SetWindowLongPtrW": "SetWindowLongW (pointers are 32 bits)",
    "lstrlenW": "wcslen",
    "DialogBoxParamW": "DialogBoxIndirectParamW (over FindResource and LoadResource)",
    "LockResource": "LoadResource's handle, which is the resource's address",
    "ShellExecuteExW": "ShellExecuteEx",
    "GetCurrentProcess": "the constant pseudo-handle of the current process",
    "GetCurrentThread": "the constant pseudo-handle of the current thread",
    "GetCurrentProcessId": "the process id from the kernel's per-thread data",
    "GetCurrentThreadId": "the thread id from the kernel's per-thread data",
}

# Our stand-in DLLs whose functions the library imports by name, each with
# its .def file; the device's library of the same name is API_DIR/NAME.txt.
# (pimstore.dll is reached only through CoCreateInstance.)
STAND_INS = {
    "aygshell": "platform/aygshell/aygshell.def",
    "cellcore": "platform/cellcore/cellcore.def",
    "phone": "platform/phone/phone.def",
}

# C runtime functions that a device toolchain's own C library supplies (they
# are linked into the library, not imported from coredll.dll).
TOOLCHAIN_RUNTIME = {
    "abort": "std::terminate's default, in host/terminate_handler.cpp",
}

STDCALL_SUFFIX = re.compile(r"@\d+$")


def read_cache(build):
    values = {}
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            match = re.match(r"^([A-Za-z_0-9]+):[A-Z]+=(.*)$", line.rstrip("\n"))
            if match:
                values[match.group(1)] = match.group(2)
    return values


def product_objects(build, source):
    """(source file relative to SOURCE_DIR, object path) of the library's objects."""
    with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as f:
        entries = json.load(f)
    found = []
    for entry in entries:
        relative = os.path.relpath(os.path.realpath(entry["file"]), source)
        if relative.split(os.sep)[0] not in PRODUCT_FOLDERS:
            continue
        words = shlex.split(entry["command"])
        output = entry.get("output") or words[words.index("-o") + 1]
        if output.split("/")[0] == "tests":
            continue
        found.append((relative.replace(os.sep, "/"), os.path.join(build, output)))
    return sorted(set(found))


def symbols(nm, path, undefined):
    """The object's undefined (or defined external) symbol names."""
    flag = "--undefined-only" if undefined else "--defined-only"
    result = subprocess.run([nm, flag, "--extern-only", path], stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True, check=False)
    if result.returncode != 0:
        raise OSError("%s %s: %s" % (nm, path, result.stderr.strip()))
    return {line.split()[-1] for line in result.stdout.splitlines() if line.strip()}


def plain_name(symbol, underscored):
    """The C name of a symbol (import pointer and i686 decoration removed), or
    None for what no library exports by name: C++ names and the compiler's
    own helpers."""
    name = symbol[len("__imp_"):] if symbol.startswith("__imp_") else symbol
    if underscored:
        if not name.startswith("_"):
            return None
        name = STDCALL_SUFFIX.sub("", name[1:])
    if name.startswith("_") or name.startswith("."):
        return None
    return name


def read_names(path):
    with open(path, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip()}


def def_exports(path):
    names = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if words and words[0] not in ("LIBRARY", "EXPORTS") and not words[0].startswith(";"):
                names.add(words[0].split("=")[0].split("@")[0])
    return names


def survey(build, source, api):
    cache = read_cache(build)
    nm = cache.get("CMAKE_NM") or "nm"
    # 32-bit x86 puts an underscore in front of every C name.
    underscored = re.match(r"i[3-6]86-", os.path.basename(nm)) is not None
    objects = product_objects(build, source)
    if not objects:
        raise OSError("no object of the library in %s/compile_commands.json" % build)

    calls = {}  # name -> files that call it
    defined = set()
    for relative, path in objects:
        defined |= symbols(nm, path, undefined=False)
        for symbol in symbols(nm, path, undefined=True):
            name = plain_name(symbol, underscored)
            if name is not None:
                calls.setdefault(name, set()).add(relative)
    defined_names = {plain_name(s, underscored) for s in defined}
    for name in defined_names | set(TOOLCHAIN_RUNTIME):
        calls.pop(name, None)  # the library's own functions, the C library's

    device = {}
    for entry in sorted(os.listdir(api)):
        if entry.endswith(".txt"):
            device[entry[:-4]] = read_names(os.path.join(api, entry))
    on_device = set().union(*device.values())
    stand_in_of = {}
    for library, def_file in STAND_INS.items():
        for name in def_exports(os.path.join(source, def_file)):
            stand_in_of[name] = library

    report = {"device": [], "mapped": [], "desktop": [], "stand_in": [], "faults": []}
    for name in sorted(calls):
        files = sorted(calls[name])
        library = stand_in_of.get(name)
        if library is not None:
            if name not in device.get(library, set()):
                report["stand_in"].append((name, library))
                report["faults"].append("%s: imports %s from the stand-in %s.dll, which the "
                                        "device's %s.dll does not export"
                                        % (", ".join(files), name, library, library))
            else:
                report["device"].append(name)
        elif name in on_device:
            report["device"].append(name)
        elif name in HEADER_MAPPED:
            report["mapped"].append(name)
        else:
            report["desktop"].append((name, files))
            outside = [f for f in files if f != DESKTOP_ONLY_FILE]
            if outside:
                report["faults"].append("%s: calls %s, which the device does not have; "
                                        "only %s may" % (", ".join(outside), name,
                                                          DESKTOP_ONLY_FILE))
    return report


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", required=True)
    parser.add_argument("--api", required=True)
    parser.add_argument("--source", default=os.path.dirname(os.path.dirname(
        os.path.realpath(__file__))))
    parser.add_argument("--list", action="store_true")
    args = parser.parse_args(argv)
    if not os.path.isdir(args.api):
        print("device_surface: no export lists at %s; check skipped" % args.api)
        return 77
    try:
        report = survey(os.path.realpath(args.build), os.path.realpath(args.source), args.api)
    except (OSError, ValueError, KeyError) as error:
        print("device_surface: %s" % error, file=sys.stderr)
        return 2
    if args.list:
        print("on the device:", " ".join(report["device"]))
        print("header-mapped:", " ".join("%s -> %s" % (n, HEADER_MAPPED[n])
                                         for n in report["mapped"]))
        print("desktop-only:", " ".join("%s (%s)" % (n, ", ".join(f))
                                        for n, f in report["desktop"]))
        print("stand-in imports the device lacks:",
              " ".join("%s (%s)" % item for item in report["stand_in"]))
    for fault in report["faults"]:
        print("device_surface: " + fault)
    print("%d on the device, %d header-mapped, %d desktop-only, %d stand-in imports "
          "that would not resolve" % (len(report["device"]), len(report["mapped"]),
                                      len(report["desktop"]), len(report["stand_in"])))
    return 1 if report["faults"] else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
