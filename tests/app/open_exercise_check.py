#!/usr/bin/env python3
"""What `torvi FILE.torvi` shows, read through AT-SPI as a screen reader would: an exercise's
entries in the Data Input window, ready to Calculate; or, for a damaged file, a message naming the
file and its line.   open_exercise_check.py entries|damaged FILE_NAME"""
import sys

from accessibility_check import application, check, data_input, descendants, elements, enabled
from accessibility_check import eventually, failures, shown, text_of

mode, file_name = sys.argv[1], sys.argv[2]
app = application()
if mode == "entries":
    window = data_input(app)
    expected = {"Text1": "3", "Text2(1)": "0", "Text2(2)": "0,9", "Text2(3)": "0,9",
                "Text3(0)": "-50", "Text3(1)": "30"}
    eventually(lambda: all(name in elements(window) and text_of(elements(window)[name]) == text
                           for name, text in expected.items()))
    found = elements(window)
    for name, text in expected.items():
        node = found.get(name)
        check(node is not None and shown(node), f"{name} is not shown")
        if node is not None:
            check(text_of(node) == text, f"{name} reads {text_of(node)!r}, not {text!r}")
    check(not shown(found["Text2(4)"]), "row 4 is shown for an exercise of three")
    check(enabled(found["Command1"]), "Calculate is not enabled for the opened exercise")
else:
    def message():
        return next((node.name for node in descendants(app)
                     if f'"{file_name}"' in (node.name or "")), None)
    eventually(lambda: message() is not None)
    said = message() or ""
    check("line 3" in said and "cannot be opened as an exercise" in said,
          f"the message about {file_name}: {said!r}")

for failure in failures:
    print("open exercise:", failure)
print("open exercise check:", "failed" if failures else "passed", f"({mode})")
sys.exit(1 if failures else 0)
