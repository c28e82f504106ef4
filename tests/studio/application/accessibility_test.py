#!/usr/bin/python3
"""What a screen reader is told of the studio and the widget gallery, read through the AT-SPI bus.

The studio must be running with accessibility on. Checks: every control that takes the keyboard
has a name and a role that says what it is, in the window, the settings column, the city and date
pickers, the Settings window and the gallery; the stage reads as the display's own text (as
quillon-render gives it) and follows the display when another kind is chosen; the size picker is a
row of tabs with the chosen size selected, and the themes are radio buttons with one checked; Tab
goes from the sidebar to the stage to the settings column and stops once at the themes; the date
picker's keyboard is on the selected day, which the arrows move.

And what the keyboard meets is told as it happens: the selected size tab and the checked period in
its named group take the focus events as the keyboard comes and the arrows choose; popovers are
dialogs that hand the keyboard back to their button; the date button is read by its label; the city
picker counts its results and Down reads the first; a change of the board is said and comes as a
change of the card's text; lists rebuilt elsewhere send no focus events; Return presses buttons,
F10 opens the menus and full view keeps the keyboard on a control in sight. In the widget host: a
placed widget is a window named with what it shows, and the gallery lists it with its buttons.

Popups are not children of the application on the bus: a screen reader finds them, as this test
does, through the focus events of what they hold.

Usage: accessibility_test.py QUILLON-RENDER QUILLON-WIDGETS
"""
import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = 0
VAGUE_ROLES = {"filler", "unknown", "panel", "invalid", "redundant object"}
focus_events = []
text_events = []
shown_notifications = []


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


def on_text_inserted(event):
    text_events.append((event.source, event.any_data))


def on_showing(event):
    try:
        if event.detail1 and event.source.getRoleName() == "notification":
            shown_notifications.append(event.source.name)
    except Exception:  # gone before it was read
        pass


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
    """The first window of that role (and name) of any application so named: the widget host and
    its settings program have the same name."""
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
    day = open_popover(frame, "Countdown", "", "the keyboard on the selected day",
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


def focus_until(what, accept, key="Tab", limit=30):
    """Presses the key until a focus event comes for a node accept() takes; returns that node. A
    control may send more than one as the keyboard comes (a list, then its row): each press's are
    gathered until they stop."""
    seen = []
    for _ in range(limit):
        focus_events.clear()
        press(key)
        first = next_focus(what, lambda node: True, deadline=5)
        if first is None:
            continue
        pump(0.4)
        events = [first] + focus_events
        seen.append([describe(node) for node in events][-2:])
        for node in events:
            if accept(node):
                return node
    print(f"  {key} did not reach {what} in {limit} presses; the last focus events: {seen[-5:]}")
    return None


def ancestors(node):
    while node is not None:
        yield node
        node = node.parent


def labels_of(node):
    return [relation.getTarget(index).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for index in range(relation.getNTargets())]


def check_size_tabs(frame):
    """The keyboard on the size picker is on its selected tab, and follows the arrows."""
    choose_kind(frame, "World Board")  # a click, which gives the window the keyboard back
    tab = focus_until("the selected size tab", lambda node: node.getRoleName() == "page tab")
    if not report(tab is not None and tab.getState().contains(pyatspi.STATE_SELECTED),
                  f"Tab to the sizes puts the focus on the selected size's tab: {tab and describe(tab)}", ""):
        return
    focus_events.clear()
    press("Right")
    moved = next_focus("the next size's tab", lambda node: node.getRoleName() == "page tab")
    report(moved is not None and moved.name != tab.name and moved.getState().contains(pyatspi.STATE_SELECTED),
           f"Right selects the next size, and the focus event names it: {moved and describe(moved)}", "")
    press("Left")
    pump(0.5)


def check_period(frame):
    """The periods are a group of radio buttons named Period, entered at the checked one."""
    choose_kind(frame, "Progress")
    group = wait_for("the period group", lambda: next(
        (node for node in walk(frame) if node.name == "Period" and node.getRoleName() == "panel" and showing(node)),
        None))
    members = [(child.getRoleName(), child.name, child.getState().contains(pyatspi.STATE_CHECKED))
               for child in group] if group else []
    if not report(len(members) == 4 and all(role == "radio button" for role, _, _ in members)
                  and sum(checked for _, _, checked in members) == 1,
                  f"the periods are four radio buttons, one checked, in a group named Period: {members}", members):
        return
    checked = next(name for _, name, on in members if on)
    entered = focus_until("the period", lambda node: node.getRoleName() == "radio button"
                          and node.parent is not None and node.parent.name == "Period")
    report(entered is not None and entered.name == checked,
           f"Tab enters the group at the checked period, {checked}: {entered and describe(entered)}", "")
    focus_events.clear()
    press("Right")
    moved = next_focus("the next period", lambda node: node.getRoleName() == "radio button")
    report(moved is not None and moved.name != checked and moved.getState().contains(pyatspi.STATE_CHECKED),
           f"Right checks the next period, which takes the focus: {moved and describe(moved)}", "")


def check_quiet_lists(frame):
    """Choosing a display in the sidebar rebuilds the settings: no focus event may come from them."""
    choose_kind(frame, "Clock")
    pump(1)
    focus_events.clear()
    choose_kind(frame, "World Board")
    pump(2)
    elsewhere = [describe(node) for node in focus_events
                 if not any(ancestor.name == "Widgets" for ancestor in ancestors(node))]
    report(not elsewhere, "going back to the world board, the focus events stay in the sidebar", elsewhere)


def check_popover_returns_keyboard(frame):
    search = open_popover(frame, "World Board", "Add City", "the keyboard in the city search",
                          lambda node: node.getRoleName() == "text")
    if search is None:
        return
    popover = top_window(search)
    report(popover.getRoleName() == "dialog", f"the popover is a dialog: {describe(popover)}", describe(popover))
    focus_events.clear()
    press("Escape")
    back = next_focus("the keyboard back on Add City", lambda node: node.getRoleName() == "push button")
    report(back is not None and back.name == "Add City",
           f"Escape gives the keyboard back to the button that opened it: {back and describe(back)}", "")


def check_board_change_is_told(frame):
    """A city added by the picker is said, and the card's text changes for screen readers as it does."""
    text_events.clear()
    shown_notifications.clear()
    search = open_popover(frame, "World Board", "Add City", "the keyboard in the city search",
                          lambda node: node.getRoleName() == "text")
    if search is None:
        return
    results = wait_for("the results list", lambda: next(
        (node for node in walk(top_window(search)) if node.getRoleName() == "list" and node.name == "Cities"), None))
    report(results is not None and results.description.endswith("cities"),
           f"the results list says how many cities it holds: {results and results.description!r}", "")
    focus_events.clear()
    press("Down")
    first = next_focus("the first result", lambda node: node.getRoleName() in ("list item", "table cell"))
    report(first is not None and first.getIndexInParent() == 0,
           f"Down from the search goes to the first result: {first and describe(first)}", "")
    focus_events.clear()
    press("Return")
    back = next_focus("the keyboard back on Add City", lambda node: node.getRoleName() == "push button")
    report(back is not None and back.name == "Add City",
           f"picking a city gives the keyboard back to Add City: {back and describe(back)}", "")
    told = wait_for("the change to be said", lambda: [name for name in shown_notifications if "added" in name])
    report(bool(told), f"the new city is said: {told}", shown_notifications)
    # The clock's times in 12-hour time: the card's every row changes.
    toggle = wait_for("the 24-hour switch", lambda: find_showing(frame, "check box", "24-hour"))
    if toggle is not None:
        # Pressed as a screen reader presses it, not where the pointer might miss it on a busy machine.
        text_events.clear()
        toggle.queryAction().doAction(0)
        changed = wait_for("the card's text to change",
                           lambda: [text for source, text in text_events if source.getRoleName() == "label"])
        report(bool(changed), f"the card's new text comes as a change of text: {changed and changed[-1]}",
               [(describe(source), text) for source, text in text_events[-3:]])
        toggle.queryAction().doAction(0)


def check_date_button(frame):
    choose_kind(frame, "Countdown")
    button = wait_for("the date button", lambda: next(
        (node for node in walk(frame) if node.getRoleName() == "push button" and showing(node)
         and "Date" in labels_of(node)), None))
    report(button is not None and not button.name.startswith("Date"),
           f"the date button is labelled Date and named by its date alone: {button and describe(button)}", "")


def check_keys(frame):
    """Return presses a button, F10 opens the menus, full view keeps the keyboard in sight."""
    choose_kind(frame, "World Board")
    button = focus_until("Add to Desktop", lambda node: node.name == "Add to Desktop", key="shift+Tab")
    if button is not None:
        focus_events.clear()
        press("Return")
        inside = next_focus("the how-to popover", lambda node: top_window(node).getRoleName() == "dialog")
        report(inside is not None, f"Return on Add to Desktop opens its popover: {inside and describe(inside)}", "")
        press("Escape")
        pump(0.5)
    focus_events.clear()
    press("F10")
    menu = next_focus("the menu bar", lambda node: node.getRoleName() in ("menu", "menu item"))
    report(menu is not None, f"F10 opens the menu bar: {menu and describe(menu)}", focus_events)
    press("Escape")
    press("Escape")
    pump(0.5)
    focus_events.clear()
    press("ctrl+shift+f")
    first = next_focus("a control in full view", lambda node: True)
    pump(1.5)  # the stage's bar slides away
    events = ([first] if first else []) + focus_events
    sight = events[-1] if events else None
    report(sight is not None and showing(sight) and sight.name == "Exit Full View",
           f"full view puts the keyboard on Exit Full View, and only there: {sight and describe(sight)}",
           [describe(node) for node in events])
    press("Escape")
    pump(0.5)


def check_log_clean():
    with open(os.environ["QUILLON_STUDIO_LOG"], errors="replace") as log:
        warnings = [line.strip() for line in log if "QAccessible" in line or "Fix my children" in line]
    report(not warnings, "the studio's log has no accessibility warnings", warnings[:5])


def check_placed_widget(host):
    """A placed widget is a window named with what it shows; the gallery lists it with its buttons."""
    placed = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=com.quillon.WidgetHost",
                             "/com/quillon/WidgetHost", "com.quillon.WidgetHost.PlaceWidget",
                             "string:DotClock", "string:systemSmall"], capture_output=True, text=True, timeout=60)
    if not report("boolean true" in placed.stdout, "the widget host places a clock", placed.stdout + placed.stderr):
        return
    def host_windows():
        return [child for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "Quillon Widgets"
                for child in app if child is not None]
    window = wait_for("the clock's window", lambda: next(
        (child for child in host_windows() if child.name.startswith("Clock: ")), None))
    report(window is not None and window.getRoleName() in ("window", "frame") and len(window.name) > len("Clock: "),
           f"the clock is a window named with what it shows: {window and describe(window)}",
           [describe(child) for child in host_windows()])
    process = subprocess.Popen([host, "--gallery"], stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
    try:
        gallery = wait_for("the gallery window", lambda: application_window("Quillon Widgets", "frame", "Edit Widgets"))
        if not report(gallery is not None, "the gallery opens", "no such frame"):
            return
        listed = wait_for("the list of placed widgets", lambda: next(
            (node for node in walk(gallery) if node.getRoleName() == "list" and node.name == "Placed Widgets"
             and node.childCount == 1 and node[0].name.startswith("Clock, Small")), None))
        report(listed is not None,
               f"the gallery lists the clock by name, size and what it shows: {listed and listed[0].name}",
               [describe(node) for node in walk(gallery) if node.getRoleName() == "list"])
        buttons = [node.name for node in walk(gallery) if node.getRoleName() == "push button" and showing(node)]
        report(all(name in buttons for name in ("Edit Widget…", "Size", "Remove Widget")),
               "with buttons to edit, resize and remove it", buttons)
    finally:
        process.terminate()
        process.wait(timeout=20)


def main():
    render, host = sys.argv[1], sys.argv[2]
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(on_text_inserted, "object:text-changed:insert")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
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
    check_size_tabs(frame)
    check_period(frame)
    check_quiet_lists(frame)
    check_popover_returns_keyboard(frame)
    check_board_change_is_told(frame)
    check_date_button(frame)
    check_keys(frame)
    check_log_clean()
    check_gallery(host)
    check_placed_widget(host)

    print(f"{failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
