#!/usr/bin/python3
"""What Orca says, read from its debug file, for tests run inside orca_session.sh.

Orca writes every string it sends to speech as one debug line (a string with line breaks goes on,
after each break, on a line indented by 18 spaces):

    22:35:18.950403 - SPEECH OUTPUT: 'Add to Desktop push button.'{'established': False}
    22:35:18.892142 - SPEECH OUTPUT: 'tab ' {'established': False}      (a key echo)
    HH:MM:SS.ffffff - SPEECH OUTPUT: 'A' voice=uppercase{...}          (another voice; form
                                                                         taken from orca/speech.py)

The text is not escaped: it may hold quotes. After its closing quote come, in this order, an
optional " voice=NAME", a space for a key or character echo (none for anything else), and the voice
as a Python dict. Only the standard library and xdotool are used.

Functions:
  wait_until_ready(deadline)   Orca has started and listens; False (and what was seen) if not
  press(key)                   one key or chord through xdotool, e.g. "Tab", "ctrl+comma"
  focus_window(name, deadline) gives the keyboard to the first visible window whose title matches
  spoken_after(action, settle=1.0, deadline=10)
                               runs action() and returns the strings Orca spoke because of it

"""
import ast
import os
import re
import subprocess
import sys
import time
from collections import namedtuple

Utterance = namedtuple("Utterance", "time text voice echo")

_START = re.compile(r"^(?:(\d\d:\d\d:\d\d\.\d{6}) - )?SPEECH OUTPUT: '")
_TAIL = re.compile(r"^(?: voice=(\S+?))?( ?)(\{.*\})$")
_CONTINUATION = " " * 18
_POLL = 0.05


def debug_file():
    path = os.environ.get("ORCA_DEBUG_FILE")
    if not path:
        raise RuntimeError("ORCA_DEBUG_FILE is not set: run this inside orca_session.sh")
    return path


def _split_tail(body):
    """Splits "<text>'<tail>" at the quote that closes the text: the rightmost quote followed by a
    well-formed tail. Returns (text, voice, echo) or None when the body has no tail yet."""
    index = body.rfind("'")
    while index >= 0:
        match = _TAIL.match(body[index + 1:])
        if match:
            try:
                ast.literal_eval(match.group(3))
            except (ValueError, SyntaxError):
                pass
            else:
                return body[:index], match.group(1), match.group(2) == " "
        index = body.rfind("'", 0, index)
    return None


def parse(lines, leftover=None):
    """The utterances in complete debug lines (without their line ends). With a list as leftover, a
    string with line breaks cut off at the end of lines is not reported but put in leftover, to be
    read again with the lines that follow."""
    utterances = []
    index = 0
    while index < len(lines):
        first = index
        start = _START.match(lines[index])
        index += 1
        if not start:
            continue
        body = lines[first][start.end():]
        split = _split_tail(body)
        # A string with line breaks: its further lines are indented by 18 spaces.
        while split is None and index < len(lines) and lines[index].startswith(_CONTINUATION):
            body += "\n" + lines[index][len(_CONTINUATION):]
            index += 1
            split = _split_tail(body)
        if split is None:
            if leftover is not None and index == len(lines):
                leftover[:] = lines[first:]
                break
            print(f"orca_speech: cannot read the speech line {body[:200]!r}")
            continue
        text, voice, echo = split
        utterances.append(Utterance(start.group(1), text, voice, echo))
    return utterances


class DebugFile:
    """Reads a growing debug file from an offset, complete lines only."""

    def __init__(self, path=None, offset=None):
        self.path = path or debug_file()
        self.offset = os.path.getsize(self.path) if offset is None else offset
        # The offset may fall inside a line still being written: skip to the next line's start.
        self._skip_partial = self.offset > 0 and not self._at_line_start()

    def _at_line_start(self):
        with open(self.path, "rb") as handle:
            handle.seek(self.offset - 1)
            return handle.read(1) == b"\n"

    def new_lines(self):
        with open(self.path, "rb") as handle:
            handle.seek(self.offset)
            data = handle.read()
        end = data.rfind(b"\n")
        if end < 0:
            return []
        chunk = data[:end + 1]
        self.offset += len(chunk)
        lines = chunk.decode("utf-8", errors="replace").split("\n")[:-1]
        if self._skip_partial:
            lines = lines[1:]
            self._skip_partial = False
        return lines


def wait_until_ready(deadline=30):
    """Polls Orca's debug file until Orca has entered its event loop. Returns True, or prints what it
    saw and returns False when the deadline passes or Orca has quit."""
    path = debug_file()
    pid = int(os.environ.get("ORCA_PID", "0"))
    end = time.monotonic() + deadline
    text = ""
    while True:
        try:
            with open(path, encoding="utf-8", errors="replace") as handle:
                text = handle.read()
        except FileNotFoundError:
            text = ""
        if "ORCA: Starting registry" in text:
            return True
        alive = pid == 0 or os.path.exists(f"/proc/{pid}")
        if not alive or time.monotonic() > end:
            why = "Orca quit" if not alive else f"waited {deadline} s for Orca to start"
            print(f"orca_speech: {why}; the end of its debug file:")
            print("\n".join(text.splitlines()[-15:]) or "  (empty)")
            return False
        time.sleep(_POLL)


def press(key):
    """Presses a key or chord (xdotool names: Tab, shift+Tab, Return, ctrl+comma) in the focused window."""
    subprocess.run(["xdotool", "key", key], check=True, timeout=10)


def focus_window(name, deadline=20):
    """Waits for a visible window whose title matches the regular expression name and gives it the
    keyboard. Returns its X id, or None (after printing what was seen).

    The window manager is asked to activate it (xdotool windowactivate), as a click on it would;
    a window it has just mapped need not have the keyboard yet, and Orca hears nothing until Qt
    sees the window active."""
    end = time.monotonic() + deadline
    seen = "nothing"
    window = None
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True, timeout=10)
        ids = found.stdout.split()
        if ids:
            window = ids[0]
            subprocess.run(["xdotool", "windowactivate", window], timeout=10)
            focused = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True, text=True,
                                     timeout=10).stdout.strip()
            if focused == window:
                return int(window)
            seen = f"window {window} found, the focus is on {focused}"
        else:
            seen = f"no visible window named like {name!r}"
        time.sleep(0.2)
    print(f"orca_speech: waited {deadline} s to focus a window named like {name!r}; last saw: {seen}")
    return None


def spoken_after(action, settle=1.0, deadline=10, echoes=False):
    """Runs action() and returns the strings Orca spoke after it: polls the debug file until Orca has
    said something and then nothing more for settle seconds. Prints what it saw when nothing was
    said within deadline seconds, or when speech had not settled by then (and returns what it has).
    Key and character echoes are left out unless echoes is true."""
    reader = DebugFile()
    action()
    begin = time.monotonic()
    end = begin + deadline
    spoken = []
    other = []
    last = None
    leftover = []
    while True:
        lines = leftover + reader.new_lines()
        leftover = []
        now = time.monotonic()
        utterances = [u for u in parse(lines, leftover) if echoes or not u.echo]
        if utterances:
            spoken += [u.text for u in utterances]
            last = now
        else:
            other += lines
        if last is not None and now - last >= settle:
            return spoken
        if now > end:
            if spoken:
                print(f"orca_speech: speech had not settled {deadline} s after the action; so far: {spoken}")
            else:
                print(f"orca_speech: Orca said nothing within {deadline} s of the action; "
                      f"{len(other)} other debug lines, the last of them:")
                print("\n".join(line[:200] for line in other[-10:]) or "  (none)")
            return spoken
        time.sleep(_POLL)
