"""The stand-in phone under Wine, driven one line of keys at a time (cprog --input)."""

import os
import queue
import subprocess
import threading
import time


class PhoneGone(Exception):
    """cprog ended (crashed) or stopped answering (hung)."""

    def __init__(self, what, tail):
        super().__init__(what)
        self.what = what  # "crash" or "hang"
        self.tail = tail  # its last lines on standard error


class State:
    """One answer of cprog --input: the dialer's state and the stand-ins' counters."""

    def __init__(self, lines):
        self.lines = lines
        self.values = {}
        self.rows = []  # (selected, index, name, number, label)
        self.calls = []
        self.menus = []  # each a list of (id, text)
        self.boxes = []
        self.error = None
        menu = []
        for line in lines:
            key, _, value = line.partition(": ")
            if line == "menu-end":
                self.menus.append(menu)
                menu = []
            elif key == "row":
                mark, index, name, number, label = (value.split("\t") + [""] * 5)[:5]
                self.rows.append((mark == "*", index, name, number, label))
            elif key == "call":
                self.calls.append(value)
            elif key == "menu":
                item_id, _, text = value.partition("\t")
                menu.append((item_id, text))
            elif key == "box":
                self.boxes.append(value)
            elif key == "error":
                self.error = value
            else:
                self.values.setdefault(key, value)

    def value(self, key, default=""):
        return self.values.get(key, default)

    def number(self, key):
        return int(self.values.get(key, "0"))

    @property
    def typed(self):
        return self.value("number")

    @property
    def list_visible(self):
        return self.value("list") == "visible"

    def selected_row(self):
        for position, row in enumerate(self.rows):
            if row[0]:
                return position
        return None

    def leaked(self):
        return sum(self.number(k) for k in ("live-objects", "open-sim-handles", "open-log-handles",
                                             "outstanding-strings"))


class Phone:
    """One cprog.exe process with the extension registered in its Wine prefix."""

    def __init__(self, command, env, stderr_path, timeout):
        self.timeout = timeout
        self.stderr_path = stderr_path
        self.stderr = open(stderr_path, "ab")
        self.process = subprocess.Popen(command, env=env, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=self.stderr)
        self.started = time.monotonic()
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for raw in self.process.stdout:
            self.lines.put(raw.decode("utf-8", "replace").rstrip("\r\n"))
        self.lines.put(None)

    def _tail(self):
        try:
            with open(self.stderr_path, "rb") as err:
                return err.read().decode("utf-8", "replace").splitlines()[-15:]
        except OSError:
            return []

    def play(self, keys):
        """Plays one line of keys; its answer. PhoneGone when cprog ends or hangs."""
        try:
            self.process.stdin.write(keys.encode("ascii") + b"\n")
            self.process.stdin.flush()
        except (BrokenPipeError, OSError):
            self.close()
            raise PhoneGone("crash", self._tail())  # after close: all it wrote is in the file
        deadline = time.monotonic() + self.timeout
        lines = []
        while True:
            try:
                line = self.lines.get(timeout=max(0.1, deadline - time.monotonic()))
            except queue.Empty:
                self.close()
                raise PhoneGone("hang", self._tail())
            if line is None:
                self.close()
                raise PhoneGone("crash", self._tail())
            if line == "end":
                return State(lines)
            lines.append(line)

    def close(self):
        """Ends the phone: closing its input ends its loop; a hung one is killed."""
        if self.process.poll() is None:
            try:
                self.process.stdin.close()
            except OSError:
                pass
            try:
                self.process.wait(timeout=15)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.stderr.close()


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")
