#!/usr/bin/env bash
# quillon-widgets on Wayland desktops, each a real compositor run headless.
#   layer-shell: under sway, placed widgets are layer surfaces and no windows, drawn apart at their
#     kept places; a click opens the link, a drag moves the widget and is kept across a restart, the
#     menu opens at the pointer and its first entry opens the editor, a click brings the studio
#     forward, the reload signal reaches every widget, screen readers find each widget by what it
#     shows, the list of placed widgets moves one to another output, and the host ends when the
#     compositor goes.
#   fallback: under weston, which has no layer shell, the host shows X11 windows through XWayland,
#     and without XWayland it says what is missing and ends.
# sway refuses to run as root: as root, the compositor and the host run as the user
# QUILLON_TEST_USER names, or a system user "quillon-test" made for the purpose.
# Usage: wayland_session_test.sh layer-shell|fallback HOST PLUGIN VIRTUAL-POINTER STUDIO
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/checks.sh"
source "$here/../support/widget_host_session.sh"
mode=$1
limit=150
skip() { echo "SKIPPED: $*"; exit 77; }

if [[ -z ${QUILLON_WAYLAND_TEST_INSIDE:-} ]]; then
  needed=(dbus-run-session grim)
  [[ $mode == layer-shell ]] && needed+=(sway swaymsg) || needed+=(weston Xwayland xwininfo)
  for tool in "${needed[@]}"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-dependencies installs it)"
  done
  source "$here/../support/desktop_user.sh"
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  stage_programs "$stage" "$2" "$3" -- "$4" "$5"
  mkdir -p "$stage/tests/widgethost" "$stage/tests/support"
  cp "$0" "$stage/tests/widgethost/"
  cp "$here/../support/checks.sh" "$here/../support/widget_host_session.sh" "$stage/tests/support/"
  chmod -R a+rX "$stage"
  desktop_user_prefix || skip "there is no user to run the compositor as"
  cd "$stage" || exit 1
  within_limit "$limit" "the Wayland session test" "${as_user[@]}" env QUILLON_WAYLAND_TEST_INSIDE=1 \
    dbus-run-session -- bash "$stage/tests/widgethost/$(basename "$0")" "$mode" "$stage/bin/quillon-widgets"
  exit $?
fi

host=$2
pointer_tool=$(dirname "$host")/quillon-virtual-pointer
wait_budget_end=$(($(now_us) + 120 * 1000000))
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d) TZ=UTC
pid= compositor= pointer_pid= studio=
trap 'kill -KILL $pid $pointer_pid $studio $compositor 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT

log=$XDG_RUNTIME_DIR/host.log
kept=$XDG_CONFIG_HOME/quillon/widgets.json
start_host() {
  QT_LOGGING_RULES="quillon.widgets.timelines.info=true" "$host" 2>"$log" </dev/null &
  pid=$!
  check "the host starts and answers on the bus" "host_runs $pid && call_answers false AddWidget string:DotNothing string:systemSmall" 30
}
# kept_places: "kind x y" for each widget in the host's file.
kept_places() {
  awk -F': *' '/"kind"/ {gsub(/[",]/, "", $2); kind = $2} /"x"/ {gsub(/,/, "", $2); x = int($2)}
    /"y"/ {gsub(/,/, "", $2); print kind, x, int($2)}' "$kept" 2>/dev/null
}
kept_count_is() {
  local places
  places=$(kept_places)
  echo "kept: [$(echo $places)]"
  [[ $(echo "$places" | grep -c .) -eq $1 ]]
}
wallpaper="32 160 64"

if [[ $mode == fallback ]]; then
  weston --backend=headless-backend.so --xwayland --socket=wayland-quillon --idle-time=0 \
    >"$XDG_RUNTIME_DIR/weston.log" 2>&1 </dev/null &
  compositor=$!
  display_of_weston() { grep -o 'xserver listening on display :[0-9]*' "$XDG_RUNTIME_DIR/weston.log" | grep -o ':[0-9]*$'; }
  if ! check "weston starts with XWayland" "display_of_weston || { tail -n 5 '$XDG_RUNTIME_DIR/weston.log'; false; }" 30; then
    echo "$failures failed"
    exit 1
  fi
  export WAYLAND_DISPLAY=wayland-quillon

  # Without XWayland there is nothing the host can show widgets on: it says so and ends.
  report=$(timeout --foreground 30 "$host" 2>&1 </dev/null)
  status=$?
  check "without XWayland the host ends with a non-zero status" "echo \"status $status: $report\"; ((status != 0 && status != 124))"
  check "and says what is missing" "echo '$report'; [[ '$report' == *'no layer shell'*'no XWayland'* ]]"

  export DISPLAY=$(display_of_weston)
  start_host
  check "the host says it takes the X11 path" "file_has 'X11 windows through XWayland' '$log'" 15
  check "a clock widget is placed" "call_answers true AddWidget string:DotClock string:systemSmall"
  x11_widget() { timeout --foreground 10 xwininfo -root -tree </dev/null 2>&1 | grep -E '\("quillon-widgets" "Quillon Widgets"\) +164x164'; }
  check "it is an X11 window of the family's size" x11_widget 30
  stop_host
  echo "$failures failed"
  exit $((failures > 0))
fi

# sway, headless, with a wallpaper of one colour and no XWayland, logging the surfaces it maps.
printf 'output * bg #20a040 solid_color\noutput HEADLESS-1 resolution 1280x720\nxwayland disable\n' >"$XDG_RUNTIME_DIR/config"
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway --debug -c "$XDG_RUNTIME_DIR/config" >"$XDG_RUNTIME_DIR/sway.log" 2>&1 </dev/null &
compositor=$!
sway_socket() { ls "$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+$' && ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; }
if ! check "sway starts" "sway_socket || { tail -n 5 '$XDG_RUNTIME_DIR/sway.log'; false; }" 30; then
  echo "$failures failed"
  exit 1
fi
export WAYLAND_DISPLAY=$(ls "$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+$' | head -n 1)
export SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n 1)

install_link_stub

# The headless seat has no pointer until the virtual one is made, as the seat of a desktop has one
# before any program starts.
coproc POINTER { "$pointer_tool" 1280 720 2>&1; }
pointer_pid=$POINTER_PID
say() {
  local reply
  echo "$*" >&"${POINTER[1]}"
  read -r -t 10 reply <&"${POINTER[0]}"
  [[ $reply == ok ]] || echo "the pointer answered '${reply:-nothing}' to '$*'"
}
read -r -t 10 ready <&"${POINTER[0]}"
check "the virtual pointer is made" "echo '${ready:-nothing}'; [[ '${ready:-}' == ready ]]"

# Screen readers listen where the AT-SPI bus is there, as on a desktop with one.
atspi=
if [[ -x /usr/libexec/at-spi-bus-launcher ]] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  atspi=$!
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
trap 'kill -KILL $pid $pointer_pid $studio $compositor $atspi 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT

start_host
check "the host says it shows layer surfaces" "file_has 'layer surfaces' '$log'" 15
# With no widget pointed at yet, the first goes to the first output's top-right corner, away from
# the middle, where windows open.
check "a clock widget is placed, and the answer names the output" \
  "call_answers true PlaceWidget string:DotClock string:systemSmall | grep 'on your desktop, top right of screen HEADLESS-1'"
check "a sign widget is placed" "call_answers true AddWidget string:DotSign string:systemMedium"
layer_surfaces_are() {
  local count
  count=$(grep -c 'namespace quillon-widgets' "$XDG_RUNTIME_DIR/sway.log")
  echo "$count layer surfaces of quillon-widgets in sway's log"
  [[ $count -eq $1 ]]
}
check "the compositor has two layer surfaces of the host" "layer_surfaces_are 2" 15
# A layer surface is no window of Qt's: a window that never comes on the screen stands for each
# widget, named with what it shows, for screen readers to find.
if [[ -n $atspi ]]; then
  host_windows_read() {
    /usr/bin/python3 -c '
import pyatspi
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Quillon Widgets":
        for child in app:
            if child is not None:
                print(child.getRoleName(), "|", child.name)' 2>&1
  }
  check "screen readers find each widget as a window named with what it shows" \
    "names=\$(host_windows_read); echo \"\$names\"; grep -q '^frame | Clock: .' <<<\"\$names\" && grep -q '^frame | Sign: .' <<<\"\$names\"" 20
fi
windows() {
  local tree
  tree=$(timeout --foreground 10 swaymsg -t get_tree </dev/null)
  echo "windows: [$(echo "$tree" | grep -E '"name"|"app_id"' | tr -s ' ' | tr '\n' ' ' | head -c 600)]"
  echo "$tree" | grep -c '"app_id"'
}
check_holds "and no window" 1 "[[ \$(windows | tail -n 1) -eq 0 ]]"
check "both widgets are kept, with their output" "kept_count_is 2 && grep -q '\"screen\": *\"HEADLESS-1\"' '$kept'" 15

# pixel X Y: the colour on the screen there, "r g b".
pixel() { timeout --foreground 10 grim -g "$1,$2 1x1" -t ppm - </dev/null | tail -c 3 | od -An -tu1 | xargs; }
read -r _ clock_x clock_y < <(kept_places | grep DotClock)
read -r _ sign_x sign_y < <(kept_places | grep DotSign)
# drawn_at X Y W H: a widget is drawn there: its middle is not the wallpaper, just left of it is.
drawn_at() {
  local inside outside
  inside=$(pixel $(($1 + $3 / 2)) $(($2 + $4 / 2)))
  outside=$(pixel $(($1 - 3)) $(($2 + $4 / 2)))
  echo "at $1,$2 ($3 x $4): inside [$inside], just outside [$outside], the wallpaper is [$wallpaper]"
  [[ -n $inside && $inside != "$wallpaper" && $outside == "$wallpaper" ]]
}
check "the screen shows the clock at its kept place" "drawn_at $clock_x $clock_y 164 164" 15
check "and the sign at its own" "drawn_at $sign_x $sign_y 344 164" 15
check "apart" "echo \"clock $clock_x,$clock_y sign $sign_x,$sign_y\"; ((clock_x + 164 <= sign_x || sign_x + 344 <= clock_x || clock_y + 164 <= sign_y || sign_y + 164 <= clock_y))"

centre_x=$((clock_x + 82)) centre_y=$((clock_y + 82))
say move $centre_x $centre_y
say press left
say release left
check "a click on the clock opens its link with the desktop's handler" "links; grep -q '^quillon://widget/clock' '$opened' || { tail -n 5 '$log'; false; }" 20

# In steps as long as a quick hand makes: the surface moving under the pointer must not count as
# the pointer moving.
say press left
for step in 1 2 3 4 5 6; do say move $((centre_x - 100 * step)) $((centre_y + 50 * step)); done
say release left
check "a drag moves the widget and its place is kept" "kept_places | grep DotClock | grep -qx 'DotClock $((clock_x - 600)) $((clock_y + 300))' || kept_places" 15
check "where the screen shows it" "drawn_at $((clock_x - 600)) $((clock_y + 300)) 164 164" 15
check_holds "and opens no link" 1 "links; [[ \$(wc -l <'$opened') -eq 1 ]]"

# Every widget asks its plug-in for a new timeline after the studio's signal: within a second on an
# idle machine; the deadline is for a loaded one.
check "both widgets ask for their first timeline" "asking_widgets 0 2" 20
before=$(wc -l <"$log")
timeout --foreground 10 dbus-send --session --type=signal /com/quillon/Lampwork com.quillon.Lampwork.Timelines.ReloadAllTimelines
check "the reload signal makes both widgets ask for a timeline" "asking_widgets $before 2" 20

# The right button opens the menu at the pointer; its first entry, Edit Widget…, opens the editor,
# the one window so far.
centre_x=$((clock_x - 600 + 82)) centre_y=$((clock_y + 300 + 82))
say move $centre_x $centre_y
face=$(pixel $((centre_x + 20)) $((centre_y + 12)))
say press right
say release right
menu_shown() {
  local now
  now=$(pixel $((centre_x + 20)) $((centre_y + 12)))
  echo "right of the pointer: [$now], the face there: [$face]"
  [[ -n $now && $now != "$face" ]]
}
check "the menu opens at the pointer" menu_shown 15
say move $((centre_x + 30)) $((centre_y + 12))
say press left
say release left
editor_open() { windows | tail -n 1 | grep -qx 1 || { windows | head -n 1; false; }; }
check "its first entry opens the widget's editor" editor_open 15

# The studio comes forward when a widget is clicked while it is on another workspace: the host hands
# it the activation token sway gave for the click. sway's own rule then either focuses it or marks it
# urgent (its default, focus_on_window_activation urgent); without a token it does neither.
# window_state APP-ID: "focused=… urgent=…" of that program's window, as sway has it.
window_state() {
  timeout --foreground 10 swaymsg -t get_tree -r </dev/null | python3 -c '
import json, sys
def nodes(node):
    yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from nodes(child)
for node in nodes(json.load(sys.stdin)):
    if node.get("app_id") == sys.argv[1]:
        print("focused=%s urgent=%s" % (str(node["focused"]).lower(), str(node["urgent"]).lower()))' "$1"
}
studio_state() {
  local state
  state=$(window_state com.quillon.Quillon)
  echo "the studio's window: [${state:-none}]"
  [[ -n $state ]] || echo "the studio's words: [$(tail -n 5 "$XDG_RUNTIME_DIR/studio.log" | tr '\n' ' ')]"
  [[ $state == *"$1"* ]]
}
QT_QPA_PLATFORM=wayland "$(dirname "$host")/quillon" >"$XDG_RUNTIME_DIR/studio.log" 2>&1 </dev/null &
studio=$!
check "the studio opens a window" "studio_state focused=" 30
# Its window and the editor's, tiled, cover the widgets; the editor is done with.
timeout --foreground 10 swaymsg '[app_id="com.quillon.WidgetHost"] kill' </dev/null >/dev/null
timeout --foreground 10 swaymsg '[app_id="com.quillon.Quillon"] move container to workspace 2' </dev/null >/dev/null
check "and is put on another workspace" "studio_state 'focused=false urgent=false'" 15
say move $((clock_x - 600 + 82)) $((clock_y + 300 + 82))
say press left
say release left
check "a click on the clock brings the studio forward, or marks it for the user" \
  "studio_state focused=true || studio_state urgent=true" 15
kill "$studio" 2>/dev/null
wait "$studio" 2>/dev/null

echo quit >&"${POINTER[1]}"
wait "$pointer_pid" 2>/dev/null
pointer_pid=
stop_host
# A day widget kept on an output that is not there (yet).
sed -i 's/"widgets": *\[/"widgets": [{"plugin": "liblampwork.so", "kind": "DotDay", "family": "systemSmall", "screen": "HEADLESS-2", "x": 20, "y": 20, "configuration": {}},/' "$kept"
start_host
check "after a restart the clock is where it was left" "drawn_at $((clock_x - 600)) $((clock_y + 300)) 164 164" 20
check "and the sign where it was" "drawn_at $sign_x $sign_y 344 164" 15
check "a widget whose output is gone shows on the one that is there" "drawn_at 20 20 164 164" 15
check "and its own output stays in the file" "grep -q HEADLESS-2 '$kept'"
sway_command() { timeout --foreground 10 swaymsg "$@" </dev/null; }
sway_command create_output >/dev/null
second_output_x() {
  sway_command -t get_outputs -r | tr -d ' \n' | sed 's/},{"id"/}\n{"id"/g' | grep '"name":"HEADLESS-2"' |
    grep -o '"rect":{"x":[-0-9]*' | grep -o '[-0-9]*$'
}
check "sway makes a second output" "second_output_x | grep -E '^[0-9]+$'" 15
read -r right < <(second_output_x)
check "the widget goes to its own output when that comes" "drawn_at $((right + 20)) 20 164 164 && [[ \$(pixel 102 102) == '$wallpaper' ]]" 15
# The list of placed widgets moves the day to the first output, as a keyboard user asks it to.
day_id=$(call PlacedWidgets | python3 -c '
import json, sys
text = sys.stdin.read()
listed = json.loads(text[text.index("{"):text.rindex("}") + 1])
print(next(widget["id"] for widget in listed["widgets"] if widget["name"] == "Day"))' 2>&1)
check "the list names both outputs" "reply=\$(call PlacedWidgets); echo \"\${reply:0:600}\"; [[ \$reply == *'\"screens\":[\"HEADLESS-1\",\"HEADLESS-2\"]'* ]]"
check "the day is moved to the first output" "call_answers true MoveWidget string:$day_id string:HEADLESS-1"
check "where it is kept" "python3 -c \"import json; print([w['screen'] for w in json.load(open('$kept'))['widgets'] if w['kind'] == 'DotDay'])\" | grep -x \"\\['HEADLESS-1'\\]\"" 15
check "and no longer shows on the second" "[[ \$(pixel $((right + 102)) 102) == '$wallpaper' ]]" 15
# sway 1.7 cannot unplug a headless output (disabling one keeps it, and the widgets on it), so the
# way back is left to the placement's unit test.

# The first output's scale goes to 2, halving it to 640 x 360 points: the clock and the sign, kept
# beyond that, are shown whole on it for the time being, and their places stay in the file; at scale
# 1 again they are back at those places, with no restart.
# shown_on_first PERCENT: of the clock's and the sign's area together, at least PERCENT % of the first
# output's points are not the wallpaper.
shown_on_first() {
  local width height shown
  read -r width height < <(sway_command -t get_outputs -r | python3 -c '
import json, sys
for output in json.load(sys.stdin):
    if output["name"] == "HEADLESS-1":
        print(output["rect"]["width"], output["rect"]["height"])')
  # In points: the picture may be in the output's pixels, scale times as many each way.
  shown=$(timeout --foreground 10 grim -o HEADLESS-1 -t ppm - </dev/null | python3 -c '
import re, sys
data = sys.stdin.buffer.read()
header = re.match(rb"P6\s+(\d+)\s+\d+\s+\d+\s", data)
pixels = data[header.end():] if header else b""
wallpaper = bytes((32, 160, 64))
shown = sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] != wallpaper)
scale = int(header.group(1)) / int(sys.argv[1]) if header else 1
print(round(shown / scale / scale))' "$width")
  echo "the first output is ${width}x$height points; $shown of them are not the wallpaper, of $((164 * 164 + 344 * 164)) the two widgets cover"
  ((shown * 100 >= $1 * (164 * 164 + 344 * 164)))
}
places_before=$(kept_places | grep -E 'DotClock|DotSign')
sway_command output HEADLESS-1 scale 2 >/dev/null
check "at scale 2 the clock and the sign are shown whole on the smaller output" "shown_on_first 97" 15
check "and the file keeps their places" "kept_places | grep -E 'DotClock|DotSign'; [[ \"\$(kept_places | grep -E 'DotClock|DotSign')\" == \"$places_before\" ]]"
sway_command output HEADLESS-1 scale 1 >/dev/null
check "at scale 1 again the clock is back at its place" "drawn_at $((clock_x - 600)) $((clock_y + 300)) 164 164" 15
check "and the sign at its own" "drawn_at $sign_x $sign_y 344 164" 15

kill "$compositor"
wait_until "sway to end" 15 "! kill -0 $compositor 2>/dev/null"
compositor=
check "the host ends when the compositor goes" "! kill -0 $pid 2>/dev/null || { echo still running; false; }" 15
wait "$pid"
status=$?
check "without crashing" "echo \"exit status \$status: \$(tail -n 3 '$log')\"; ((status < 128))"
pid=
echo "$failures failed"
exit $((failures > 0))
