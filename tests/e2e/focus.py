#!/usr/bin/python3
# Writes a line for every control that takes the keyboard focus, as the
# accessibility bus (AT-SPI) tells a screen reader: its role, a tab, its name.
#   focus.py FILE
import sys

import pyatspi

out = open(sys.argv[1], "a", buffering=1, encoding="utf-8")


def focused(event):
    if event.detail1 != 1:
        return
    try:
        out.write(f"{event.source.getRoleName()}\t{event.source.name}\n")
    except Exception as e:  # the control may be gone already
        out.write(f"gone\t{e}\n")


pyatspi.Registry.registerEventListener(focused, "object:state-changed:focused")
out.write("listening\t\n")
pyatspi.Registry.start()
