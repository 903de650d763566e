#!/usr/bin/python3
"""Reads a running program's windows from the accessibility bus, as a screen reader does.

atspi_tree.py PROGRAM table   prints, per window: role, focusable controls, those without a
                              name, names said twice; exits 1 when any is unnamed or doubled.
atspi_tree.py PROGRAM focus   prints the name of the control that has the focus.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# A control's own parts (cells, list entries, a combo's list) are not controls of the window.
LEAVES = {Atspi.Role.TABLE, Atspi.Role.LIST, Atspi.Role.COMBO_BOX, Atspi.Role.TREE,
          Atspi.Role.MENU, Atspi.Role.LIST_BOX}


def application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


def controls(node, found):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        states = child.get_state_set()
        if states.contains(Atspi.StateType.FOCUSABLE):
            found.append(child)
        if child.get_role() not in LEAVES:
            controls(child, found)
    return found


def main():
    app = application(sys.argv[1])
    if app is None:
        print("no application", sys.argv[1], "on the accessibility bus")
        return 1
    if sys.argv[2] == "focus":
        for window in (app.get_child_at_index(i) for i in range(app.get_child_count())):
            for c in controls(window, []):
                if c.get_state_set().contains(Atspi.StateType.FOCUSED):
                    print(c.get_name())
                elif c.get_role() == Atspi.Role.TABLE:
                    # A view's focus shows on its current cell.
                    cells = (c.get_child_at_index(i) for i in range(min(c.get_child_count(), 64)))
                    if any(x is not None and x.get_state_set().contains(Atspi.StateType.FOCUSED)
                           for x in cells):
                        print(c.get_name())
        return 0
    bad = 0
    print("| window | role | focusable controls | with no name | names said twice |")
    print("| --- | --- | --- | --- | --- |")
    for window in (app.get_child_at_index(i) for i in range(app.get_child_count())):
        if window is None or not window.get_state_set().contains(Atspi.StateType.SHOWING):
            continue
        found = controls(window, [])
        names = [c.get_name().strip() for c in found]
        unnamed = [c.get_role_name() for c, n in zip(found, names) if not n]
        twice = sorted({n for n in names if n and names.count(n) > 1})
        bad += len(unnamed) + len(twice)
        print(f"| {window.get_name()} | {window.get_role_name()} | {len(found)} | "
              f"{len(unnamed)} {' '.join(unnamed)} | {len(twice)} {' / '.join(twice)} |")
    return 1 if bad else 0


sys.exit(main())
