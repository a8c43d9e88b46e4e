"""What a user does with the phone, drawn at random from a seed.

Each action is one line of cprog keys (README, "Driving the stand-in phone").
The draw looks at the phone's last state only to stay plausible: it deletes
more as the number grows, and holds a row only while the list shows rows.
"""

# Overlay menu and dialer menu commands.
RELOAD = 20102
SETTINGS_PAGES = (20103, 20104, 20105, 20106)
DIALER_MENU_SETTINGS = 34661
# Row popup: 34661 + 10 x number index + command index; the built-in commands
# open the entry (command 0, first number only) and call (command 2).
ROW_COMMAND_BASE = 34661
OPEN_COMMAND = 0
CALL_COMMAND = 2

DIALER_SIZES = ((240, 320), (320, 240), (240, 400), (200, 280), (480, 640), (320, 320))


class Action:
    def __init__(self, kind, keys, **details):
        self.kind = kind
        self.keys = keys
        self.details = details

    def __repr__(self):
        return f"{self.kind} {self.keys}"


def row_command_id(number_index, command):
    return ROW_COMMAND_BASE + 10 * number_index + command


def draw_action(rng, state, selected_entry, dialer_size):
    """One action for the phone in `state`; selected_entry is the entry behind
    the selected row (oracle.Entry) or None, dialer_size the dialer's client
    size now."""
    typed = len(state.typed)
    visible = state.list_visible and state.rows
    # Numbers stay short, as dialled numbers and searched names do, so that
    # the list shows rows most of the time.
    weights = {
        "digit": 30 if typed < 3 else 15 if typed < 5 else 5 if typed < 8 else 1,
        "star": 1,
        "pound": 1.5,
        "back": 4 + (4 if typed >= 4 else 0) + (10 if typed >= 7 else 0),
        "clear": 3 if typed > 5 else 0.3,
        "paste": 3 if typed < 8 else 0,
        "up": 4,
        "down": 5,
        "left": 3,
        "right": 3,
        "enter": 2.5,
        "talk": 2.5,
        "softkey": 2,
        "tap": 2,
        "reload": 1.5,
        "settings": 1.5,
        "dialer-menu": 0.5,
        "overlay-dismissed": 0.5,
        "row-popup": 4 if visible else 0,
        "resize": 1.5,
        "drop-list": 0.7,
    }
    kinds = list(weights)
    kind = rng.choices(kinds, weights=[weights[k] for k in kinds])[0]
    simple = {"star": "*", "pound": "#", "back": "{BACK}", "up": "{UP}", "down": "{DOWN}",
              "left": "{LEFT}", "right": "{RIGHT}", "enter": "{ENTER}", "talk": "{TALK}",
              "softkey": "{SOFTKEY}", "tap": "{TAP}"}
    if kind in simple:
        return Action(kind, simple[kind])
    if kind == "digit":
        return Action(kind, rng.choice("0123456789"))
    if kind == "clear":
        return Action(kind, "{BACK}" * typed)
    if kind == "paste":
        text = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 6)))
        if rng.random() < 0.2:
            text = "+" + text
        if rng.random() < 0.1:
            text += rng.choice("*#")
        return Action(kind, "{PASTE:" + text + "}")
    if kind == "reload":
        return Action(kind, "{PICK:%d}{HOLD}" % RELOAD)
    if kind == "settings":
        page = rng.choice(SETTINGS_PAGES)
        tab = "{SHEETTAB:%d}" % rng.randrange(5) if rng.random() < 0.5 else ""
        return Action(kind, tab + "{SHEETCANCEL}{PICK:%d}{HOLD}" % page)
    if kind == "dialer-menu":
        return Action(kind, "{SHEETCANCEL}{PICK:%d}{MENU}" % DIALER_MENU_SETTINGS)
    if kind == "overlay-dismissed":
        return Action(kind, "{PICK:0}{HOLD}")
    if kind == "resize":
        size = rng.choice(DIALER_SIZES)
        return Action(kind, "{RESIZE:%d,%d}" % size, size=size)
    if kind == "drop-list":
        # A dialer rebuilding its children lays them out again: a resize to
        # another size, which the extension answers with a new list.
        size = rng.choice([s for s in DIALER_SIZES if s != dialer_size])
        return Action(kind, "{DROPLIST}{RESIZE:%d,%d}" % size, size=size)
    return row_popup(rng, selected_entry)


def row_popup(rng, entry):
    """Tap-and-hold on the selected row, then an item of its popup or none."""
    # Without the entry (faults make it unsure), an index it may not have:
    # the popup then lacks the item, and the menu is dismissed.
    numbers = len(entry.slots) if entry is not None else 4
    roll = rng.random()
    if roll < 0.25:
        return Action("row-popup", "{PICK:0}{ROWHOLD}", command=None)
    # A SIM entry opens the SIM programs, which this machine does not have;
    # an address-book entry shows its card, a call-log entry the history.
    if roll < 0.45 and entry is not None and entry.key[0] != "sim":
        return Action("row-popup", "{PICK:%d}{ROWHOLD}" % row_command_id(0, OPEN_COMMAND),
                      command=(0, OPEN_COMMAND))
    number_index = rng.randrange(numbers)
    return Action("row-popup", "{PICK:%d}{ROWHOLD}" % row_command_id(number_index, CALL_COMMAND),
                  command=(number_index, CALL_COMMAND))


def opening_tour():
    """Every kind of action once, each settings page and tab and each dialer
    size included, played first: whatever a path allocates on its first use
    (code, fonts, dialog templates, window classes) is then allocated before
    the memory is first measured."""
    tour = [Action("digit", "2"), Action("down", "{DOWN}"), Action("up", "{UP}"),
            Action("right", "{RIGHT}"), Action("left", "{LEFT}"),
            Action("softkey", "{SOFTKEY}"), Action("tap", "{TAP}"), Action("softkey", "{SOFTKEY}"),
            Action("row-popup", "{PICK:0}{ROWHOLD}", command=None),
            Action("row-popup", "{PICK:%d}{ROWHOLD}" % row_command_id(0, OPEN_COMMAND),
                   command=(0, OPEN_COMMAND)),
            Action("row-popup", "{PICK:%d}{ROWHOLD}" % row_command_id(0, CALL_COMMAND),
                   command=(0, CALL_COMMAND)),
            Action("enter", "{ENTER}"), Action("talk", "{TALK}"),
            Action("reload", "{PICK:%d}{HOLD}" % RELOAD),
            Action("overlay-dismissed", "{PICK:0}{HOLD}"),
            Action("dialer-menu", "{SHEETCANCEL}{PICK:%d}{MENU}" % DIALER_MENU_SETTINGS)]
    tour += [Action("settings", "{SHEETCANCEL}{PICK:%d}{HOLD}" % page) for page in SETTINGS_PAGES]
    tour += [Action("settings", "{SHEETTAB:%d}{SHEETCANCEL}{PICK:%d}{HOLD}" % (tab, SETTINGS_PAGES[0]))
             for tab in range(5)]
    tour += [Action("resize", "{RESIZE:%d,%d}" % size, size=size) for size in DIALER_SIZES[1:]]
    tour += [Action("drop-list", "{DROPLIST}{RESIZE:%d,%d}" % DIALER_SIZES[0], size=DIALER_SIZES[0])]
    # A call-log row first: its open command shows the call history.
    tour += [Action("clear", "{BACK}"), Action("pound", "#"),
             Action("row-popup", "{PICK:%d}{ROWHOLD}" % row_command_id(0, OPEN_COMMAND),
                    command=(0, OPEN_COMMAND)),
             Action("paste", "{PASTE:+8210}"), Action("clear", "{BACK}" * 6), Action("star", "*"),
             Action("back", "{BACK}")]
    return tour
