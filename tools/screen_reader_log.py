#!/usr/bin/env python3
"""Prints what a screen reader hears from the game: the events that reach the desktop's
accessibility bus (focus, selection, changes of a name, description, value or text, and objects
shown), one line each, "event | name | role", with the new words after another bar where the
event carries them, for as many seconds as asked.

Run it in the game's D-Bus session (Debian: python3-pyatspi at-spi2-core), with the game started
with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, for instance:

    dbus-run-session -- sh -c 'QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 pondrake & tools/screen_reader_log.py 60'
"""
import sys

import pyatspi
from gi.repository import GLib

EVENTS = (
    "object:state-changed:focused",
    "object:state-changed:selected",
    "object:state-changed:showing",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:property-change:accessible-value",
    "object:text-changed",
)


def heard(event):
    # A state that goes away (detail1 0) is the other side of one that comes: the reader says nothing.
    if event.type.startswith("object:state-changed") and not event.detail1:
        return
    try:
        name, role = event.source.name, event.source.getRoleName()
        said = event.source.description if event.type.endswith("accessible-description") else event.any_data
    except Exception as error:  # the object may be gone by the time it is asked
        name, role, said = f"({error.__class__.__name__})", "?", None
    words = f" | {said}" if isinstance(said, str) and said else ""
    print(f"{event.type} | {name} | {role}{words}", flush=True)


def main():
    seconds = int(sys.argv[1]) if len(sys.argv) > 1 else 60
    pyatspi.Registry.registerEventListener(heard, *EVENTS)
    GLib.timeout_add_seconds(seconds, pyatspi.Registry.stop)
    pyatspi.Registry.start()


if __name__ == "__main__":
    main()
