#!/usr/bin/python3
"""What Orca, the screen reader, says as a blind user goes through the studio and a placed widget
by keyboard alone: the sidebar, a size, the progress period, the menu bar; and in the widget host's
list of placed widgets, a widget's editor (its theme, a city checked) and its removal.

Runs inside orca_session.sh, which starts Orca and gives its debug file, where each spoken string
is a line. Each step presses keys and checks that what Orca said then holds the words a user needs
to hear (a control's label, role and state), and not words it must not say.

Usage: orca_session.sh -- orca_test.py QUILLON QUILLON-WIDGETS
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "support"))
from orca_speech import focus_window, press, spoken_after, wait_until_ready  # noqa: E402

failures = 0


def report(ok, what, said):
    global failures
    print(("ok: " if ok else "FAILED: ") + what)
    print(f"  Orca said: {said}")
    if not ok:
        failures += 1
    return ok


def heard(said, *words):
    text = " ".join(said)
    return all(word in text for word in words)


def step(what, keys, must=(), must_not=()):
    """Presses the keys in turn and checks what Orca said after the last."""
    for key in keys[:-1]:
        press(key)
        time.sleep(0.3)
    said = spoken_after(lambda: press(keys[-1]))
    text = " ".join(said)
    ok = bool(said) and all(word in text for word in must) and not any(word in text for word in must_not)
    report(ok, what, said)
    return said


def tab_until(what, condition, key="Tab", limit=20):
    """Presses the key until Orca says something condition() accepts; returns what it said then."""
    seen = []
    for _ in range(limit):
        said = spoken_after(lambda: press(key))
        seen.append(said)
        if condition(said):
            return said
    report(False, f"{key} reaches {what}", seen[-6:])
    return None


def call_host(method, *arguments):
    command = ["dbus-send", "--session", "--print-reply", "--dest=com.quillon.WidgetHost",
               "/com/quillon/WidgetHost", f"com.quillon.WidgetHost.{method}", *arguments]
    return subprocess.run(command, capture_output=True, text=True, timeout=30).stdout


def wait_for(what, probe, deadline=30):
    end = time.monotonic() + deadline
    seen = None
    while time.monotonic() < end:
        seen = probe()
        if seen:
            return seen
        time.sleep(0.2)
    print(f"  waited {deadline} s for {what}; last saw: {seen!r}"[:2000])
    return None


def studio_steps():
    said = spoken_after(lambda: focus_window(" Quillon$"), deadline=20)
    report(heard(said, "Widgets", "World Board"), "the studio opens on the sidebar, its list named Widgets", said)
    step("Down in the sidebar reads the next display", ["Down"], ["Clock"])
    step("and Up the one before", ["Up"], ["World Board"])

    size = tab_until("the size picker", lambda said: heard(said, "page tab"))
    if size is not None:
        report(heard(size, "Medium page tab"), "the size picker reads the chosen size as a tab", size)
        step("Right chooses the next size, read as a tab", ["Right"], ["Large page tab"], ["Medium"])
        press("Left")
        time.sleep(0.5)

    if tab_until("Add City", lambda said: heard(said, "Add City push button")) is not None:
        step("Return opens the city picker, read as a dialog with the keyboard in its search",
             ["Return"], ["Add City dialog", "Search cities or countries"])
        said = spoken_after(lambda: subprocess.run(["xdotool", "type", "--delay", "80", "paris"], timeout=20),
                            settle=1.5)
        report(heard(said, "1 city"), "typing a search, the number of cities found is said", said)
        step("Down reads the first city found", ["Down"], ["Paris"])
        step("Return adds it, says so, and is back on Add City without the window again",
             ["Return"], ["Paris added to the board", "Add City push button"], ["frame"])

    if tab_until("the sidebar", lambda said: heard(said, "World Board"), key="shift+Tab") is not None:
        step("the sidebar goes down to Progress", ["Down", "Down", "Down"], ["Progress"])
        period = tab_until("the period", lambda said: heard(said, "Period"))
        if period is not None:
            report(heard(period, "Period", "Year", "selected radio button"),
                   "Tab comes to the chosen period, named by its group and read as selected", period)
            step("Right chooses the next period, and only it is read", ["Right"], ["Day", "selected"],
                 ["not selected"])

    step("F10 opens the menu bar", ["F10"], ["File"])
    press("Escape")
    press("Escape")
    time.sleep(0.5)


def placed_widget_steps(host):
    placed = call_host("PlaceWidget", "string:WorldBoard", "string:systemMedium")
    if not report("boolean true" in placed, "a world board is placed on the desktop", placed):
        return
    subprocess.Popen([host, "--gallery"], stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
    listed = spoken_after(lambda: focus_window("^Edit Widgets"), deadline=30)
    if not report(heard(listed, "Placed Widgets", "World Board, Medium"),
                  "the gallery opens on the list of placed widgets, which reads the widget by name and size",
                  listed):
        return
    step("Tab goes to its Edit button", ["Tab"], ["Edit Widget", "push button"])
    editor = spoken_after(lambda: press("Return"), deadline=30)
    report(heard(editor, "Theme", "combo box", "Same as App"),
           "Return opens its editor, read by label and value from the first field", editor)
    step("Down chooses the next theme, which is read", ["Down"], ["Midnight"])
    press("Up")
    if tab_until("the editor's cities", lambda said: heard(said, "check box")) is not None:
        step("Space checks a city, and the check is read", ["space"], ["checked"], ["not checked"])
    press("Escape")
    # The editor's title is the widget's name and the program's; the studio's ends in "Quillon".
    gone = wait_for("the editor to close", lambda: not subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^World Board.*Widgets$"], capture_output=True, text=True,
        timeout=10).stdout.strip())
    report(bool(gone), "Escape closes the editor", "")
    focus_window("^Edit Widgets")
    tab_until("the Remove button", lambda said: heard(said, "Remove Widget"))
    press("Return")
    gone = wait_for("the widget to go", lambda: '"widgets":[]' in call_host("PlacedWidgets"))
    report(bool(gone), "Return on Remove Widget removes it", call_host("PlacedWidgets")[:300])


def main():
    studio_path, host = sys.argv[1], sys.argv[2]
    if not wait_until_ready(30):
        return 1
    session = os.environ["ORCA_SESSION_DIR"]
    host_log = open(os.path.join(session, "host.log"), "w")
    studio_log = open(os.path.join(session, "studio.log"), "w")
    widgets = subprocess.Popen([host], stdin=subprocess.DEVNULL, stdout=host_log, stderr=subprocess.STDOUT)
    studio = subprocess.Popen([studio_path], stdin=subprocess.DEVNULL, stdout=studio_log, stderr=subprocess.STDOUT)
    try:
        studio_steps()
        placed_widget_steps(host)
    finally:
        for program in (studio, widgets):
            program.terminate()
            try:
                program.wait(timeout=10)
            except subprocess.TimeoutExpired:
                program.kill()
        studio_log.close()
        host_log.close()
    with open(os.path.join(session, "studio.log"), errors="replace") as log:
        warnings = [line.strip() for line in log if "QAccessible" in line or "accessib" in line.lower()]
    report(not warnings, "the studio's log has no accessibility warnings", warnings[:5])
    print(f"{failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
