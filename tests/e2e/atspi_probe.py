"""Prints, as JSON, what a screen reader learns over AT-SPI of the
application named on the command line: its windows and their controls, a
role, a name and where it is on the screen each, down to the depth given
after the name (3 unless given). Runs under Debian's python3, which has
pyatspi."""

import json
import sys
import time

import pyatspi


def describe(accessible, depth):
    states = accessible.getState()
    node = {"role": accessible.getRoleName(), "name": accessible.name,
            "focusable": states.contains(pyatspi.STATE_FOCUSABLE),
            "showing": states.contains(pyatspi.STATE_SHOWING), "children": []}
    component = accessible.queryComponent() if "Component" in pyatspi.listInterfaces(accessible) else None
    if component:
        box = component.getExtents(pyatspi.DESKTOP_COORDS)
        node["extents"] = [box.x, box.y, box.width, box.height]
    if depth > 0:
        node["children"] = [describe(accessible.getChildAtIndex(i), depth - 1)
                            for i in range(accessible.childCount)]
    return node


def main():
    name = sys.argv[1]
    depth = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
        found = [a for a in apps if a is not None and a.name == name and a.childCount]
        if found:
            print(json.dumps(describe(found[0], depth)))
            return
        time.sleep(0.2)
    sys.exit(f"no application {name!r} over AT-SPI")


main()
