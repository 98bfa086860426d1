"""Listens on the accessibility bus for what a screen reader listens to, so
that the program under measurement sends its accessibility events as it would
for a screen-reader user. Prints "listening" once registered; reads nothing back."""

import pyatspi


def ignore(event):
    pass


for kind in ("object:", "window:", "focus:"):
    pyatspi.Registry.registerEventListener(ignore, kind)
print("listening", flush=True)
pyatspi.Registry.start()
