#!/usr/bin/python3
# Reads the named application as a screen reader finds it on the accessibility bus, or presses one of its
# buttons as switch access does. Exits 1 while the application (or what was asked for) is not on the bus.
#   accessible_buttons.py APP                 "name<TAB>role<TAB>enabled" for every push button
#   accessible_buttons.py APP --press NAME    does the press action of the push button so named
#   accessible_buttons.py APP --window TITLE  "name<TAB>role" for every named node of that window, with
#                                             "<TAB>selected" for a selected list item, the state of a
#                                             check box and "<TAB>focused" for the node with the focus
import sys

import pyatspi


def nodes(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for child in node:
        yield from nodes(child, depth + 1)


def application(name):
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == name:
            return candidate
    return None


def buttons(app):
    for node in nodes(app):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            enabled = node.getState().contains(pyatspi.STATE_ENABLED)
            print(f"{node.name}\t{node.getRoleName()}\t{'enabled' if enabled else 'disabled'}")
    return 0


def press(app, wanted):
    for node in nodes(app):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == wanted:
            action = node.queryAction()
            for i in range(action.nActions):
                if action.getName(i).lower() == "press":
                    return 0 if action.doAction(i) else 1
    return 1


def window(app, title):
    for top in app:
        if top is not None and top.name == title:
            for node in nodes(top):
                if not node.name:
                    continue
                line = f"{node.name}\t{node.getRoleName()}"
                state = node.getState()
                if node.getRole() == pyatspi.ROLE_LIST_ITEM and state.contains(pyatspi.STATE_SELECTED):
                    line += "\tselected"
                if node.getRole() == pyatspi.ROLE_CHECK_BOX:
                    line += "\tchecked" if state.contains(pyatspi.STATE_CHECKED) else "\tunchecked"
                if state.contains(pyatspi.STATE_FOCUSED):
                    line += "\tfocused"
                print(line)
            return 0
    return 1


def main():
    app = application(sys.argv[1])
    if app is None:
        return 1
    if len(sys.argv) == 4 and sys.argv[2] == "--press":
        return press(app, sys.argv[3])
    if len(sys.argv) == 4 and sys.argv[2] == "--window":
        return window(app, sys.argv[3])
    return buttons(app)


sys.exit(main())
