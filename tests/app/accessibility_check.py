#!/usr/bin/env python3
"""What a screen reader finds in the Data Input window, through AT-SPI: every element shown has a
meaningful name, every box's text can be read, and Calculate tells whether it is enabled.
Drives the running program with xdotool, as a keyboard would."""
import subprocess
import sys
import time

import pyatspi

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def keys(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)
    time.sleep(0.3)


def application():
    deadline = time.time() + 20
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Torvi":
                return app
        time.sleep(0.2)
    sys.exit("the program did not appear on the accessibility bus")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def data_input(app):
    deadline = time.time() + 10
    while time.time() < deadline:
        for node in descendants(app):
            if node.getRoleName() == "frame" and node.name == "Data Input":
                return node
        time.sleep(0.2)
    sys.exit("no Data Input window")


def shown(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def elements(window):
    """The window's elements by their design names (the accessible descriptions)."""
    return {node.description: node for node in descendants(window) if node.description}


def eventually(condition, seconds=10):
    """Waits until the program has caught up with the keys sent to it."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.1)
    return False


def text_of(node):
    return node.queryText().getText(0, -1)


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def main():
    app = application()
    keys("key", "ctrl+d")
    window = data_input(app)
    found = elements(window)
    check(found.get("Command1") is not None, "the Calculate button is not reachable")
    check(not enabled(found["Command1"]), "Calculate reads as enabled before any entry")
    check(found["Text1"].name == "Number of Conformers", f"count box named {found['Text1'].name!r}")

    keys("type", "2")
    keys("key", "Return")
    eventually(lambda: shown(elements(window)["Text2(2)"]))
    for energy in ("0", "1"):
        keys("type", energy)
        keys("key", "Return")

    eventually(lambda: elements(window).get("Command1") is not None and enabled(elements(window)["Command1"]))
    found = elements(window)
    for name, node in found.items():
        if shown(node) and node.getRoleName() not in ("filler",):
            check(node.name.strip() != "", f"{name} ({node.getRoleName()}) has no name")
    expected = {"Text1": "2", "Text2(1)": "0", "Text2(2)": "1", "Text3(0)": "-50", "Text3(1)": "30",
                "Text4(0)": "223,15", "Text4(1)": "303,15"}
    for name, text in expected.items():
        node = found.get(name)
        check(node is not None and shown(node), f"{name} is not shown")
        if node is not None:
            check(text_of(node) == text, f"{name} reads {text_of(node)!r}, not {text!r}")
            check("Temperature" in node.name or "onformer" in node.name, f"{name} is named {node.name!r}")
    check(not shown(found["Text2(3)"]), "row 3 is announced although hidden")
    check(found["Command1"].name == "Calculate", "the button is not named Calculate")
    check(enabled(found["Command1"]), "Calculate does not read as enabled with every entry present")

    for failure in failures:
        print("accessibility:", failure)
    print("accessibility check:", "failed" if failures else "passed", f"({len(found)} elements)")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
