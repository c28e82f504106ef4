#!/usr/bin/env bash
# quillon-widgets as a user's session runs it, under Xvfb on a private session bus: placing
# widgets over D-Bus gives windows of the family's size with the desktop-widget hints, they are
# kept in widgets.json with an autostart entry, the studio's reload signal reaches every widget,
# a click opens the widget's link through the desktop's URL handler, a second start ends at once,
# the gallery and the editor are windows of the settings program, apart from the widgets' group,
# and the host keeps the settings it is sent for a widget, refusing what is no object, lists the
# widgets with what they show and resizes and removes them as that list asks,
# a widget that cannot be saved is refused with the reason, a read-only settings folder is read and
# nothing in it lost, a damaged file is moved aside, and a file of more widgets than the host keeps is
# kept whole aside. Usage: host_session_test.sh path/to/quillon-widgets
set -u
source "$(dirname "$0")/../support/checks.sh"
source "$(dirname "$0")/../support/read_only_folder.sh"
source "$(dirname "$0")/../support/widget_host_session.sh"
host=$1
limit=150
if [[ -z "${QUILLON_HOST_TEST_INSIDE:-}" ]]; then
  export QUILLON_HOST_TEST_INSIDE=1
  export XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d)
  trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT
  # Xvfb, the bus, this script's inner run and the host are one process group, stopped together.
  # Each X session test looks for a free display from a number of its own: two "xvfb-run -a" started
  # at once take the same first free number, and one's programs then meet the other's server.
  within_limit "$limit" "the session test" xvfb-run -a -n 110 -s "-noreset -screen 0 1400x900x24" dbus-run-session -- "$0" "$host" 2>&1 |
    grep -v 'fd limit'
  exit "${PIPESTATUS[0]}"
fi

wait_budget_end=$(($(now_us) + 120 * 1000000))

# No X or bus client may block the script: each gets a deadline, and no window id may be empty,
# as xwininfo and xprop wait for a mouse click to pick a window when given none. The deadlines run
# in the foreground, leaving the clients in the test's process group for the limit above to stop.
bounded() { timeout --foreground 10 "$@" </dev/null; }
window_info() { [[ -n $1 ]] || { echo "no window id"; return 1; }; bounded xwininfo -id "$1"; }
window_state() { [[ -n $1 ]] || { echo "no window id"; return 1; }; bounded xprop -id "$1" _NET_WM_STATE; }
name_owned() {
  local reply
  reply=$(timeout --foreground 10 dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:com.quillon.WidgetHost </dev/null 2>&1)
  echo "name owned: ${reply##*$'\n'}"
  [[ $reply == *'boolean true'* ]]
}
widget_windows() {
  local window
  for window in $(bounded xwininfo -root -children | grep -o '0x[0-9a-f]*' | tail -n +2); do
    window_state "$window" 2>/dev/null | grep -q BELOW && echo "$window"
  done
}
# widget_windows_are COUNT: the widget windows' ids, and whether there are that many.
widget_windows_are() {
  local windows
  windows=$(widget_windows)
  echo "widget windows: [$(echo $windows)]"
  [[ $(echo "$windows" | grep -c .) -eq $1 ]]
}
window_sizes() {
  local window
  for window in $(widget_windows); do
    window_info "$window" | awk '/Width|Height/ {printf "%s ", $2}'
    echo
  done | sort
}
sizes_are() {
  local sizes
  sizes=$(echo $(window_sizes))
  echo "sizes: [$sizes]"
  [[ $sizes == "$1" ]]
}
desktop_widget_hints() {
  local state
  state=$(window_state "$1")
  echo "$state"
  [[ $state == *BELOW* && $state == *STICKY* && $state == *SKIP_TASKBAR* && $state == *SKIP_PAGER* ]]
}
kept=$XDG_CONFIG_HOME/quillon/widgets.json
show_kept() { echo "$kept: $(head -c 1500 "$kept" 2>&1)"; }
# kept_widgets_are COUNT: the host's file holds that many widgets.
kept_widgets_are() {
  local count
  count=$(grep -c '"kind"' "$kept" 2>/dev/null)
  echo "${count:-no} widgets in $(show_kept)"
  [[ $count -eq $1 ]]
}
pid=
trap '[[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null' EXIT

install_link_stub

log=$XDG_CONFIG_HOME/host.log
QT_LOGGING_RULES="quillon.widgets.timelines.info=true" "$host" 2>"$log" </dev/null & pid=$!
if ! check "the host takes its bus name" "host_runs $pid && name_owned" 30; then
  echo "  the host's standard error: $(head -c 3000 "$log")"
  echo "1 failed, the rest not run"
  exit 1
fi
check "a sign widget is placed, and the answer says where" \
  "call_answers true PlaceWidget string:DotSign string:systemMedium | grep -E 'Placed the .* widget on your desktop, (top|middle|bottom|left|right).* of screen '"
check "a clock widget is placed" "call_answers true AddWidget string:DotClock string:systemSmall"
check "an unknown widget is refused" "call_answers false AddWidget string:DotNothing string:systemSmall"
check "two widget windows" "widget_windows_are 2" 30
check "their sizes are the families' (164 x 164, 344 x 164)" "sizes_are '164 164 344 164'" 15
windows=$(widget_windows)
for window in $windows; do
  check "window $window is below, sticky and out of the task bar and pager" "desktop_widget_hints $window" 15
done
check "the widgets are kept" "kept_widgets_are 2" 15
check "an autostart entry brings them back" "file_there '$XDG_CONFIG_HOME/autostart/com.quillon.WidgetHost.desktop'" 15

# Every widget asks its plug-in for a new timeline after the studio's signal: within a second on
# an idle machine, so the generous deadline only matters on a loaded one. The widgets' first asks
# come before the signal, so that they cannot pass for answers to it.
check "both widgets ask for their first timeline" "asking_widgets 0 2" 20
before=$(wc -l <"$log")
bounded dbus-send --session --type=signal /com/quillon/Lampwork com.quillon.Lampwork.Timelines.ReloadAllTimelines
check "the reload signal makes both widgets ask for a timeline" "asking_widgets $before 2" 20

# A click (a press and release without moving) opens the widget's link.
clock_window=$(for window in $windows; do window_info "$window" | grep -q 'Width: 164' && echo "$window"; done)
# The window has its hints before it is mapped; a click before then would land on the desktop.
clock_shown() {
  local state
  state=$(window_info "$clock_window" | grep 'Map State')
  echo "windows: [$(echo $windows)], the clock's: [$(echo $clock_window)], ${state:-no map state}"
  [[ $clock_window =~ ^0x[0-9a-f]+$ && $state == *IsViewable* ]]
}
clock_place() { window_info "$clock_window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x, $4}'; }
# clock_at X: where the clock's window is, and whether it is at that X.
clock_at() {
  local at
  at=$(clock_place)
  echo "the clock is at ${at:-?}, was at $left $top"
  [[ ${at%% *} == "$1" ]]
}
check "the clock's window is shown" clock_shown 15
read -r left top < <(clock_place)
if check "and its place is known" "echo \"at \${left:-?} \${top:-?}\"; [[ \${left:-} =~ ^-?[0-9]+$ && \${top:-} =~ ^-?[0-9]+$ ]]"; then
  bounded xdotool mousemove --sync $((left + 80)) $((top + 80)) click 1
  check "a click on the clock opens its link with the desktop's handler" "links; grep -q '^quillon://widget/clock' '$opened'" 20

  # A drag moves the widget, is kept, and opens nothing.
  bounded xdotool mousedown 1 mousemove --sync $((left + 100)) $((top + 100)) mousemove --sync $((left + 180)) $((top + 130)) mouseup 1
  check "a drag moves the widget" "clock_at $((left + 100))" 15
  check "to a position that is kept" "show_kept; grep -q '\"x\": *$((left + 100))' '$kept'" 15
  # A link opened by mistake would come about as late as the click's did: within a second when idle.
  check_holds "and opens no link" 1 "links; [[ \$(wc -l <'$opened') -eq 1 ]]"
fi

# A second start ends at once: a plain one (a login that starts both the autostart entry and the
# user unit) quietly, the menu's (--gallery) with the running host's gallery, which would cover the
# widgets for the click above.
check "a second start ends at once" "timeout --foreground 30 '$host' </dev/null; status=\$?; echo \"exit status \$status (124: still running after 30 s)\"; ((status == 0))"
check_holds "and opens no gallery" 2 "windows=\$(bounded xdotool search --onlyvisible --name '^Edit Widgets' 2>/dev/null); echo \"gallery windows: [\$(echo \$windows)]\"; [[ -z \$windows ]]"
check "a second start from the menu ends at once" "timeout --foreground 30 '$host' --gallery </dev/null; status=\$?; echo \"exit status \$status (124: still running after 30 s)\"; ((status == 0))"

# The gallery that start asked for is a window of the settings program beside the host, not of the
# host: a window of the host's would share the widgets' window group, which window managers raise
# together, and keep in the host what it needs for as long as the host runs.
settings=$(dirname "$host")/quillon-widget-settings
gallery_windows() { bounded xdotool search --onlyvisible --name '^Edit Widgets' 2>/dev/null; }
# one_gallery: there is one gallery window, and which.
one_gallery() {
  local windows
  windows=$(gallery_windows)
  echo "gallery windows: [$(echo $windows)]"
  [[ $(echo "$windows" | grep -c .) -eq 1 ]]
}
window_pid() { [[ -n $1 ]] || { echo "no window id"; return 1; }; bounded xprop -id "$1" _NET_WM_PID | grep -o '[0-9]*$'; }
# window_groups WINDOW: the client leader and the window group the window names, which window
# managers raise and lower together.
window_groups() {
  [[ -n $1 ]] || { echo "no window id"; return 1; }
  echo "$(bounded xprop -id "$1" WM_CLIENT_LEADER | grep -o '0x[0-9a-f]*$')" \
    "$(bounded xprop -id "$1" WM_HINTS | sed -n 's/.*group leader: *//p')" \
    "$(bounded xprop -id "$1" WM_TRANSIENT_FOR | grep -o '0x[0-9a-f]*$')"
}
check "the gallery opens" one_gallery 30
gallery=$(gallery_windows | head -n 1)
gallery_pid=$(window_pid "$gallery")
check "in a process of the settings program's, not the host's" \
  "echo \"host $pid, the gallery's process ${gallery_pid:-?}: \$(readlink /proc/${gallery_pid:-0}/exe)\"; [[ -n '$gallery_pid' && '$gallery_pid' != '$pid' && \$(readlink /proc/${gallery_pid:-0}/exe) == */quillon-widget-settings ]]"
# groups_apart: no group, leader or owner of the gallery's is one of a widget window's.
groups_apart() {
  local gallery_groups window group
  read -r -a gallery_groups < <(window_groups "$gallery")
  echo "the gallery's leader and group: [${gallery_groups[*]}]"
  ((${#gallery_groups[@]} > 0)) || return 1
  for window in $(widget_windows); do
    echo "widget window $window: leader, group and owner [$(window_groups "$window")]"
    for group in $(window_groups "$window"); do
      [[ " ${gallery_groups[*]} " != *" $group "* ]] || return 1
    done
  done
}
check "and in a window group apart from the widgets'" groups_apart
call ShowGallery >/dev/null
check_holds "asked again, the host brings the same gallery forward" 2 \
  "one_gallery && [[ \$(window_pid \$(gallery_windows)) == '$gallery_pid' ]]"

# What the settings program asks of the host, by the ids it gives its widgets: its process id and
# the widget's number, the sign being the first placed.
sign=$pid-1
# answer_to BOOLEAN PATTERN METHOD ARGUMENTS...: the reply is that boolean, with the pattern in it.
answer_to() {
  local reply
  reply=$(call "${@:3}")
  echo "$reply"
  [[ $reply == *"boolean $1"* ]] && grep -q -- "$2" <<<"$reply"
}
check "the host describes a widget by its id" "answer_to true DotSign WidgetConfiguration string:$sign"
check "and knows no widget by an id it did not give" "answer_to false . WidgetConfiguration string:$pid-999"
check "it takes new settings for the widget" "answer_to true . SetWidgetConfiguration string:$sign 'string:{\"theme\": \"amber\"}'"
check "and keeps them" "show_kept; grep -q '\"theme\": \"amber\"' '$kept'" 15
deep=$(printf '{"a":%.0s' {1..40})1$(printf '}%.0s' {1..40})
for refused in 'not json' '[1, 2]' '"amber"' "$deep"; do
  check "it refuses settings that are no object it can keep: ${refused:0:20}" \
    "answer_to false 'configuration' SetWidgetConfiguration string:$sign 'string:$refused'"
done
check "and settings for an id it did not give" "answer_to false 'no widget' SetWidgetConfiguration string:$pid-999 'string:{}'"
check_holds "and keeps what it had" 1 "show_kept; grep -q '\"theme\": \"amber\"' '$kept' && ! grep -q '\"a\":' '$kept'"
check "the gallery's note is empty while nothing stands in the way" "reply=\$(call GalleryNote); echo \"\$reply\"; [[ \$reply == *'string \"\"'* ]]"

# The list of placed widgets that the gallery shows to the keyboard and screen readers: each widget by
# its id, name, size and what it shows now; and what it asks for, as the widget's menu does.
changes=$XDG_CONFIG_HOME/list-changes
dbus-monitor --session "type='signal',interface='com.quillon.WidgetHost',member='PlacedWidgetsChanged'" >"$changes" 2>&1 &
monitor=$!
wait_until "dbus-monitor to listen" 15 "grep -q NameAcquired '$changes'"
signalled() { grep -c 'member=PlacedWidgetsChanged' "$changes"; }
# listed PATTERN...: the host's list of placed widgets, and whether it has each pattern.
listed() {
  local reply pattern
  reply=$(call PlacedWidgets)
  echo "${reply:0:1500}"
  for pattern in "$@"; do
    [[ $reply == *"$pattern"* ]] || return 1
  done
}
check "the host lists the placed widgets by id, name and size, with what each shows" \
  "listed '\"family\":\"systemMedium\",\"id\":\"$sign\",\"name\":\"Sign\"' '\"id\":\"$pid-2\"' '\"editable\":true' && ! listed '\"text\":\"\"'"
check "a new size is taken" "answer_to true . SetWidgetSize string:$sign string:systemSmall"
check "and shown" "sizes_are '164 164 164 164'" 15
check "and listed" "listed '\"family\":\"systemSmall\",\"id\":\"$sign\"'" 15
check "a size the widget does not come in is refused" "answer_to false 'size' SetWidgetSize string:$sign string:huge"
check "a screen that is not there is refused" "answer_to false 'no screen' MoveWidget string:$sign string:nowhere"
call SetWidgetSize "string:$sign" string:systemMedium >/dev/null
check "a widget is placed" "call_answers true AddWidget string:DotDay string:systemSmall"
check "and listed" "listed '\"id\":\"$pid-3\"'" 15
before=$(signalled)
check "and removed" "answer_to true . RemoveWidget string:$pid-3"
check "and its window goes" "widget_windows_are 2" 15
check "and it is kept no more" "kept_widgets_are 2" 15
check "an id no widget has is refused" "answer_to false 'no widget' RemoveWidget string:$pid-3"
check "which is signalled for the list" "echo \"signals: \$(signalled), before the removal: $before\"; ((\$(signalled) > $before))" 15
kill "$monitor" 2>/dev/null

# The editor: asked of the settings program running, which shows it beside its gallery.
settings_windows() { bounded xdotool search --onlyvisible --pid "$gallery_pid" 2>/dev/null; }
settings_windows_are() {
  local windows
  windows=$(settings_windows)
  echo "windows of the settings program: [$(echo $windows)]"
  [[ $(echo "$windows" | grep -c .) -eq $1 ]]
}
check "a second start of the settings program hands the editor to the first and ends" \
  "timeout --foreground 30 '$settings' --edit '$sign' </dev/null; status=\$?; echo \"exit status \$status\"; ((status == 0))"
check "which shows the widget's editor" "settings_windows_are 2" 30
check "a bad id is refused at the start" "timeout --foreground 30 '$settings' --edit 'not an id' </dev/null; ((\$? == 2))"
kill "$gallery_pid" 2>/dev/null
wait_until "the settings program to end" 15 "! kill -0 $gallery_pid 2>/dev/null"

large_call=$(cd "$(dirname "$0")/../support" && pwd)/large_bus_call.py
# A call as large as the bus delivers (128 MiB at most) is answered, and the host goes on answering:
# from 63 MiB on, it used to hold its name and answer nothing more.
check "a call of 100 MiB is answered, and the host answers on" \
  "timeout --foreground 60 '$large_call' com.quillon.WidgetHost /com/quillon/WidgetHost com.quillon.WidgetHost AddWidget 104857600 systemSmall"

# The file is the host's to write: deleted or spoilt underneath it, the host runs on and writes it
# whole again with the next change.
rm -f "$kept"
check "the host survives its file being deleted" "call_answers true AddWidget string:DotDay string:systemSmall"
check "and writes it again, whole" "kept_widgets_are 3" 15
echo 'not json' >"$kept"
check "the host survives its file being spoilt" "call_answers true AddWidget string:DotSign string:systemSmall && host_runs $pid"
check "and writes it again, whole" "kept_widgets_are 4" 15
# A folder in the file's place cannot be replaced: a widget that would be lost at the next start is
# not placed, and the caller is told.
rm -f "$kept"
mkdir "$kept"
check "a widget that cannot be saved is refused" "call_answers false AddWidget string:DotClock string:systemSmall"
check "and the answer says why" "call_answers false PlaceWidget string:DotClock string:systemSmall | grep 'could not be saved: the system refused to write .*quillon (Is a directory)'"
check "with a line on standard error" "file_has 'cannot save' '$log'" 15
check_holds "and no window for it" 1 "widget_windows_are 4"
rmdir "$kept"

# A settings folder that may not be written: the widgets in it are shown, nothing is placed over
# them, and once it may be written again the next widget is kept beside all of them.
folder=$XDG_CONFIG_HOME/quillon
check "a widget with settings of its own is placed" "call_answers true AddWidget string:DotClock string:systemSmall"
sed -i '0,/"configuration": {}/s//"configuration": {"theme": "amber", "clockCity": "tokyo"}/' "$kept"
stop_host
wait_until "the bus name to be free" 15 "! name_owned"
before=$(cat "$kept")
if make_read_only "$folder"; then
  log=$XDG_CONFIG_HOME/read-only.log
  "$host" 2>"$log" </dev/null & pid=$!
  check "the host in a read-only folder takes its bus name" "host_runs $pid && name_owned" 30
  check "and shows every widget kept there" "widget_windows_are 5" 30
  check "a widget that cannot be kept is refused, saying the folder is read-only" \
    "call_answers false PlaceWidget string:DotDay string:systemSmall | grep 'could not be saved: the folder .* is read-only'"
  check_holds "and the file is as it was" 1 "[[ \$(cat '$kept') == \"\$before\" ]]"
  make_writable "$folder"
  check "once the folder may be written, the next widget is placed" "call_answers true PlaceWidget string:DotDay string:systemSmall"
  check "and kept beside every earlier one" "kept_widgets_are 6" 15
  check "with their own settings" "show_kept; grep -q '\"clockCity\": \"tokyo\"' '$kept'" 15
else
  echo "SKIPPED: the read-only folder round needs a user other than root, or root that may mount"
fi
stop_host
# The next host must not find the last one's name or windows still there.
wait_until "the bus name to be free" 15 "! name_owned"
wait_until "the widget windows to go" 15 "widget_windows_are 0"

echo '{"widgets": [ {"kind":' >"$kept"
log=$XDG_CONFIG_HOME/stderr
"$host" 2>"$log" </dev/null & pid=$!
check "the host with a damaged file takes its bus name" "host_runs $pid && name_owned" 30
check "a damaged file is moved aside" "file_there '$kept.bad'" 15
check "with one line on standard error" "echo \"standard error: \$(cat '$log')\"; grep -q 'widgets.json.bad' '$log'" 15
check_holds "and the host runs with no widgets" 1 "host_runs $pid && widget_windows_are 0"
stop_host
wait_until "the bus name to be free" 15 "! name_owned"

# A file of one widget more than the host keeps, their plug-in gone so that no windows open.
{
  printf '{"widgets": ['
  for ((index = 0; index < 1001; index++)); do
    ((index > 0)) && printf ','
    printf '{"plugin":"libgone.so","kind":"Gone","family":"systemSmall","x":%d,"y":0}' "$index"
  done
  printf ']}'
} >"$kept"
# kinds_in_file FILE COUNT: the file names that many kinds.
kinds_in_file() {
  local count
  count=$(grep -o '"kind"' "$1" 2>/dev/null | wc -l)
  echo "$count kinds in $1"
  [[ $count -eq $2 ]]
}
log=$XDG_CONFIG_HOME/too-many.log
"$host" 2>"$log" </dev/null & pid=$!
check "the host with too many widgets takes its bus name" "host_runs $pid && name_owned" 30
check "keeps the whole file aside" "kinds_in_file '$kept.too-many' 1001" 15
check "and says so on standard error" "file_has 'widgets.json.too-many' '$log'" 15
check "and keeps the first 1000 in the file" "kept_widgets_are 1000" 15
check "a widget past the limit is refused" "call_answers false AddWidget string:DotClock string:systemSmall"
check_holds "and not kept" 1 "kept_widgets_are 1000 && widget_windows_are 0"
stop_host

echo "$failures failed"
exit $((failures > 0))
