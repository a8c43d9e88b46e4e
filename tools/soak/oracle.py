"""What the list should show: vostarel-search over the device files as the library last read them.

The library reads the address book and the SIM only when it loads all three
stores (at start and on a reload); the call log also when the list is about
to appear, and then only when the log's record count changed since it last
read it. The soak keeps a copy of the call log as the library last read it
(a "snapshot": a folder with the three files) and asks vostarel-search about
that copy, replaying what row commands changed in the entries since the
load: numbers moved to the front (lasting until the next load) and numbers
stepped with the left and right keys (lasting until the next filter pass).
"""

import os
import shutil
import subprocess

FLAGS = "7717B"  # the default option word, which the soak leaves unchanged


class Entry:
    """One row of vostarel-search --entries."""

    def __init__(self, line):
        fields = line.split("\t")
        self.name = fields[1]
        self.number = fields[2]
        self.label = fields[3]
        self.key = (fields[4], int(fields[5]))  # store word, index in the store
        self.selected = int(fields[6])
        self.form = fields[7]  # which form of the entry fitted
        rest = fields[8:]
        self.slots = [(rest[i], rest[i + 1]) for i in range(0, len(rest) - 1, 2)]

    def showing(self, slot):
        """The row as drawn with `slot` selected: name, number, first unit of the label."""
        label, number = self.slots[slot]
        return (self.name, number, label[:1])

    def row(self):
        return (self.name, self.number, self.label[:1])


class Search:
    """vostarel-search, with answers kept for folders that do not change."""

    def __init__(self, program, dictionary):
        self.program = program
        self.dictionary = dictionary
        self.cache = {}
        self.runs = 0

    def entries(self, folder, typed, fronts=(), all_matches=False):
        key = (folder, typed, tuple(fronts), all_matches)
        if key not in self.cache:
            command = [self.program, folder, typed, "--flags", FLAGS, "--entries"]
            if self.dictionary:
                command += ["--dict", self.dictionary]
            for store, index, slot in fronts:
                command += ["--front", f"{store}:{index}:{slot}"]
            if all_matches:
                command.append("--all")
            out = subprocess.run(command, check=True, capture_output=True).stdout.decode("utf-8")
            self.runs += 1
            if len(self.cache) > 2000:
                self.cache.clear()
            self.cache[key] = [Entry(line) for line in out.splitlines() if line]
        return self.cache[key]


def record_count(calllog_bytes):
    """Records in a call-log file: every line that is not blank."""
    return sum(1 for line in calllog_bytes.splitlines() if line.strip(b" \t"))


class Snapshots:
    """Copies of the device folder's call log, beside links to its fixed files."""

    def __init__(self, device, work):
        self.device = device
        self.work = work
        self.serial = 0
        self.by_content = {}

    def current_log(self):
        with open(os.path.join(self.device, "calllog.txt"), "rb") as log:
            return log.read()

    def take(self):
        """A folder holding the device's files as they are now."""
        content = self.current_log()
        if content in self.by_content:
            return self.by_content[content]
        self.serial += 1
        folder = os.path.join(self.work, f"{self.serial:06d}")
        os.makedirs(folder, exist_ok=True)
        for name in ("contacts.vcf", "sim.txt"):
            os.symlink(os.path.abspath(os.path.join(self.device, name)), os.path.join(folder, name))
        with open(os.path.join(folder, "calllog.txt"), "wb") as log:
            log.write(content)
        self.by_content[content] = folder
        return folder

    def forget_all_but(self, keep):
        for content, folder in list(self.by_content.items()):
            if folder not in keep:
                shutil.rmtree(folder, ignore_errors=True)
                del self.by_content[content]


class Model:
    """The library's view of the device as the soak follows it, without injected faults."""

    def __init__(self, snapshots):
        self.snapshots = snapshots
        self.reset()

    def reset(self):
        """Everything just loaded (start, reload)."""
        self.folder = self.snapshots.take()
        self.log_size = record_count(self.snapshots.current_log())
        self.fronts = []  # (store, index, slot), in the order they happened
        self.overrides = {}  # entry key -> slot stepped to with the left/right keys
        self.shown = []  # the entries behind the rows of the last state

    def log_opened(self):
        """The library opened the call log for a refresh: it reads it again only at a new size."""
        size = record_count(self.snapshots.current_log())
        if size != self.log_size:
            self.folder = self.snapshots.take()
            self.log_size = size

    def filter_pass(self):
        self.overrides = {}

    def entry_at(self, row):
        return self.shown[row] if row is not None and row < len(self.shown) else None

    def selected_slot(self, entry):
        return self.overrides.get(entry.key, entry.selected)

    def step(self, row, direction):
        entry = self.entry_at(row)
        if entry is None or len(entry.slots) < 2:
            return
        slot = self.selected_slot(entry) + (1 if direction == "right" else -1)
        self.overrides[entry.key] = slot % len(entry.slots)

    def move_to_front(self, row, slot=None):
        """A row command used the number in `slot` (default: the selected one)."""
        entry = self.entry_at(row)
        if entry is None:
            return
        if slot is None:
            slot = self.selected_slot(entry)
        if slot != 0:
            self.fronts.append((entry.key[0], entry.key[1], slot))
        self.overrides[entry.key] = 0

    def expected(self, search, typed):
        """The rows the list should draw now: (name, number, first unit of the label)."""
        entries = search.entries(self.folder, typed, self.fronts)
        self.shown = entries
        return [e.showing(self.selected_slot(e)) if e.key in self.overrides else e.row()
                for e in entries]


def explained(rows, references):
    """The rows that no fault-free entry accounts for.

    With faults injected the library may miss contacts, numbers of a contact
    or its name (a failed read leaves it empty), SIM slots and the end of the
    call log, so a row is accounted for by a fault-free entry that matches the
    same keys, has the row's number under the row's label and the row's name,
    or an empty name where an address-book name could not be read.
    """
    known = {}
    for entry in references:
        for label, number in entry.slots:
            known.setdefault((number, label[:1]), []).append(entry)
    unexplained = []
    for row in rows:
        name, number, label = row
        if not any(entry.name == name or (name == "" and entry.key[0] == "book")
                   for entry in known.get((number, label), [])):
            unexplained.append(row)
    return unexplained
