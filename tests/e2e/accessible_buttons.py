#!/usr/bin/python3
# Prints "name<TAB>role<TAB>enabled" for every push button of the named application's windows, as a screen
# reader finds them on the accessibility bus. Exits 1 while the application is not on the bus yet.
import sys

import pyatspi


def buttons(node, depth=0):
    if node is None or depth > 30:
        return
    if node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
        enabled = node.getState().contains(pyatspi.STATE_ENABLED)
        yield node.name, node.getRoleName(), "enabled" if enabled else "disabled"
    for child in node:
        yield from buttons(child, depth + 1)


def main():
    wanted = sys.argv[1]
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is not None and application.name == wanted:
            for name, role, state in buttons(application):
                print(f"{name}\t{role}\t{state}")
            return 0
    return 1


sys.exit(main())
