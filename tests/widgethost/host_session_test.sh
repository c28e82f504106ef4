#!/usr/bin/env bash
# quillon-widgets as a user's session runs it, under Xvfb on a private session bus: placing
# widgets over D-Bus gives windows of the family's size with the desktop-widget hints, they are
# kept in widgets.json with an autostart entry, the studio's reload signal reaches every widget,
# a click opens the widget's link through the desktop's URL handler, a second start ends at once,
# and a damaged file is moved aside. Usage: host_session_test.sh path/to/quillon-widgets
set -u
host=$1
if [[ -z "${QUILLON_HOST_TEST_INSIDE:-}" ]]; then
  export QUILLON_HOST_TEST_INSIDE=1
  export XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d)
  trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
  xvfb-run -a -s "-screen 0 1400x900x24" dbus-run-session -- "$0" "$host" 2>&1 | grep -v 'fd limit'
  exit "${PIPESTATUS[0]}"
fi

failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }
call() { dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost "com.quillon.WidgetHost.$1" "${@:2}"; }
wait_for_name() {
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:com.quillon.WidgetHost \
      | grep -q 'boolean true' && return 0
    sleep 0.1
  done
  return 1
}
widget_windows() {
  for window in $(xwininfo -root -children | grep -o '0x[0-9a-f]*' | tail -n +2); do
    xprop -id "$window" _NET_WM_STATE 2>/dev/null | grep -q BELOW && echo "$window"
  done
}

# The desktop's handler of quillon:// links is a stub that notes the link it was given.
opened=$XDG_CONFIG_HOME/opened-links
mkdir -p "$XDG_DATA_HOME/applications"
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$opened" >"$XDG_DATA_HOME/link-stub"
chmod +x "$XDG_DATA_HOME/link-stub"
printf '[Desktop Entry]\nType=Application\nName=Link stub\nExec=%s %%u\nMimeType=x-scheme-handler/quillon;\n' \
  "$XDG_DATA_HOME/link-stub" >"$XDG_DATA_HOME/applications/link-stub.desktop"
printf '[Default Applications]\nx-scheme-handler/quillon=link-stub.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"

log=$XDG_CONFIG_HOME/host.log
QT_LOGGING_RULES="quillon.widgets.timelines.info=true" "$host" 2>"$log" & pid=$!
check "the host takes its bus name" wait_for_name
check "a sign widget is placed" "call AddWidget string:DotSign string:systemMedium | grep -q 'boolean true'"
check "a clock widget is placed" "call AddWidget string:DotClock string:systemSmall | grep -q 'boolean true'"
check "an unknown widget is refused" "call AddWidget string:DotNothing string:systemSmall | grep -q 'boolean false'"
sleep 1
windows=$(widget_windows)
check "two widget windows" "[[ $(echo "$windows" | grep -c .) -eq 2 ]]"
sizes=$(for window in $windows; do xwininfo -id "$window" | awk '/Width|Height/ {printf "%s ", $2}'; echo; done | sort)
check "their sizes are the families' (164 x 164, 344 x 164)" "[[ \"$(echo $sizes)\" == '164 164 344 164' ]]"
for window in $windows; do
  state=$(xprop -id "$window" _NET_WM_STATE)
  check "window $window is below, sticky and out of the task bar and pager" \
    "[[ '$state' == *BELOW* && '$state' == *STICKY* && '$state' == *SKIP_TASKBAR* && '$state' == *SKIP_PAGER* ]]"
done
check "the widgets are kept" "[[ \$(grep -c '\"kind\"' '$XDG_CONFIG_HOME/quillon-widgets/widgets.json') -eq 2 ]]"
check "an autostart entry brings them back" "[[ -f '$XDG_CONFIG_HOME/autostart/com.quillon.WidgetHost.desktop' ]]"

# Every widget asks its plug-in for a new timeline within a second of the studio's signal.
asking_widgets() { tail -n "+$(($1 + 1))" "$log" | grep -o 'widget [0-9]* (' | sort -u | wc -l; }
before=$(wc -l <"$log")
dbus-send --session --type=signal /com/quillon/Lampwork com.quillon.Lampwork.Timelines.ReloadAllTimelines
sleep 1
check "the reload signal makes both widgets ask for a timeline within a second" "[[ \$(asking_widgets $before) -eq 2 ]]"

# A click (a press and release without moving) opens the widget's link.
clock_window=$(for window in $windows; do xwininfo -id "$window" | grep -q 'Width: 164' && echo "$window"; done)
read -r left top < <(xwininfo -id "$clock_window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}')
xdotool mousemove --sync $((left + 80)) $((top + 80)) click 1
for _ in $(seq 100); do [[ -s "$opened" ]] && break; sleep 0.1; done
check "a click on the clock opens its link with the desktop's handler" "grep -q '^quillon://widget/clock' '$opened'"

# A drag moves the widget, is kept, and opens nothing.
xdotool mousedown 1 mousemove --sync $((left + 100)) $((top + 100)) mousemove --sync $((left + 180)) $((top + 130)) mouseup 1
sleep 1
check "a drag moves the widget" "xwininfo -id '$clock_window' | grep -q 'Absolute upper-left X:  $((left + 100))'"
check "to a position that is kept" "grep -q '\"x\": *$((left + 100))' '$XDG_CONFIG_HOME/quillon-widgets/widgets.json'"
check "and opens no link" "[[ \$(wc -l <'$opened') -eq 1 ]]"

# It shows the gallery of the running host, which would cover the widgets for the click above.
check "a second start ends at once" "timeout 10 '$host'"

# The file is the host's to write: deleted or spoilt underneath it, the host runs on and writes it
# whole again with the next change.
rm -f "$XDG_CONFIG_HOME/quillon-widgets/widgets.json"
check "the host survives its file being deleted" "call AddWidget string:DotDay string:systemSmall | grep -q 'boolean true'"
check "and writes it again, whole" "[[ \$(grep -c '\"kind\"' '$XDG_CONFIG_HOME/quillon-widgets/widgets.json') -eq 3 ]]"
echo 'not json' >"$XDG_CONFIG_HOME/quillon-widgets/widgets.json"
check "the host survives its file being spoilt" "call AddWidget string:DotSign string:systemSmall | grep -q 'boolean true' && kill -0 $pid"
check "and writes it again, whole" "[[ \$(grep -c '\"kind\"' '$XDG_CONFIG_HOME/quillon-widgets/widgets.json') -eq 4 ]]"
kill "$pid"; wait "$pid" 2>/dev/null

echo '{"widgets": [ {"kind":' >"$XDG_CONFIG_HOME/quillon-widgets/widgets.json"
"$host" 2>"$XDG_CONFIG_HOME/stderr" & pid=$!
wait_for_name
check "a damaged file is moved aside" "[[ -f '$XDG_CONFIG_HOME/quillon-widgets/widgets.json.bad' ]]"
check "with one line on standard error" "grep -q 'widgets.json.bad' '$XDG_CONFIG_HOME/stderr'"
check "and the host runs with no widgets" "kill -0 $pid && [[ -z \"\$(widget_windows)\" ]]"
kill "$pid"; wait "$pid" 2>/dev/null

echo "$failures failed"
exit $((failures > 0))
