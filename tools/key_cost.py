#!/usr/bin/env python3
"""CPU time per key inside the stand-in phone, with the list visible, with
the list hidden and on an empty device.

Runs the Windows build's cprog.exe under Wine and Xvfb with Vostarel.dll as
its extension, on a device of 10,000 address-book contacts (or --contacts N)
and on an empty one, and types into the dialer:

  list visible  the digits of a contact's number one by one, then back to
                the first digit ("0", which every number starts with), over
                and over: every key refreshes a shown list whose rows change;
  list hidden   "#" keys and back, which match nothing: every key refreshes
                a hidden list;
  empty device  the keys of "list visible" with no contacts at all.

Each case runs cprog twice, once with the keys repeated --cycles times and
once with the first key only, and divides the difference in CPU time by the
difference in keys, so that starting the phone and loading the contacts
cancel out. The CPU time is the phone process's own, Wine's server's (each
window call that crosses processes costs it) and the X server's (drawing),
each read from the kernel; --runs such pairs give the median. The rows the
list view drew per key come from cprog's count of draw requests.

    tools/key_cost.py [--dll PATH] [--compare PATH] [--contacts N]
                      [--cycles N] [--runs N] [--version win2003|winxp|nt40]
                      [--wine-theme none|light] [--load]

--load measures instead what loading the contacts costs: the phone started
on a device of --contacts contacts, half of them with Korean names and one
number in five in international form, until the list shows after its first
key, against the same run on the empty device (the difference is the CPU
time of reading and spelling the contacts, alternate spellings included).

--wine-theme: the phone's windows are drawn without Wine's visual style by
default, as classic windows; "light" keeps Wine's own style, whose scroll
bars cost a few milliseconds each time they are drawn here (the list
view draws its scroll bar twice whenever its item count changes), which is
Wine's cost, not the device's.

--compare PATH measures a second Vostarel.dll the same way, in turn with the
first (for example one built from an older revision), and prints both. The
Windows preset must be built (cmake --build --preset windows); the tool
keeps its Wine prefix, binaries and devices in build/key-cost/.
"""

import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WINE_RUN = ROOT / "cmake" / "wine-run.sh"
WINESERVER = Path("/usr/lib/wine/wineserver")
TICKS = os.sysconf("SC_CLK_TCK")

NUMBER = "010-1234-5678"  # the contact whose number the visible case types
VISIBLE_CYCLE = "1012345678" + "{BACK}" * 10
HIDDEN_CYCLE = "#" * 9 + "{BACK}" * 9
CYCLE_KEYS = 20  # keys in one cycle of "list visible"
HIDDEN_CYCLE_KEYS = 18


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


KOREAN_SURNAMES = "김이박최정강조윤장임한오서신권황안송류전홍"
KOREAN_GIVEN = "민서지현수영준우하윤도진예은재성혜연동훈경아"


def write_korean_device(folder, contacts):
    """Half the names Korean, one number in five international."""
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(13)
    cards = []
    for i in range(contacts):
        if i % 2 == 0:
            name = rng.choice(KOREAN_SURNAMES) + rng.choice(KOREAN_GIVEN) + rng.choice(KOREAN_GIVEN)
        else:
            name = f"Contact {i}"
        local = f"{rng.randrange(10000):04d}-{rng.randrange(10000):04d}"
        mobile = NUMBER if i == contacts // 2 else (f"+82 10-{local}" if rng.random() < 0.2
                                                    else f"010-{local}")
        cards.append("\r\n".join(["BEGIN:VCARD", "VERSION:3.0", f"FN:{name}",
                                   f"TEL;TYPE=CELL:{mobile}", f"UID:{i + 1}", "END:VCARD"]))
    (folder / "contacts.vcf").write_text("\r\n".join(cards) + "\r\n", encoding="utf-8")
    (folder / "sim.txt").write_text("", encoding="utf-8")
    (folder / "calllog.txt").write_text("", encoding="utf-8")


def write_device(folder, contacts):
    folder.mkdir(parents=True, exist_ok=True)
    rng = random.Random(11)
    given = ["Alice", "Bob", "Carol", "David", "Erin", "Frank", "Grace", "Heidi", "Ivan",
             "Judy", "Mallory", "Oscar", "Peggy", "Rupert", "Sybil", "Trent", "Victor"]
    family = ["Smith", "Jones", "Taylor", "Brown", "Lee", "Park", "Kim", "Nguyen", "Choi"]
    cards = []
    for i in range(contacts):
        mobile = NUMBER if i == contacts // 2 else f"010-{rng.randrange(10000):04d}-{rng.randrange(10000):04d}"
        lines = ["BEGIN:VCARD", "VERSION:3.0",
                 f"FN:{rng.choice(given)} {rng.choice(family)} {i}",
                 f"TEL;TYPE=CELL:{mobile}"]
        if rng.random() < 0.4:
            lines.append(f"TEL;TYPE=HOME:02-{rng.randrange(1000):03d}-{rng.randrange(10000):04d}")
        lines += [f"UID:{i + 1}", "END:VCARD"]
        cards.append("\r\n".join(lines))
    (folder / "contacts.vcf").write_text("\r\n".join(cards) + "\r\n", encoding="utf-8")
    (folder / "sim.txt").write_text("", encoding="utf-8")
    (folder / "calllog.txt").write_text("", encoding="utf-8")


class Phone:
    """The Wine prefix, X server and Wine server the runs share."""

    def __init__(self, work, version, wine_theme):
        self.work = work
        self.prefix = work / "wineprefix"
        self.env = dict(os.environ, WINEPREFIX=str(self.prefix), WINEDEBUG="-all")
        # Xvfb starts with no resource database, and Xlib then keeps none:
        # each time Wine's X driver selects a font into a DC it asks for two
        # Xft resources, and for each Xlib looks for ~/.Xdefaults and
        # ~/.Xdefaults-<host> again (two failed opens and a uname). A
        # desktop session loads its resources when it starts; an empty
        # resource file gives the phone's X client a database too.
        resources = work / "x-resources"
        resources.write_text("", encoding="utf-8")
        self.env["XENVIRONMENT"] = str(resources)
        self.version = version
        self.wine_theme = wine_theme
        self.xvfb = None
        self.server = None

    def wine(self, *args, **kwargs):
        return subprocess.run([str(WINE_RUN), "--prefix", str(self.prefix), *args],
                              env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              **kwargs)

    def set_up(self, bin_folder):
        env = dict(self.env)
        env.pop("DISPLAY", None)
        for program in ("cprog.exe", "regsvr32.exe"):
            subprocess.run([str(WINE_RUN), "--prefix", str(self.prefix), "reg", "add",
                            f"HKCU\\Software\\Wine\\AppDefaults\\{program}", "/v", "Version",
                            "/d", self.version, "/f"], env=env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([str(WINE_RUN), "--prefix", str(self.prefix), "reg", "add",
                        "HKCU\\Software\\Wine\\AppDefaults\\cprog.exe\\X11 Driver", "/v",
                        "Managed", "/d", "N", "/f"], env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Wine's own visual style draws each scroll bar through its theme
        # library, a few milliseconds a time here (twice for every change
        # of the list's item count); the phone's list view draws its own.
        subprocess.run([str(WINE_RUN), "--prefix", str(self.prefix), "reg", "add",
                        "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                        "/v", "ThemeActive", "/d", "1" if self.wine_theme == "light" else "0", "/f"],
                       env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([str(WINE_RUN), "--prefix", str(self.prefix), "regsvr32", "/s",
                        windows_path(bin_folder / "pimstore.dll")], env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run([str(WINESERVER), "-w"], env=env, check=True)

    def register(self, dll):
        """Writes the registration row the phone reads in this version mode."""
        if self.version in ("winxp", "win2003"):
            key, path_value, flag_value = "HKLM\\Security\\Phone\\Skin", "Ext", "Enabled"
        else:
            key, path_value, flag_value = "HKCU\\ControlPanel\\Phone", "DialpadDll", "DialpadWndPrc"
        for value, kind, data in ((path_value, "REG_SZ", windows_path(dll)),
                                  (flag_value, "REG_DWORD", "1")):
            subprocess.run([str(WINE_RUN), "--prefix", str(self.prefix), "reg", "add", key, "/v",
                            value, "/t", kind, "/d", data, "/f"], env=self.env, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def start(self):
        display_file = self.work / "xvfb.display"
        display_file.unlink(missing_ok=True)
        with open(display_file, "w") as out:
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(out.fileno()), "-screen", "0",
                                          "320x420x24", "-nolisten", "tcp"], pass_fds=(out.fileno(),),
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if display_file.read_text().strip():
                break
            subprocess.run(["sleep", "0.1"])
        self.env["DISPLAY"] = ":" + display_file.read_text().split()[0]
        # One Wine server for all runs, kept up between them, so that its CPU
        # time can be read before and after each.
        self.server = subprocess.Popen([str(WINESERVER), "-f", "-p"], env=self.env)

    def stop(self):
        for process in (self.server, self.xvfb):
            if process is not None:
                process.terminate()
                process.wait()

    def run(self, bin_folder, device, keys):
        """CPU seconds of (phone, Wine server, X server) for one run, and the
        phone's printed state."""
        env = dict(self.env, DEVICE_DATA_DIR=windows_path(device))
        before = (cpu_of(self.server.pid), cpu_of(self.xvfb.pid))
        with tempfile.TemporaryFile() as output:
            phone = subprocess.Popen([str(WINE_RUN), "--prefix", str(self.prefix),
                                      str(bin_folder / "cprog.exe"), "--keys", keys, "--print",
                                      "--attach-timeout", "300000"],
                                     env=env, stdout=output, stderr=subprocess.DEVNULL)
            _, status, usage = os.wait4(phone.pid, 0)
            phone.returncode = status
            output.seek(0)
            printed = output.read().decode("utf-8", "replace")
        after = (cpu_of(self.server.pid), cpu_of(self.xvfb.pid))
        own = usage.ru_utime + usage.ru_stime
        return (own, after[0] - before[0], after[1] - before[1]), printed


def cpu_of(pid):
    fields = Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime, stime


def printed_value(printed, key):
    for line in printed.splitlines():
        if line.startswith(key + ": "):
            return line[len(key) + 2:]
    return ""


CASES = [
    # name, device, first key, cycle, keys in a cycle, list state at the end
    ("list visible", "full", "0", VISIBLE_CYCLE, CYCLE_KEYS, "visible"),
    ("list hidden", "full", "#", HIDDEN_CYCLE, HIDDEN_CYCLE_KEYS, "hidden"),
    ("empty device", "empty", "0", VISIBLE_CYCLE, CYCLE_KEYS, "hidden"),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dll", type=Path, default=ROOT / "build" / "windows" / "bin" / "Vostarel.dll")
    parser.add_argument("--compare", type=Path, help="a second Vostarel.dll to measure in turn")
    parser.add_argument("--contacts", type=int, default=10000)
    parser.add_argument("--cycles", type=int, default=15, help="key cycles per long run (15)")
    parser.add_argument("--runs", type=int, default=3, help="pairs of runs per case (3)")
    parser.add_argument("--version", default="win2003", choices=["win2003", "winxp", "nt40"])
    parser.add_argument("--wine-theme", default="none", choices=["none", "light"],
                        help="Wine's visual style for the phone's windows (none: classic drawing)")
    parser.add_argument("--load", action="store_true",
                        help="measure loading the contacts instead of the keys")
    args = parser.parse_args()

    build_bin = ROOT / "build" / "windows" / "bin"
    work = ROOT / "build" / "key-cost"
    dlls = [("measured", args.dll)] + ([("compared", args.compare)] if args.compare else [])
    bins = {}
    for name, dll in dlls:
        folder = work / f"bin-{name}"
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for item in list(build_bin.glob("*.dll")) + [build_bin / "cprog.exe"]:
            shutil.copy2(item, folder)
        shutil.copy2(dll, folder / "Vostarel.dll")
        bins[name] = folder
    devices = {"full": work / "device-full", "empty": work / "device-empty"}
    if not (devices["full"] / "contacts.vcf").exists() or args.contacts != 10000:
        write_device(devices["full"], args.contacts)
    write_device(devices["empty"], 0)

    phone = Phone(work, args.version, args.wine_theme)
    phone.set_up(bins["measured"])
    phone.start()
    if args.load:
        korean = work / f"device-korean-{args.contacts}"
        if not (korean / "contacts.vcf").exists():
            write_korean_device(korean, args.contacts)
        try:
            measure_load(phone, dlls, bins, korean, devices["empty"], args)
        finally:
            phone.stop()
        return
    per_key = {}  # (dll name, case) -> list of (phone, server, x) ms per key
    try:
        for _ in range(args.runs):
            for name, _dll in dlls:
                phone.register(bins[name] / "Vostarel.dll")
                for case, device, first, cycle, keys, state in CASES:
                    short, printed_short = phone.run(bins[name], devices[device], first)
                    long, printed = phone.run(bins[name], devices[device], first + cycle * args.cycles)
                    if printed_value(printed, "list") != state:
                        sys.exit(f"{case}: the list ended {printed_value(printed, 'list')!r}, "
                                 f"not {state!r}:\n{printed}")
                    count = keys * args.cycles
                    draws = [int(printed_value(text, "row-draws") or 0)
                             for text in (printed_short, printed)]
                    per_key.setdefault((name, case), []).append(
                        tuple((b - a) * 1000 / count for a, b in zip(short, long)) +
                        ((draws[1] - draws[0]) / count,))
    finally:
        phone.stop()

    print(f"CPU milliseconds per key, median of {args.runs} pairs of runs; "
          f"{args.contacts} contacts, {args.version}, Wine theme {args.wine_theme}")
    print(f"{'':34} {'phone':>8} {'server':>8} {'X':>8} {'total':>8} {'rows drawn':>11}")
    for name, dll in dlls:
        print(f"{name}: {dll}")
        for case, *_ in CASES:
            samples = per_key[(name, case)]
            columns = [statistics.median(s[i] for s in samples) for i in range(4)]
            total = statistics.median(sum(s[:3]) for s in samples)
            print(f"  {case:32} {columns[0]:8.2f} {columns[1]:8.2f} {columns[2]:8.2f} {total:8.2f} "
                  f"{columns[3]:11.1f}")


def measure_load(phone, dlls, bins, full, empty, args):
    """Prints the CPU time of loading the contacts: a run that types the first
    key on the full device less the same run on the empty one."""
    loads = {}
    for _ in range(args.runs):
        for name, _dll in dlls:
            phone.register(bins[name] / "Vostarel.dll")
            with_contacts, printed = phone.run(bins[name], full, "0")
            if printed_value(printed, "list") != "visible":
                sys.exit(f"load: the list did not show:\n{printed}")
            without, _ = phone.run(bins[name], empty, "0")
            loads.setdefault(name, []).append(sum(with_contacts) - sum(without))
    print(f"CPU seconds of loading {args.contacts} contacts (half Korean, a fifth of the numbers "
          f"international): phone + Wine server + X, full device less empty device, "
          f"median of {args.runs} runs; {args.version}")
    for name, dll in dlls:
        print(f"  {name}: {statistics.median(loads[name]):.3f}  ({dll})")


if __name__ == "__main__":
    main()
