#!/usr/bin/python3
"""What a screen reader is told of the studio and the widget gallery, read through the AT-SPI bus.

The studio must be running with accessibility on. Checks: every control that takes the keyboard
has a name and a role that says what it is, in the window, the settings column, the city and date
pickers, the Settings window and the gallery; the stage reads as the display's own text (as
quillon-render gives it) and follows the display when another kind is chosen; the size picker is a
row of tabs with the chosen size selected, and the themes are radio buttons with one checked; Tab
goes from the sidebar to the stage to the settings column and stops once at the themes; the date
picker's keyboard is on the selected day, which the arrows move.

Popups are not children of the application on the bus: a screen reader finds them, as this test
does, through the focus events of what they hold.

Usage: accessibility_test.py QUILLON-RENDER QUILLON-WIDGETS
"""
import json
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = 0
VAGUE_ROLES = {"filler", "unknown", "panel", "invalid", "redundant object"}
focus_events = []


def report(ok, what, seen):
    global failures
    print(("ok: " if ok else "FAILED: ") + what)
    if not ok:
        failures += 1
        print("  saw: " + str(seen)[:3000])
    return ok


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        time.sleep(0.05)


def wait_for(what, probe, deadline=20):
    """Polls probe() until it returns something true, for at most deadline seconds."""
    end = time.time() + deadline
    seen = None
    while time.time() < end:
        try:
            seen = probe()
            if seen:
                return seen
        except Exception as error:  # the tree changes under the reader while windows open
            seen = error
        pump(0.2)
    print(f"  waited {deadline} s for {what}; last saw: {seen}")
    return None


def on_focus(event):
    if event.detail1:
        focus_events.append(event.source)


def describe(node):
    return f"[{node.getRoleName()}] '{node.name}'"


def walk(node):
    yield node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def top_window(node):
    """The window a node is in: its ancestor just under the application."""
    while node.parent is not None and node.parent.getRoleName() != "application":
        node = node.parent
    return node


def application_window(app_name, role, name=None):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == app_name:
            for child in app:
                if child is not None and child.getRoleName() == role and (name is None or child.name == name):
                    return child
    return None


def showing(node):
    states = node.getState()
    return states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE)


def center(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


def click(node):
    # Without --sync, which waits for a motion that never comes when the pointer is there already.
    x, y = center(node)
    subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True, timeout=10)
    pump(0.2)
    subprocess.run(["xdotool", "click", "1"], check=True, timeout=10)


def press(key):
    subprocess.run(["xdotool", "key", key], check=True, timeout=10)


def find_showing(root, role, name_start=""):
    for node in walk(root):
        if node.getRoleName() == role and node.name.startswith(name_start) and showing(node):
            return node
    return None


def check_named(window, what):
    unnamed = [f"{describe(node)} in {describe(node.parent)}" for node in walk(window)
               if node.getState().contains(pyatspi.STATE_FOCUSABLE) and showing(node)
               and (not node.name.strip() or node.getRoleName() in VAGUE_ROLES)]
    report(not unnamed, f"every control of {what} that takes the keyboard has a name and a role", unnamed)


def next_focus(what, accept, deadline=20):
    """Waits for a focus event on a node accept() takes, and returns that node."""
    def probe():
        while focus_events:
            node = focus_events.pop(0)
            if accept(node):
                return node
        return None
    return wait_for(what, probe, deadline)


def rendered_text(render, kind):
    output = subprocess.run([render, kind, "--format", "json"], capture_output=True, text=True, check=True)
    return json.loads(output.stdout)["accessibilityText"]


def stage_reads(frame, render, kind):
    """The stage's label reads as the display's text; the clock may tick between reading and rendering."""
    expected = rendered_text(render, kind)
    names = [node.name for node in walk(frame) if node.getRoleName() == "label" and showing(node)]
    return expected if expected in names else None


def check_stage(frame, render):
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


def choose_kind(frame, kind):
    """Chooses a kind in the sidebar with a click on its row, where the bus says it is."""
    lists = [node for node in walk(frame) if node.getRoleName() == "list" and node.name == "Widgets"]
    names = [item.name for item in lists[0]] if lists else []
    if report(kind in names, f"the sidebar, a list named Widgets, offers {kind}", names):
        click(lists[0][names.index(kind)])


def check_tab_order(frame):
    """Tab once round the window: through the sidebar, the stage and the settings column in turn."""
    panes = wait_for("the window's three panes", lambda: [
        child for child in find_showing(frame, "split pane")
        if child is not None and showing(child) and child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 20])
    if not report(panes is not None and len(panes) == 3, "the window has a sidebar, a stage and a settings column",
                  [describe(pane) for pane in panes or []]):
        return
    edges = sorted(pane.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x for pane in panes)

    def pane_of(node):
        x, _ = center(node)
        return sum(1 for edge in edges if x >= edge) - 1

    focus_events.clear()
    stops = []
    for _ in range(30):
        press("Tab")
        node = next_focus("the focus to move on Tab", lambda node: True, deadline=10)
        if node is None:
            break
        stop = (pane_of(node), describe(node))
        if stop in stops:
            stops = stops[stops.index(stop):]
            break
        stops.append(stop)
    # Read from where the round enters the first pane.
    first_pane = min((pane for pane, _ in stops), default=0)
    first = next((index for index, (pane, _) in enumerate(stops)
                  if pane == first_pane and stops[index - 1][0] != first_pane), 0)
    round_trip = stops[first:] + stops[:first]
    report(bool(round_trip) and [pane for pane, _ in round_trip] == sorted(pane for pane, _ in round_trip),
           "Tab goes from the sidebar to the stage to the settings column",
           [f"pane {pane}: {name}" for pane, name in round_trip])
    themes = [name for _, name in round_trip if name.startswith("[radio button]")]
    report(len(themes) == 1, f"Tab stops once at the themes: {themes}", round_trip)


def open_popover(frame, kind, button_name, focus_what, accept):
    """Chooses the kind, clicks the button whose name starts with button_name and returns the node
    in the popover the keyboard lands on."""
    choose_kind(frame, kind)
    button = wait_for(f"the button {button_name}", lambda: find_showing(frame, "push button", button_name))
    if not report(button is not None, f"the settings of {kind} have a button {button_name}", "none"):
        return None
    focus_events.clear()
    click(button)
    return next_focus(focus_what, accept)


def check_popover(popover, name):
    report(popover.name == name, f"the popover is named {name}: {describe(popover)}", describe(popover))
    check_named(popover, name)


def check_date_picker(frame):
    day = open_popover(frame, "Countdown", "Date, ", "the keyboard on the selected day",
                       lambda node: node.getRoleName() == "radio button"
                       and node.getState().contains(pyatspi.STATE_CHECKED))
    if not report(day is not None, f"the date picker opens with the keyboard on the selected day: "
                  f"{day and describe(day)}", focus_events):
        return
    check_popover(top_window(day), "Date")
    press("Right")
    moved = next_focus("the keyboard to follow the selection", lambda node: node.getRoleName() == "radio button")
    report(moved is not None and moved.name != day.name and moved.getState().contains(pyatspi.STATE_CHECKED),
           f"the right arrow selects the next day and the keyboard follows: {moved and describe(moved)}",
           moved and describe(moved))
    press("Escape")


def check_city_picker(frame):
    search = open_popover(frame, "World Board", "Add City", "the keyboard in the city search",
                          lambda node: node.getRoleName() == "text")
    if not report(search is not None and search.name == "Search cities or countries",
                  f"the city picker opens with the keyboard in its search: {search and describe(search)}", ""):
        return
    check_popover(top_window(search), "Add City")
    press("Escape")


def check_settings_window():
    press("ctrl+comma")
    settings = wait_for("the Settings window", lambda: application_window("Quillon", "dialog", "Settings"))
    if report(settings is not None, "Ctrl+, opens the Settings window", "no dialog named Settings"):
        check_named(settings, "the Settings window")
        press("Escape")


def check_gallery(host):
    process = subprocess.Popen([host, "--gallery"], stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
    try:
        gallery = wait_for("the gallery window", lambda: application_window("Quillon Widgets", "frame", "Edit Widgets"))
        if not report(gallery is not None, "the gallery is a window named Edit Widgets", "no such frame"):
            return
        check_named(gallery, "the gallery")
        adds = [node for node in walk(gallery) if node.getRoleName() == "push button" and showing(node)]
        undescribed = [describe(node) for node in adds if not node.description]
        report(bool(adds) and not undescribed,
               f"each of the {len(adds)} Add buttons says which widget it adds, as '{adds and adds[0].description}'",
               undescribed)
    finally:
        process.terminate()
        process.wait(timeout=20)


def main():
    render, host = sys.argv[1], sys.argv[2]
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    frame = wait_for("the studio's window on the AT-SPI bus", lambda: application_window("Quillon", "frame"))
    if not report(frame is not None, "the studio's window is on the AT-SPI bus", "nothing named Quillon"):
        return 1
    check_named(frame, "the window")
    check_stage(frame, render)

    choose_kind(frame, "Countdown")
    countdown = wait_for("the stage to read the countdown", lambda: stage_reads(frame, render, "countdown"))
    report(countdown is not None, f"the stage follows to the countdown's text: {countdown}",
           "the stage kept another text")
    check_named(frame, "the countdown's settings")
    check_tab_order(frame)
    check_date_picker(frame)
    check_city_picker(frame)
    check_settings_window()
    check_gallery(host)

    print(f"{failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
