#!/usr/bin/python3
"""Stands in for the studio on the session bus: owns com.quillon.Quillon and writes each link its
org.freedesktop.Application.Open is given to FILE, a line each, as the call comes, and to FILE.tokens
a line for each call: the activation token it came with, or "-".

Usage: studio_stub.py FILE   (prints "ready" once it owns the name)
"""
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

INTERFACE = """
<node>
  <interface name="org.freedesktop.Application">
    <method name="Activate"><arg type="a{sv}" direction="in"/></method>
    <method name="Open">
      <arg type="as" direction="in"/><arg type="a{sv}" direction="in"/>
    </method>
    <method name="ActivateAction">
      <arg type="s" direction="in"/><arg type="av" direction="in"/><arg type="a{sv}" direction="in"/>
    </method>
  </interface>
</node>
"""

record = sys.argv[1]
loop = GLib.MainLoop()


def called(connection, sender, path, interface, method, arguments, invocation):
    if method == "Open":
        links, platform_data = arguments.unpack()
        with open(record + ".tokens", "a", encoding="utf-8") as tokens:
            tokens.write((platform_data.get("activation-token") or "-") + "\n")
        with open(record, "a", encoding="utf-8") as opened:
            for link in links:
                opened.write(link + "\n")
    invocation.return_value(None)


def acquired(connection, name):
    print("ready", flush=True)


def lost(connection, name):
    print(f"could not own {name} on the session bus", flush=True)
    loop.quit()


def connected(connection, name):
    node = Gio.DBusNodeInfo.new_for_xml(INTERFACE)
    connection.register_object("/com/quillon/Quillon", node.interfaces[0], called, None, None)


Gio.bus_own_name(Gio.BusType.SESSION, "com.quillon.Quillon", Gio.BusNameOwnerFlags.NONE, connected, acquired, lost)
loop.run()
