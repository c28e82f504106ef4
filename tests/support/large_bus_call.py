#!/usr/bin/python3
"""Sends one method call whose first argument is a string of SIZE bytes, then pings the callee.

Usage: large_bus_call.py BUS_NAME PATH INTERFACE METHOD SIZE [MORE_STRING_ARGUMENTS...]
Prints what came back of each; exits 0 when the callee still answers the ping within 10 s.
"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

name, path, interface, method, size, *rest = sys.argv[1:]
bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
arguments = GLib.Variant("(" + "s" * (1 + len(rest)) + ")", ("x" * int(size), *rest))
try:
    reply = bus.call_sync(name, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, 60000, None)
    print(f"the call of {size} bytes was answered: {reply}")
except GLib.Error as error:
    print(f"the call of {size} bytes: {error.message}")
try:
    bus.call_sync(name, path, "org.freedesktop.DBus.Peer", "Ping", None, None, Gio.DBusCallFlags.NONE, 10000, None)
    print("and the ping after it was answered")
except GLib.Error as error:
    print(f"the ping after it was not answered: {error.message}")
    sys.exit(1)
