#!/usr/bin/env bash
# The widget host and the studio as the session bus starts them: with PATH=/usr/bin:/bin, which
# lacks the folder they are installed in, as on a desktop whose bus was started before the user's
# PATH was set. The studio asks the bus for a widget, the bus starts the host from its service file,
# and a click on the widget opens the studio on its display, the bus starting it the same way. And
# with the host missing, failing to start or without its plug-in, the answer says why.
# Usage: bus_started_session_test.sh path/to/quillon-widgets path/to/quillon path/to/liblampwork.so
set -u
source "$(dirname "$0")/../support/checks.sh"
source "$(dirname "$0")/../support/read_only_folder.sh"
limit=150
if [[ -z "${QUILLON_BUS_TEST_INSIDE:-}" ]]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  # An installed copy: programs in bin, the plug-in where the host looks for it, under a folder
  # that is on no PATH.
  mkdir -p "$work/install/bin" "$work/install/lib/quillon/widgets" "$work/bare/bin" "$work/config" "$work/data/dbus-1/services"
  cp "$1" "$2" "$work/install/bin/"
  cp "$3" "$work/install/lib/quillon/widgets/"
  cp "$1" "$work/bare/bin/"
  # Everything but these is left out of the session's environment, as a bus started at login has it.
  # Each X session test looks for a free display from a number of its own: two "xvfb-run -a" started
  # at once take the same first free number, and one's programs then meet the other's server.
  within_limit "$limit" "the bus-started session test" env -i HOME="$work" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    QUILLON_BUS_TEST_INSIDE=1 QUILLON_TEST_WORK="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_RUNTIME_DIR="$work" TZDIR="${TZDIR:-}" \
    xvfb-run -a -n 150 -s "-noreset -screen 0 1280x800x24" dbus-run-session -- "$0" 2>&1 | grep -v 'fd limit'
  exit "${PIPESTATUS[0]}"
fi

work=$QUILLON_TEST_WORK
services=$XDG_DATA_HOME/dbus-1/services
wait_budget_end=$(($(now_us) + 120 * 1000000))
bounded() { timeout --foreground 10 "$@" </dev/null; }
# service NAME PROGRAM: the bus starts NAME by running PROGRAM, named by its full path.
service() { printf '[D-BUS Service]\nName=%s\nExec=%s\n' "$1" "$2" >"$services/$1.service"; }
place() {
  timeout --foreground 40 dbus-send --session --print-reply --reply-timeout=35000 --dest=com.quillon.WidgetHost \
    /com/quillon/WidgetHost com.quillon.WidgetHost.PlaceWidget string:DotClock string:systemSmall </dev/null 2>&1
}
# answer_is BOOLEAN PATTERN: the answer to placing a clock, and whether it is that, in those words.
answer_is() {
  local reply
  reply=$(place)
  echo "$reply"
  [[ $reply == *"boolean $1"* ]] && grep -qE "$2" <<<"$reply"
}
owner_pid() {
  bounded dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID \
    "string:$1" 2>/dev/null | awk '/uint32/ {print $2}'
}
stop_owner() {
  local pid
  pid=$(owner_pid "$1")
  [[ -n $pid ]] && kill "$pid" && wait_until "$1 to end" 15 "kill -0 $pid 2>/dev/null && echo running; ! kill -0 $pid 2>/dev/null"
}

echo "PATH=$PATH"
# No service at all: the bus says so, and so does the answer.
# replies_with PATTERN: the answer to placing a clock, and whether it matches.
replies_with() {
  local reply
  reply=$(place)
  echo "$reply"
  grep -qE "$1" <<<"$reply"
}
check "with no host installed, the bus's answer is an error" "replies_with org.freedesktop.DBus.Error.ServiceUnknown"
# A host without its plug-in answers, saying what is missing.
service com.quillon.WidgetHost "$work/bare/bin/quillon-widgets"
check "a host without its plug-in says so" "answer_is false 'No widget plug-in is installed in .*/bare/lib/quillon/widgets'"
stop_owner com.quillon.WidgetHost

service com.quillon.WidgetHost "$work/install/bin/quillon-widgets"
service com.quillon.Quillon "$work/install/bin/quillon"
check "the bus starts the host, which places the clock and says where" \
  "answer_is true 'Placed the .* widget on your desktop, .* of screen'"

clock_window() {
  local window
  for window in $(bounded xwininfo -root -children | grep -o '0x[0-9a-f]*' | tail -n +2); do
    bounded xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -q BELOW && echo "$window"
  done | head -n 1
}
shown() {
  window=$(clock_window)
  echo "the clock's window: [${window:-none}] $(bounded xwininfo -id "${window:-0}" 2>&1 | grep 'Map State')"
  [[ -n $window ]] && bounded xwininfo -id "$window" | grep -q IsViewable
}
record=$XDG_CONFIG_HOME/quillon/studio.v1
opened_on_clock() {
  echo "studio owner: [$(owner_pid com.quillon.Quillon)] record: $(head -c 300 "$record" 2>&1)"
  grep -qE '"kind" *: *"clock"' "$record" 2>/dev/null
}
if check "the clock's window is shown" shown 20; then
  window=$(clock_window)
  read -r left top < <(bounded xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')
  bounded xdotool mousemove --sync $((left + 80)) $((top + 80)) click 1
  check "a click on it starts the studio over the bus, on the clock" opened_on_clock 40
fi
stop_owner com.quillon.Quillon
stop_owner com.quillon.WidgetHost

# The studio in a settings folder that may not be written: it shows the saved settings, a change is
# not saved and the reason is said, and once the folder may be written the next change is saved,
# without a restart.
folder=$XDG_CONFIG_HOME/quillon
# open_link LINK: Open(as, a{sv}) on the studio, which dbus-send cannot call.
open_link() {
  bounded /usr/bin/python3 -c 'import sys
from gi.repository import Gio, GLib
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
bus.call_sync("com.quillon.Quillon", "/com/quillon/Quillon", "org.freedesktop.Application", "Open",
              GLib.Variant("(asa{sv})", ([sys.argv[1]], {})), None, 0, 10000, None)' "$1" 2>&1
}
studio_owned() {
  local reply
  reply=$(bounded dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:com.quillon.Quillon 2>&1)
  echo "studio's name owned: ${reply##*$'\n'}"
  [[ $reply == *'boolean true'* ]]
}
record_kind_is() {
  echo "record: $(head -c 300 "$record" 2>&1)"
  grep -qE "\"kind\" *: *\"$1\"" "$record"
}
sed -i 's/"countdownTitle" *: *"[^"]*"/"countdownTitle":"Launch day"/' "$record"
saved=$(cat "$record")
if make_read_only "$folder"; then
  studio_log=$work/studio.log
  "$work/install/bin/quillon" 2>"$studio_log" </dev/null &
  studio=$!
  check "the studio in a read-only folder starts" studio_owned 30
  open_link quillon://widget/countdown
  # The log is on standard error where no journal is; where one is, the record's being unchanged
  # is what shows.
  [[ -S /run/systemd/journal/socket ]] ||
    check "a change is not saved, and the log says the folder is read-only" \
      "cat '$studio_log'; grep -q 'could not save the record: .*read-only' '$studio_log'" 15
  check_holds "and the record is as it was" 1 "[[ \$(cat '$record') == \"\$saved\" ]] && echo unchanged"
  make_writable "$folder"
  check "once the folder may be written, the next change is saved" \
    "open_link quillon://widget/sign >/dev/null; record_kind_is sign" 15
  check "with the settings it was started with" "grep -q 'Launch day' '$record'"
  kill "$studio"
  wait "$studio" 2>/dev/null
else
  echo "SKIPPED: the read-only folder round needs a user other than root, or root that may mount"
fi

# A host that cannot start: the answer gives the bus's reason.
service com.quillon.WidgetHost /bin/false
check "a host that cannot start is said to, with the bus's reason" "replies_with 'Spawn.ChildExited'"

echo "$failures failed"
exit $((failures > 0))
