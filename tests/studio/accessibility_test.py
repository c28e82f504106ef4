#!/usr/bin/python3
"""What a screen reader is told of the studio, read through the AT-SPI bus as one reads it.

The studio must be running with accessibility on. Checks: every control that takes the keyboard
has a name and a role that says what it is; the stage reads as the display's own text (as
quillon-render gives it) and follows the display when another kind is chosen; the size picker is a
row of tabs with the chosen size selected, and the themes are radio buttons with one checked.

Usage: accessibility_test.py QUILLON-RENDER
"""
import json
import subprocess
import sys
import time

import pyatspi

failures = 0
VAGUE_ROLES = {"filler", "unknown", "panel", "invalid", "redundant object"}


def report(ok, what, seen):
    global failures
    print(("ok: " if ok else "FAILED: ") + what)
    if not ok:
        failures += 1
        print("  saw: " + str(seen)[:3000])
    return ok


def wait_for(what, probe, deadline=20):
    """Polls probe() until it returns something true, for at most deadline seconds."""
    end = time.time() + deadline
    seen = None
    while time.time() < end:
        try:
            seen = probe()
            if seen:
                return seen
        except Exception as error:  # the tree changes under the reader while the studio starts
            seen = error
        time.sleep(0.2)
    print(f"  waited {deadline} s for {what}; last saw: {seen}")
    return None


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def studio_frame():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quillon":
            for child in app:
                if child is not None and child.getRoleName() == "frame":
                    return child
    return None


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def rendered_text(render, kind):
    output = subprocess.run([render, kind, "--format", "json"], capture_output=True, text=True, check=True)
    return json.loads(output.stdout)["accessibilityText"]


def stage_reads(frame, render, kind):
    """The stage's label reads as the display's text; the clock may tick between reading and rendering."""
    expected = rendered_text(render, kind)
    names = [node.name for node in walk(frame) if node.getRoleName() == "label" and showing(node)]
    return expected if expected in names else None


def main():
    render = sys.argv[1]
    frame = wait_for("the studio's window on the AT-SPI bus", studio_frame)
    if not report(frame is not None, "the studio's window is on the AT-SPI bus", "nothing named Quillon"):
        return 1

    unnamed = []
    for node in walk(frame):
        states = node.getState()
        if not states.contains(pyatspi.STATE_FOCUSABLE) or not showing(node):
            continue
        role = node.getRoleName()
        if not node.name.strip() or role in VAGUE_ROLES:
            unnamed.append(f"[{role}] '{node.name}' in [{node.parent.getRoleName()}] '{node.parent.name}'")
    report(not unnamed, "every control that takes the keyboard has a name and a role", unnamed)

    world = wait_for("the stage to read the world board", lambda: stage_reads(frame, render, "worldBoard"))
    report(world is not None, f"the stage reads the world board as the display's text: {world}", "no such label")

    tabs = [node for node in walk(frame) if node.getRoleName() == "page tab list" and showing(node)]
    sizes = [(tab.name, tab.getState().contains(pyatspi.STATE_SELECTED)) for tab in tabs[0]] if tabs else []
    report(bool(sizes) and sum(selected for _, selected in sizes) == 1,
           f"the size picker is a row of tabs with one selected: {sizes}", [t.name for t in tabs])

    themes = [(node.name, node.getState().contains(pyatspi.STATE_CHECKED))
              for node in walk(frame) if node.getRoleName() == "radio button" and showing(node)]
    report(len(themes) == 8 and sum(checked for _, checked in themes) == 1,
           f"the eight themes are radio buttons with one checked: {themes}", themes)

    # Choosing Countdown in the sidebar, as a screen reader's user does with its selection.
    lists = [node for node in walk(frame) if node.getRoleName() == "list" and node.name == "Widgets"]
    if report(bool(lists), "the sidebar is a list named Widgets", "no such list"):
        sidebar = lists[0]
        names = [item.name for item in sidebar]
        if report("Countdown" in names, "the sidebar offers Countdown", names):
            # A click on the row, where the bus says it is.
            extents = sidebar[names.index("Countdown")].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            subprocess.run(["xdotool", "mousemove", "--sync", str(extents.x + extents.width // 2),
                            str(extents.y + extents.height // 2), "click", "1"], check=True, timeout=10)
            countdown = wait_for("the stage to read the countdown",
                                 lambda: stage_reads(frame, render, "countdown"))
            report(countdown is not None, f"the stage follows to the countdown's text: {countdown}",
                   "the stage kept another text")

    print(f"{failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
