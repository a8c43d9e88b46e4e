"""The soak: the stand-in phone with Vostarel in use for a while, checked after every action.

Started by tools/soak.sh, which prepares the Wine prefix and the display;
see there and the README for what it checks. Prints progress, then as its
last line:

    soak: A actions, F faults injected, M mismatches, C crashes, L leaked, private KiB X -> Y
"""

import argparse
import os
import random
import shutil
import sys
import time

import actions
import device
import oracle
from phone import Phone, PhoneGone, windows_path

# Private memory may grow by less than this after the warm-up.
MEMORY_BOUND_KIB = 1024
# With faults: a reload without faults, and the exact check after it, this
# often (in actions); put off while the list is hidden, for a better check.
RESYNC_EVERY = 40
RESYNC_PUT_OFF_AT_MOST = 20


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--minutes", type=float, default=60)
    parser.add_argument("--contacts", type=int, default=5000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--faults", type=int, default=0, help="per mille of platform calls that fail")
    parser.add_argument("--call-log-limit", type=int, default=600)
    parser.add_argument("--timeout", type=float, default=90, help="seconds one action may take")
    parser.add_argument("--bin", required=True, help="the windows build's bin folder")
    parser.add_argument("--search", required=True, help="vostarel-search")
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--prefix", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    if not 0 <= args.faults <= 1000:
        parser.error("--faults takes per mille, 0 to 1000")
    return args


class Soak:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(f"actions-{args.seed}")
        self.device = os.path.join(args.work, "device")
        shutil.rmtree(args.work + "/snapshots", ignore_errors=True)
        shutil.rmtree(self.device, ignore_errors=True)
        device.make_device(self.device, args.seed, args.contacts)
        dictionary = os.path.join(args.bin, "Vostarel.txt")
        self.search = oracle.Search(args.search, dictionary if os.path.exists(dictionary) else None)
        self.snapshots = oracle.Snapshots(self.device, os.path.join(args.work, "snapshots"))
        self.model = None  # without faults: oracle.Model
        self.candidates = []  # with faults: the call-log copies the library may hold
        self.log = open(os.path.join(args.work, "soak.log"), "w", encoding="utf-8")
        self.actions = 0
        self.mismatches = 0
        self.crashes = 0
        self.faults_before = 0  # injected by phones that have ended
        self.kinds = {}
        self.rows_checked = 0  # rows of visible lists compared
        self.lists_checked = 0  # states with a visible list
        self.phone = None
        self.memory_from = None  # (private KiB, heap KiB)
        self.next_resync = RESYNC_EVERY

    # --- the phone ------------------------------------------------------------
    def start_phone(self):
        env = dict(os.environ)
        env["DEVICE_DATA_DIR"] = windows_path(self.device)
        env.pop("VOSTAREL_FAULTS", None)
        if self.args.faults:
            env["VOSTAREL_FAULTS"] = f"{self.args.seed}:{self.args.faults}"
        command = [self.args.wine_run, "--prefix", self.args.prefix,
                   os.path.join(self.args.bin, "cprog.exe"), "--input", "--attach-timeout", "120000",
                   "--call-log-limit", str(self.args.call_log_limit)]
        self.phone = Phone(command, env, os.path.join(self.args.work, "cprog.stderr"),
                           self.args.timeout + 120)  # the first answer waits for the first load
        state = self.phone.play("")
        self.phone.timeout = self.args.timeout
        self.memory_from = None
        self.dialer_size = actions.DIALER_SIZES[0]
        self.model = oracle.Model(self.snapshots)
        self.candidates = [self.model.folder]
        return state

    def phone_gone(self, error, action, state):
        self.crashes += 1
        self.faults_before += state.number("faults-injected")
        self.note(f"{error.what} during {action!r}, typed {state.typed!r}; its last words:",
                  *error.tail)
        return self.start_phone()

    # --- checks -------------------------------------------------------------------
    def note(self, *lines):
        for line in lines:
            self.log.write(line + "\n")
        self.log.flush()

    def mismatch(self, what, action, state, expected, drawn):
        self.mismatches += 1
        self.note(f"MISMATCH ({what}) after action {self.actions} {action!r}, typed {state.typed!r}, "
                  f"list {state.value('list')}:")
        for i in range(max(len(expected), len(drawn))):
            want = expected[i] if i < len(expected) else None
            got = drawn[i] if i < len(drawn) else None
            if want != got:
                self.note(f"  row {i + 1}: expected {want}, drawn {got}")
        if len(expected) > 5 or len(drawn) > 5:
            self.note(f"  ({len(expected)} rows expected, {len(drawn)} drawn)")

    @staticmethod
    def drawn(state):
        if not state.list_visible:
            return []
        return [(name, number, label) for _, _, name, number, label in state.rows]

    def follow_row_commands(self, action, before, after):
        """What a row command changed in the entry of the row that was selected."""
        if not before.list_visible:
            return
        row = before.selected_row()
        if action.kind in ("left", "right"):
            self.model.step(row, action.kind)
        elif action.kind in ("enter", "talk") and after.calls:
            self.model.move_to_front(row)
        elif action.kind == "row-popup" and row is not None:
            self.model.move_to_front(row)  # the popup shows the selected number first
            command = action.details.get("command")
            chosen = command is not None and any(
                item == str(actions.row_command_id(*command)) for menu in after.menus for item, _ in menu)
            if chosen and command[0] != 0:
                self.model.move_to_front(row, command[0])

    def check_exact(self, action, before, after):
        self.follow_row_commands(action, before, after)
        if action.kind == "reload":
            self.model.reset()
        else:
            # A list that the dialer dropped while it was shown comes back
            # with the dialer's next resize, filled by a refresh.
            remade = action.kind == "drop-list" and before.list_visible
            if after.typed != before.typed or action.kind in ("settings", "dialer-menu") or remade:
                self.model.filter_pass()
            if after.number("call-log-opens") > before.number("call-log-opens"):
                self.model.log_opened()
        expected = self.model.expected(self.search, after.typed)
        drawn = self.drawn(after)
        self.count_checked(drawn)
        if drawn != expected:
            self.mismatch("list differs", action, after, expected, drawn)

    def count_checked(self, drawn):
        if drawn:
            self.lists_checked += 1
            self.rows_checked += len(drawn)

    def check_subset(self, action, before, after):
        if after.number("call-log-opens") > before.number("call-log-opens"):
            folder = self.snapshots.take()
            if folder not in self.candidates:
                self.candidates.append(folder)
        drawn = self.drawn(after)
        self.count_checked(drawn)
        references = []
        for folder in self.candidates:
            references += self.search.entries(folder, after.typed, all_matches=True)
        unexplained = oracle.explained(drawn, references)
        if unexplained:
            self.mismatches += 1
            self.note(f"MISMATCH (rows no fault-free entry accounts for) after action {self.actions} "
                      f"{action!r}, typed {after.typed!r}, {len(drawn)} rows drawn:",
                      *(f"  {row}" for row in unexplained[:20]))

    def resync(self, state):
        """A reload without faults must bring the full list back."""
        action = actions.Action("reload", "{FAULTS:OFF}{PICK:%d}{HOLD}" % actions.RELOAD)
        after, played = self.play(action, state)
        self.next_resync = self.actions + RESYNC_EVERY
        if not played:
            return after, played
        self.model.reset()
        self.candidates = [self.model.folder]
        self.snapshots.forget_all_but(set(self.candidates))
        expected = self.model.expected(self.search, after.typed)
        drawn = self.drawn(after)
        self.count_checked(drawn)
        if drawn != expected:
            self.mismatch("reload without faults", action, after, expected, drawn)
        return after, played

    # --- the run ----------------------------------------------------------------------
    def play(self, action, state):
        """Plays the action: the new state and True, or after a crash or a
        hang the first state of the phone started again and False."""
        try:
            after = self.phone.play(action.keys)
        except PhoneGone as error:
            return self.phone_gone(error, action, state), False
        self.actions += 1
        self.kinds[action.kind] = self.kinds.get(action.kind, 0) + 1
        if after.error:
            self.note(f"cprog could not read {action!r}: {after.error}")
        return after, True

    def run(self):
        started = time.monotonic()
        deadline = started + self.args.minutes * 60
        # The heap settles during the first minute (the index, the list
        # window, the first call-log rereads): growth is measured from there,
        # with faults from the first reload without faults after it. A run of
        # one minute has no such stretch and reports no growth.
        warm_up = 60.0
        try:
            state = self.start_phone()
        except PhoneGone as error:
            self.crashes += 1
            self.note(f"{error.what} before the phone's first answer; its last words:", *error.tail)
            state = self.start_phone()
        tour = actions.opening_tour()
        faults_on = ""
        last_progress = started
        while time.monotonic() < deadline:
            if self.args.faults and self.actions >= self.next_resync and (
                    state.list_visible or self.actions >= self.next_resync + RESYNC_PUT_OFF_AT_MOST):
                state, played = self.resync(state)
                faults_on = "{FAULTS:ON}" if played else ""
                if played and self.memory_from is None and self.warmed_up(tour, warm_up):
                    self.memory_from = memory(state)
                continue
            if tour:
                action = tour.pop(0)
            else:
                # The entry behind the selected row is known exactly only without faults.
                entry = None if self.args.faults else self.model.entry_at(state.selected_row())
                action = actions.draw_action(self.rng, state, entry, self.dialer_size)
            self.dialer_size = action.details.get("size", self.dialer_size)
            action.keys = faults_on + action.keys
            faults_on = ""
            after, played = self.play(action, state)
            if not played:
                state = after
                continue
            grown = after.number("private-kib") - state.number("private-kib")
            if grown >= 128:
                self.note(f"memory +{grown} KiB to {after.number('private-kib')} (heaps "
                          f"{after.number('heap-kib')}) after action {self.actions} {action!r}, "
                          f"typed {after.typed!r}")
            if self.args.faults:
                self.check_subset(action, state, after)
            else:
                self.check_exact(action, state, after)
            state = after
            now = time.monotonic()
            if self.memory_from is None and not self.args.faults and self.warmed_up(tour, warm_up):
                self.memory_from = memory(state)
            if now - last_progress >= 60:
                last_progress = now
                print(f"soak: {int((now - started) / 60)} min, {self.actions} actions, "
                      f"{self.mismatches} mismatches, {self.crashes} crashes, "
                      f"{self.faults_before + state.number('faults-injected')} faults, "
                      f"private KiB {state.number('private-kib')}, heaps {state.number('heap-kib')}",
                      flush=True)
        if self.args.faults:
            # Memory is compared between states with every store read in
            # full: a failed read holds less than a whole store.
            state, _ = self.resync(state)
        try:
            final = self.phone.play("")
        except PhoneGone as error:
            final = self.phone_gone(error, actions.Action("final", ""), state)
        self.phone.close()
        return final

    def warmed_up(self, tour, warm_up):
        return not tour and time.monotonic() - self.phone.started >= warm_up

    def summary(self, final):
        faults = self.faults_before + final.number("faults-injected")
        leaked = final.leaked()
        memory_to = memory(final)
        memory_from = self.memory_from if self.memory_from is not None else memory_to
        self.note(f"actions by kind: {sorted(self.kinds.items())}",
                  f"vostarel-search runs: {self.search.runs}",
                  f"states with the list shown: {self.lists_checked}, rows compared: {self.rows_checked}",
                  "final counters: " + ", ".join(f"{k} {final.value(k)}" for k in (
                      "live-objects", "open-sim-handles", "open-log-handles", "outstanding-strings",
                      "faults-injected", "call-log-opens", "private-kib", "heap-kib")))
        heaps = f"soak: of it in the process's heaps, KiB {memory_from[1]} -> {memory_to[1]}"
        line = (f"soak: {self.actions} actions, {faults} faults injected, {self.mismatches} mismatches, "
                f"{self.crashes} crashes, {leaked} leaked, private KiB {memory_from[0]} -> {memory_to[0]}")
        self.note(heaps, line)
        passed = (self.mismatches == 0 and self.crashes == 0 and leaked == 0
                  and memory_to[0] - memory_from[0] < MEMORY_BOUND_KIB)
        return heaps, line, passed


def memory(state):
    """The process's private KiB and, of it, the KiB of blocks in use in its heaps."""
    return state.number("private-kib"), state.number("heap-kib")


def main():
    args = parse_arguments()
    os.makedirs(args.work, exist_ok=True)
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    soak = Soak(args)
    final = soak.run()
    heaps, line, passed = soak.summary(final)
    print(f"soak: log in {os.path.join(args.work, 'soak.log')}")
    print(heaps)
    print(line)
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
