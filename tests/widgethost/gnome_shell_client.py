#!/usr/bin/python3
"""A pointer and the window list under GNOME Shell, for the tests: Mutter's remote desktop moves the
pointer and presses its buttons, and the Shell's introspection lists the windows it shows. Both on
one connection to the session bus: Mutter takes a remote desktop session's input only from the
connection that made it, and the Shell answers GetWindows only to the owner of its portal's name.

Usage: gnome_shell_client.py, then lines on standard input:
  by DX DY                 the pointer by DX,DY (relative motion, as a mouse moves it)
  press left|right | release left|right
  keys KEY...              presses the keys in order and lets go of them in reverse (Alt_L F4 closes a window)
  windows                  a line per window: "window ID" and its properties, as "key=value"
  quit
Prints "ready" once it can, or "error: …"; answers each line with "ok" or "error: …".
"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

BUTTONS = {"left": 0x110, "right": 0x111}  # BTN_LEFT, BTN_RIGHT (linux/input-event-codes.h)
KEYSYMS = {"Alt_L": 0xFFE9, "F4": 0xFFC1, "Escape": 0xFF1B, "Return": 0xFF0D}
PORTAL_NAME = "org.freedesktop.impl.portal.desktop.gnome"


def call(bus, name, path, interface, method, arguments=None, reply=None):
    result = bus.call_sync(name, path, interface, method, arguments,
                           GLib.VariantType(reply) if reply else None, Gio.DBusCallFlags.NONE, 10000, None)
    return result.unpack() if result is not None else None


def start():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    owned = call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                 GLib.Variant("(su)", (PORTAL_NAME, 4)), "(u)")[0]  # DO_NOT_QUEUE
    if owned != 1:
        raise RuntimeError(f"could not own {PORTAL_NAME} (RequestName answered {owned})")
    session = call(bus, "org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop",
                   "org.gnome.Mutter.RemoteDesktop", "CreateSession", None, "(o)")[0]
    call(bus, "org.gnome.Mutter.RemoteDesktop", session, "org.gnome.Mutter.RemoteDesktop.Session", "Start")
    return bus, session


def answer(bus, session, words):
    def session_call(method, arguments):
        call(bus, "org.gnome.Mutter.RemoteDesktop", session, "org.gnome.Mutter.RemoteDesktop.Session", method,
             arguments)

    if words[0] == "by" and len(words) == 3:
        session_call("NotifyPointerMotionRelative", GLib.Variant("(dd)", (float(words[1]), float(words[2]))))
    elif words[0] in ("press", "release") and len(words) == 2 and words[1] in BUTTONS:
        session_call("NotifyPointerButton", GLib.Variant("(ib)", (BUTTONS[words[1]], words[0] == "press")))
    elif words[0] == "keys" and len(words) > 1 and all(key in KEYSYMS for key in words[1:]):
        for key in words[1:]:
            session_call("NotifyKeyboardKeysym", GLib.Variant("(ub)", (KEYSYMS[key], True)))
        for key in reversed(words[1:]):
            session_call("NotifyKeyboardKeysym", GLib.Variant("(ub)", (KEYSYMS[key], False)))
    elif words == ["windows"]:
        windows = call(bus, "org.gnome.Shell", "/org/gnome/Shell/Introspect", "org.gnome.Shell.Introspect",
                       "GetWindows", None, "(a{ta{sv}})")[0]
        for identity, properties in sorted(windows.items()):
            shown = " ".join(f"{key}={str(value)!r}" for key, value in sorted(properties.items()))
            print(f"window {identity} {shown}")
    else:
        raise ValueError(f"unknown command {' '.join(words)[:80]!r}")


def main():
    try:
        bus, session = start()
    except (GLib.Error, RuntimeError) as error:
        print(f"error: {error}", flush=True)
        return 1
    print("ready", flush=True)
    for line in sys.stdin:
        words = line.split()
        if words == ["quit"]:
            break
        try:
            answer(bus, session, words or [""])
            print("ok", flush=True)
        except (GLib.Error, ValueError) as error:
            print(f"error: {error}", flush=True)
    try:
        call(bus, "org.gnome.Mutter.RemoteDesktop", session, "org.gnome.Mutter.RemoteDesktop.Session", "Stop")
    except GLib.Error:
        pass  # the Shell has ended, and the session with it
    return 0


if __name__ == "__main__":
    sys.exit(main())
