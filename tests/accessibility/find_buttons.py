#!/usr/bin/env python3
"""The player as a screen reader meets it: over AT-SPI, on a private session bus and X server.

Run as: dbus-run-session -- xvfb-run -a find_buttons.py SUBCLOCK SAMPLE.srt
Starts the player on the sample and walks its accessible tree: the transport buttons are found by
name, each with a description, the menus and the encoding menu by name; pressing Start through
AT-SPI renames the button Stop, and the first subtitle is announced as the panel's new name, as a
screen-reader user would hear them."""

import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    # A GoogleTest-style skip line, which ctest reports as a skip.
    print("[  SKIPPED ] python3-pyatspi is not installed (scripts/install-deps.sh)")
    sys.exit(0)

from gi.repository import GLib

TRANSPORT = ["Rewind", "Start", "Fast-forward", "Reset", "Mark", "Choose File…"]
# The sample's first subtitle, from 1 s.
FIRST = "The last train leaves at midnight."
announced = []


def heard(event):
    announced.append((event.source.getRole(), event.source.name))


def wait_for(what, find, seconds=20.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # Events reach the listener only while the loop runs.
        while GLib.MainContext.default().iteration(False):
            pass
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"not found over AT-SPI within {seconds:.0f} s: {what}; heard {announced}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "subclock":
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def named(app, role, name):
    return [n for n in walk(app) if n.getRole() == role and n.name == name]


def labels_of(node):
    return [relation.getTarget(i).name
            for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def main():
    subclock, sample = sys.argv[1], sys.argv[2]
    scratch = tempfile.TemporaryDirectory()
    env = dict(os.environ,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb",
               # English, and settings and sessions of its own.
               LANG="C.UTF-8", LANGUAGE="", LC_ALL="C.UTF-8",
               XDG_CONFIG_HOME=scratch.name, XDG_DATA_HOME=scratch.name)
    player = subprocess.Popen([subclock, sample], env=env)
    try:
        app = wait_for("the subclock application", application)
        failures = []
        for name in TRANSPORT:
            buttons = wait_for(f"button {name!r}",
                               lambda: named(app, pyatspi.ROLE_PUSH_BUTTON, name))
            if not buttons[0].description:
                failures.append(f"button {name!r} has no description")
        # On Linux a menu's name is its choice; its label names it through a relation.
        for name in ["Encoding:", "Line ending:"]:
            if not [c for c in walk(app) if c.getRole() == pyatspi.ROLE_COMBO_BOX
                    and name in labels_of(c)]:
                failures.append(f"no menu labelled {name!r}")
        for name in ["File", "Subtitles"]:
            if not [m for m in walk(app) if m.name == name
                    and m.getRole() in (pyatspi.ROLE_MENU, pyatspi.ROLE_MENU_ITEM)]:
                failures.append(f"no menu named {name!r}")

        pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
        start = named(app, pyatspi.ROLE_PUSH_BUTTON, "Start")[0]
        start.queryAction().doAction(0)
        wait_for("the Start button renamed Stop",
                 lambda: named(app, pyatspi.ROLE_PUSH_BUTTON, "Stop"), 10.0)
        # The panel, a window of its own, as well as the main window's label.
        wait_for("the panel's name changed to the first subtitle",
                 lambda: [a for a in announced if a[1] == FIRST and a[0] != pyatspi.ROLE_LABEL],
                 10.0)
        for failure in failures:
            print(failure, file=sys.stderr)
        return 1 if failures else 0
    finally:
        player.terminate()
        player.wait(10)


if __name__ == "__main__":
    sys.exit(main())
