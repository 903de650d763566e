#!/usr/bin/python3
"""Reads a running program's windows from the accessibility bus, as a screen reader does.

atspi_tree.py PROGRAM table   prints, per window: role, focusable controls, those without a
                              name, names said twice; exits 1 when any is unnamed or doubled, or a
                              window has no name.
atspi_tree.py PROGRAM focus   prints the name of the control that has the focus.
atspi_tree.py PROGRAM says    prints every name shown in its windows, one a line.
atspi_tree.py PROGRAM describe NAME   prints the description of the control of that name.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# A control's own parts (cells, list entries, a combo's list) are not controls of the window.
# A view's cells are its own; the calendar, though a table too, holds controls.
LEAVES = {Atspi.Role.LIST, Atspi.Role.COMBO_BOX, Atspi.Role.TREE, Atspi.Role.MENU,
          Atspi.Role.LIST_BOX}


def is_leaf(node):
    return (node.get_role() in LEAVES or
            node.get_state_set().contains(Atspi.StateType.MANAGES_DESCENDANTS))


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


def controls(node, found, focusable=True):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        if not focusable or child.get_state_set().contains(Atspi.StateType.FOCUSABLE):
            found.append(child)
        if not is_leaf(child):
            controls(child, found, focusable)
    return found


def showing_windows(app):
    for window in (app.get_child_at_index(i) for i in range(app.get_child_count())):
        if window is not None and window.get_state_set().contains(Atspi.StateType.SHOWING):
            yield window


def main():
    app = application(sys.argv[1])
    if app is None:
        print("no application", sys.argv[1], "on the accessibility bus")
        return 1
    if sys.argv[2] == "focus":
        # A widget whose focus proxy has the focus says it is focused too: the innermost is
        # the one the keys go to.
        focused = None
        for window in (app.get_child_at_index(i) for i in range(app.get_child_count())):
            for c in controls(window, []):
                if c.get_state_set().contains(Atspi.StateType.FOCUSED):
                    focused = c
        if focused is not None:
            print(focused.get_name())
        return 0
    if sys.argv[2] == "says":
        for window in showing_windows(app):
            for c in controls(window, [], focusable=False):
                if c.get_name():
                    print(c.get_name())
        return 0
    if sys.argv[2] == "describe":
        for window in showing_windows(app):
            for c in controls(window, []):
                if c.get_name() == sys.argv[3]:
                    print(c.get_description())
        return 0
    bad = 0
    print("| window | role | focusable controls | with no name | names said twice |")
    print("| --- | --- | --- | --- | --- |")
    for window in showing_windows(app):
        found = controls(window, [])
        names = [c.get_name().strip() for c in found]
        unnamed = [c.get_role_name() for c, n in zip(found, names) if not n]
        twice = sorted({n for n in names if n and names.count(n) > 1})
        bad += len(unnamed) + len(twice) + (0 if window.get_name() else 1)
        print(f"| {window.get_name()} | {window.get_role_name()} | {len(found)} | "
              f"{len(unnamed)} {' '.join(unnamed)} | {len(twice)} {' / '.join(twice)} |")
    return 1 if bad else 0


sys.exit(main())
