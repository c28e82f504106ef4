#!/usr/bin/env bash
# quillon-widgets under GNOME Shell, run headless. Mutter has no layer shell, so the host shows its
# widgets as X11 windows through XWayland: they stay below an X11 window over them, before, while
# and after the gallery shows; GNOME Shell lists them with none of the windows a taskbar or the
# window switcher shows; and a click through Mutter's remote desktop (relative motion, as a mouse)
# opens the widget's link in the studio, and a drag moves the widget and the host keeps its place.
# GNOME Shell needs a system bus: the test starts one of its own, and runs GNOME Shell as the user
# QUILLON_TEST_USER names, or a system user "quillon-test", when it runs as root.
# Usage: gnome_shell_session_test.sh HOST PLUGIN
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/checks.sh"
source "$here/../support/widget_host_session.sh"
source "$here/compositor_session.sh"
limit=150

# A system bus of the test's own, which GNOME Shell finds through DBUS_SYSTEM_BUS_ADDRESS: a machine
# or container may have none, and no mount is needed for it. It starts no services: GNOME Shell only
# needs the bus to be there.
if [[ -n ${QUILLON_SESSION_TEST_SYSTEM_BUS:-} ]]; then
  stage=$1
  dbus-daemon --config-file="$stage/system-bus.conf" --nofork --nopidfile 2>"$stage/system-bus.log" </dev/null &
  system_bus=$!
  trap 'kill $system_bus 2>/dev/null' EXIT
  wait_until "the system bus" 10 "[[ -S '$stage/system_bus_socket' ]] || { cat '$stage/system-bus.log'; false; }" ||
    fail_now "the test's own system bus did not start"
  chmod a+rw "$stage/system_bus_socket"
  unset QUILLON_SESSION_TEST_SYSTEM_BUS
  export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$stage/system_bus_socket
  session_command "$stage" "$stage/bin/quillon-widgets" || fail_now "there is no user to run GNOME Shell as"
  "${session_command[@]}"
  exit $?
fi

if [[ -z ${QUILLON_SESSION_TEST_INSIDE:-} ]]; then
  (($# == 2)) || fail_now "usage: gnome_shell_session_test.sh HOST PLUGIN"
  require_tools gnome-shell Xwayland dbus-run-session dbus-daemon dbus-send python3 xprop xwininfo xmessage \
    xdotool weston-flower
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  stage_session_test "$stage" "$1" "$2"
  cat >"$stage/system-bus.conf" <<'EOF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path=STAGE/system_bus_socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_type="method_call"/>
    <allow receive_type="method_return"/>
    <allow receive_type="error"/>
    <allow receive_type="signal"/>
  </policy>
</busconfig>
EOF
  sed -i "s|STAGE|$stage|" "$stage/system-bus.conf"
  chmod -R a+rX "$stage"
  cd "$stage" || exit 1
  run_session "$limit" "the GNOME Shell session test" env QUILLON_SESSION_TEST_SYSTEM_BUS=1 \
    bash "$stage/tests/widgethost/$(basename "$0")" "$stage"
  exit $?
fi

host=$1
client=$here/gnome_shell_client.py
wait_budget_end=$(($(now_us) + 120 * 1000000))
open_session
shell_log=$XDG_RUNTIME_DIR/gnome-shell.log
screen_width=1280 screen_height=800

GSETTINGS_BACKEND=memory XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME gnome-shell --headless --wayland \
  --virtual-monitor "${screen_width}x$screen_height" --wayland-display wayland-quillon >"$shell_log" 2>&1 </dev/null &
compositor=$!
started+=("$compositor")
shell_property() {
  timeout --foreground 10 dbus-send --session --print-reply --dest=org.gnome.Shell /org/gnome/Shell \
    "org.freedesktop.DBus.Properties.$1" string:org.gnome.Shell "string:$2" "${@:3}" </dev/null 2>&1
}
# xwayland_display: the display of the XWayland GNOME Shell started, from its command line.
xwayland_display() {
  local process arguments
  for process in /proc/[0-9]*; do
    [[ $(awk '{print $4}' "$process/stat" 2>/dev/null) == "$compositor" ]] || continue
    arguments=$(tr '\0' ' ' <"$process/cmdline" 2>/dev/null)
    [[ $arguments == *Xwayland* ]] && grep -o ' :[0-9]*' <<<"$arguments" | head -n 1 | tr -d ' ' && return 0
  done
  echo "no XWayland started by GNOME Shell yet"
  return 1
}
shell_answers() {
  kill -0 "$compositor" 2>/dev/null || { echo "GNOME Shell has ended: $(tail -n 8 "$shell_log")"; return 2; }
  shell_property Get OverviewActive | grep -q boolean && xwayland_display && ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*
}
check "GNOME Shell starts, on the bus and with XWayland" shell_answers 40 ||
  fail_now "GNOME Shell did not start (its log: $(tail -n 15 "$shell_log"))"
DISPLAY=$(xwayland_display)
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n 1)
export WAYLAND_DISPLAY=wayland-quillon DISPLAY XAUTHORITY
shell_property Set OverviewActive variant:boolean:false >/dev/null
check "the overview it starts in is left" "shell_property Get OverviewActive | grep 'boolean false'" 10

start_studio_stub
start_input "Mutter's remote desktop session starts" python3 "$client"
# When its X server goes, Qt's X11 platform ends the program with exit(), leaving what Qt holds: a
# sanitizing build's leak check would count Qt's allocations as the host's.
host_environment=("ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0")
start_host
check "the host says it shows X11 windows through XWayland" "file_has 'X11 windows through XWayland' '$log'" 15
place_clock_and_sign

# The X11 windows, bottom first, as Mutter stacks them.
stacking() { timeout --foreground 10 xprop -root _NET_CLIENT_LIST_STACKING </dev/null | grep -o '0x[0-9a-f]*'; }
window_class() { timeout --foreground 10 xprop -id "$1" WM_CLASS </dev/null 2>&1 | sed 's/^WM_CLASS([A-Z_]*) = //'; }
shown_stacking() {
  local window
  echo "stacking, bottom first:"
  for window in $(stacking); do echo "  $window $(window_class "$window")"; done
}
host_windows() {
  local window
  for window in $(stacking); do [[ $(window_class "$window") == '"quillon-widgets"'* ]] && echo "$window"; done
}
two_host_windows() {
  shown_stacking
  [[ $(host_windows | grep -c .) -eq 2 ]]
}
# Before anything else of the host's shows, its windows are the two widgets.
check "the widgets are two X11 windows" two_host_windows 15
widgets=$(host_windows | tr '\n' ' ')

# With relative motion only, as a mouse moves. Each gesture's answers are shown when its check fails.
read -r clock_x clock_y _ < <(widget_box DotClock)
read -r centre_x centre_y < <(widget_centre DotClock)
before=$(links_count)
# Mutter gives a button to the surface it last found under the pointer: a press straight after the
# motion could go where the pointer was, as no hand is quick enough to make it. So a gesture starts
# once XWayland has the pointer over the widget.
pointer_over() {
  local seen
  seen=$(timeout --foreground 10 xdotool getmouselocation </dev/null 2>&1)
  echo "XWayland has the pointer at [$seen]"
  [[ $seen == "x:$1 y:$2 "* ]]
}
point_at() { pointer_to "$1" "$2" && wait_until "XWayland to see the pointer there" 10 "pointer_over $1 $2"; }
gesture=$(point_at "$centre_x" "$centre_y" && says "press left" "release left")
check "a click opens the studio on the clock" 'echo "$gesture"; opened_since $before quillon://widget/clock' 15
before=$(links_count)
read -r sx sy < <(towards_middle DotClock)
gesture=$(point_at "$centre_x" "$centre_y" && say "press left" &&
  for step in 1 2 3 4; do say "by $((100 * sx)) $((50 * sy))" || exit 1; done && say "release left")
check "a drag moves the clock, and its place is kept" \
  'echo "$gesture"; kept_at DotClock $((clock_x + 400 * sx)) $((clock_y + 200 * sy))' 15
check_holds "and opens no link" 1 'opened_since $before'

# An X11 window over both widgets, and a Wayland window, which takes the focus.
read -r clock_x clock_y clock_w clock_h < <(widget_box DotClock)
read -r sign_x sign_y sign_w sign_h < <(widget_box DotSign)
left=$((clock_x < sign_x ? clock_x : sign_x)) top=$((clock_y < sign_y ? clock_y : sign_y))
right=$((clock_x + clock_w > sign_x + sign_w ? clock_x + clock_w : sign_x + sign_w))
bottom=$((clock_y + clock_h > sign_y + sign_h ? clock_y + clock_h : sign_y + sign_h))
xmessage -geometry "$((right - left))x$((bottom - top))+$left+$top" "A window over the widgets" \
  >"$XDG_RUNTIME_DIR/xmessage.log" 2>&1 </dev/null &
started+=($!)
xmessage_window() {
  local window
  for window in $(stacking); do [[ $(window_class "$window") == '"xmessage"'* ]] && echo "$window" && return 0; done
  shown_stacking
  return 1
}
check "an X11 window opens over the widgets" xmessage_window 15
# Seen under load: Mutter's list leaves a window out for a moment now and then.
x11_window=
list_end=$(($(now_us) + 5 * 1000000))
until [[ $x11_window == 0x* ]] || (($(now_us) > list_end)); do
  x11_window=$(xmessage_window | head -n 1)
  sleep 0.1
done
weston-flower >"$XDG_RUNTIME_DIR/flower.log" 2>&1 </dev/null &
started+=($!)
shell_windows() { say windows; }
check "and a Wayland window, which GNOME Shell lists with the X11 one" \
  "shell_windows | grep -q \"title='Flower'\" && shell_windows | grep -q \"wm-class='Xmessage'\" || { shell_windows; false; }" 15
check "GNOME Shell lists none of the host's windows with those a taskbar shows" \
  "shell_windows; ! shell_windows | grep -qi 'quillon'"

# widgets_below: each widget is below the X11 window in Mutter's stacking.
widgets_below() {
  local order under widget end=$(($(now_us) + 2 * 1000000))
  [[ -n $widgets && -n $x11_window ]] || { echo "widgets [$widgets], X11 window [$x11_window]: one is missing"; return 1; }
  until order=" $(stacking | tr '\n' ' ')"; [[ $order == *" $x11_window "* ]] || (($(now_us) > end)); do sleep 0.1; done
  shown_stacking
  [[ $order == *" $x11_window "* ]] || { echo "the X11 window $x11_window is not in the list"; return 1; }
  under="${order%% "$x11_window" *} "
  for widget in $widgets; do
    [[ $under == *" $widget "* ]] || { echo "$widget is not below $x11_window"; return 1; }
  done
}
check "the widgets are below the X11 window" widgets_below 10
check_holds "and stay there" 2 widgets_below

# The gallery is a window like any other: GNOME Shell lists it, and it takes the focus. Found as the
# window its list did not have before, whichever process shows it and through whichever protocol.
listed_before=$(shell_windows | awk '/^window / {print $2}' | paste -sd '|')
new_windows() {
  local list
  list=$(shell_windows) || { echo "$list"; return 1; }
  grep '^window ' <<<"$list" | grep -v -E "^window (${listed_before:-none}) "
}
gallery_listed() {
  local found
  found=$(new_windows)
  echo "new in GNOME Shell's list: [${found:-nothing}]; the host's log ends: $(tail -n 3 "$log")"
  [[ $(grep -c . <<<"$found") -eq 1 ]]
}
check "the host is asked to show its gallery" 'reply=$(call ShowGallery); echo "$reply"; [[ $reply != *Error* ]]'
check "the gallery opens, and GNOME Shell lists it" gallery_listed 20
gallery=$(new_windows | head -n 1 | cut -d' ' -f2)
check_holds "while it shows, the widgets stay below the X11 window" 2 widgets_below
gallery_focused() {
  local line
  line=$(shell_windows | grep "^window $gallery ")
  echo "the gallery in GNOME Shell's list: [${line:-not there}]"
  [[ $line == *"has-focus='True'"* ]]
}
# Alt+F4 goes to the window with the focus: without it, another would close.
if check "the gallery has the focus" gallery_focused 10; then
  gesture=$(say "keys Alt_L F4")
  check "Alt+F4 closes the gallery" "echo \"\$gesture\"; ! shell_windows | grep -q '^window $gallery ' || shell_windows" 15
fi
check_holds "after it, the widgets stay below the X11 window" 2 widgets_below

kill "$compositor"
wait_until "GNOME Shell to end" 15 "! kill -0 $compositor 2>/dev/null"
check "the host ends when GNOME Shell goes" "! kill -0 $pid 2>/dev/null || { echo still running; false; }" 15
wait "$pid"
status=$?
check "without crashing" "echo \"exit status $status: \$(tail -n 3 '$log')\"; ((status < 128))"
pid=
finish
