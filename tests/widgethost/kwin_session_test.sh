#!/usr/bin/env bash
# quillon-widgets under KWin, KDE Plasma's compositor, run headless: the host takes KWin's layer
# shell, places widgets where asked on the bus, and KWin keeps them out of the taskbar, the switcher
# and the pager, below the windows. Driven through KWin's fake input, as a mouse (relative motion),
# a tablet or a virtual machine's pointer (absolute motion) and a finger do: a click or a tap opens
# the widget's link in the studio (and brings it forward over another window), a drag moves the
# widget and the host keeps its new place.
# KWin runs as the user QUILLON_TEST_USER names, or a system user "quillon-test", when the test runs
# as root; from a copy of its own, since the installed program carries a file capability that a
# container's bounding set may not allow.
# Usage: kwin_session_test.sh HOST PLUGIN FAKE-INPUT STUDIO
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/checks.sh"
source "$here/../support/widget_host_session.sh"
source "$here/compositor_session.sh"
limit=150

if [[ -z ${QUILLON_SESSION_TEST_INSIDE:-} ]]; then
  (($# == 4)) || fail_now "usage: kwin_session_test.sh HOST PLUGIN FAKE-INPUT STUDIO"
  require_tools kwin_wayland dbus-run-session dbus-send python3 weston-flower
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  stage_session_test "$stage" "$1" "$2" -- "$3" "$4"
  # KWin loads its platform only into a program whose file name is kwin_wayland.
  mkdir "$stage/kwin"
  cp "$(command -v kwin_wayland)" "$stage/kwin/kwin_wayland"
  chmod -R a+rX "$stage"
  session_command "$stage" "$stage/bin/quillon-widgets" "$stage/kwin/kwin_wayland" ||
    fail_now "there is no user to run KWin as"
  cd "$stage" || exit 1
  run_session "$limit" "the KWin session test" "${session_command[@]}"
  exit $?
fi

host=$1
kwin=$2
input_tool=$(dirname "$host")/quillon-fake-input
wait_budget_end=$(($(now_us) + 120 * 1000000))
open_session
kwin_log=$XDG_RUNTIME_DIR/kwin.log
screen_width=1280 screen_height=800

# QPainter compositing: CI has no GPU, and nothing checked here depends on OpenGL.
KWIN_COMPOSE=Q KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$kwin" --virtual --width "$screen_width" --height "$screen_height" \
  --socket wayland-quillon --no-lockscreen --no-global-shortcuts --no-kactivities >"$kwin_log" 2>&1 </dev/null &
compositor=$!
started+=("$compositor")
kwin_answers() {
  kill -0 "$compositor" 2>/dev/null || { echo "KWin has ended: $(tail -n 8 "$kwin_log")"; return 2; }
  [[ -S $XDG_RUNTIME_DIR/wayland-quillon ]] || { echo "no socket wayland-quillon yet"; return 1; }
  timeout --foreground 10 dbus-send --session --print-reply --dest=org.kde.KWin /KWin org.freedesktop.DBus.Peer.Ping \
    </dev/null 2>&1
}
check "KWin starts, with its socket and its bus name" kwin_answers 30 ||
  fail_now "KWin did not start (its log: $(tail -n 15 "$kwin_log"))"
export WAYLAND_DISPLAY=wayland-quillon

start_studio_stub
start_input "KWin's fake input is bound and authenticated" "$input_tool"
start_host
check "the host says it shows layer surfaces" "file_has 'layer surfaces' '$log'" 15
place_clock_and_sign

# Each gesture's answers from the input program are shown when its check fails. Absolute motion, as
# a tablet or a virtual machine's pointer gives it, first: as on a machine whose pointer never moves
# otherwise.
read -r sign_x sign_y _ < <(widget_box DotSign)
read -r centre_x centre_y < <(widget_centre DotSign)
before=$(links_count) calls=$(calls_count)
gesture=$(says "move $centre_x $centre_y" "press left" "release left")
check "a click with absolute motion opens the studio on the sign" \
  'echo "$gesture"; opened_since $before quillon://widget/sign' 15
check "with a token from KWin for the studio to come forward with" "tokens_since $calls"
before=$(links_count)
read -r sx sy < <(towards_middle DotSign)
gesture=$(says "move $centre_x $centre_y" "press left" && for step in 1 2 3 4; do
  say "move $((centre_x + 100 * sx * step)) $((centre_y + 50 * sy * step))" || exit 1
  # A hand, a tablet or a virtual machine's pointer takes milliseconds between steps. KWin 5.27
  # moves a layer surface to its new margins in a rearrangement it schedules after the commit, later
  # than the round trip the host counts the surface's corner from: steps sent at once can come in
  # that moment, and count from a corner the surface does not have yet.
  sleep 0.15
done && say "release left")
check "a drag with absolute motion moves the sign, and its place is kept" \
  'echo "$gesture"; kept_at DotSign $((sign_x + 400 * sx)) $((sign_y + 200 * sy))' 15
check_holds "and opens no link" 1 'opened_since $before'

# With relative motion only, as a mouse moves.
read -r clock_x clock_y _ < <(widget_box DotClock)
read -r centre_x centre_y < <(widget_centre DotClock)
before=$(links_count)
gesture=$(pointer_to "$centre_x" "$centre_y" && says "press left" "release left")
check "a click with relative motion opens the studio on the clock" 'echo "$gesture"; opened_since $before quillon://widget/clock' 15

# In steps as long as a quick hand makes, towards the middle of the screen, where the host keeps a
# widget whole: the surface moving under the pointer must not count as the pointer moving.
before=$(links_count)
read -r sx sy < <(towards_middle DotClock)
gesture=$(pointer_to "$centre_x" "$centre_y" && say "press left" &&
  for step in 1 2 3 4; do say "by $((100 * sx)) $((50 * sy))" || exit 1; done && say "release left")
check "a drag with relative motion moves the clock, and its place is kept" \
  'echo "$gesture"; kept_at DotClock $((clock_x + 400 * sx)) $((clock_y + 200 * sy))' 15
check_holds "and opens no link" 1 'opened_since $before'

# A finger.
read -r clock_x clock_y _ < <(widget_box DotClock)
read -r centre_x centre_y < <(widget_centre DotClock)
before=$(links_count)
gesture=$(says "touch down $centre_x $centre_y" "touch up")
check "a tap opens the studio on the clock" 'echo "$gesture"; opened_since $before quillon://widget/clock' 15
before=$(links_count)
read -r sx sy < <(towards_middle DotClock)
# A finger says where it is, as an absolute pointer does: its steps are paced as that one's are.
gesture=$(say "touch down $centre_x $centre_y" && for step in 1 2 3 4; do
  say "touch move $((centre_x + 100 * sx * step)) $((centre_y + 50 * sy * step))" || exit 1
  sleep 0.15
done && say "touch up")
check "a drag with a finger moves the clock, and its place is kept" \
  'echo "$gesture"; kept_at DotClock $((clock_x + 400 * sx)) $((clock_y + 200 * sy))' 15
check_holds "and opens no link" 1 'opened_since $before'

# KWin's own list of windows, through its scripting, whose print goes to KWin's log. KWin 5.27 lists
# layer surfaces among its windows: what keeps them off the taskbar, the switcher and the pager is
# how it marks them. Its layers: 0 the desktop's, 1 below the windows, 2 the windows'.
kwin_scripting() {
  timeout --foreground 10 dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
    "org.kde.kwin.Scripting.$1" "${@:2}" </dev/null 2>&1
}
# kwin_windows: a line for each window KWin lists, "window pid=… class=… …".
kwin_windows() {
  local tag script loaded
  tag=quillon-list-$(now_us)
  script=$XDG_RUNTIME_DIR/$tag.js
  cat >"$script" <<EOF
var windows = workspace.clientList();
for (var i = 0; i < windows.length; ++i) {
  var w = windows[i];
  print("$tag window pid=" + w.pid + " class=" + w.resourceClass + " caption=" + JSON.stringify(w.caption)
    + " at=" + w.x + "," + w.y + " size=" + w.width + "x" + w.height + " skipTaskbar=" + w.skipTaskbar
    + " skipSwitcher=" + w.skipSwitcher + " skipPager=" + w.skipPager + " layer=" + w.layer);
}
print("$tag end: " + windows.length + " windows");
EOF
  loaded=$(kwin_scripting loadScript "string:$script" "string:$tag")
  [[ $loaded == *"int32 "[0-9]* ]] || { echo "KWin did not load the script: $loaded"; return 1; }
  kwin_scripting start >/dev/null
  wait_until "KWin to run the script" 10 "grep -a '$tag end' '$kwin_log'" >/dev/null ||
    { echo "KWin's log has no line of the script: $(tail -n 5 "$kwin_log")"; return 1; }
  grep -a "$tag window" "$kwin_log" | sed 's/^.*window /window /'
}
widgets_kept_off_lists() {
  local windows widgets
  windows=$(kwin_windows) || { echo "$windows"; return 1; }
  echo "KWin's windows: [${windows:-none}]"
  widgets=$(grep -E " pid=$pid | class=quillon-widgets " <<<"$windows")
  [[ -z $widgets ]] || ! grep -qv 'skipTaskbar=true skipSwitcher=true skipPager=true layer=[01]$' <<<"$widgets"
}
check "KWin shows no widget in the taskbar, the switcher or the pager, and keeps them below the windows" \
  widgets_kept_off_lists

# The studio, minimized, as when the user has put it away, and another window that has the keyboard:
# a click on a widget brings the studio forward with the token KWin gave the widget for the click.
# KWin gives a token only to the active window, which the click makes of the widget; a window that
# asks without one is only marked.
# kwin_run NAME SCRIPT: runs the script in KWin and prints what it printed, its lines starting with
# NAME.
kwin_run() {
  local tag script loaded
  tag=quillon-$1-$(now_us)
  script=$XDG_RUNTIME_DIR/$tag.js
  echo "${2//@/$tag}" >"$script"
  loaded=$(kwin_scripting loadScript "string:$script" "string:$tag")
  [[ $loaded == *"int32 "[0-9]* ]] || { echo "KWin did not load the script: $loaded"; return 1; }
  kwin_scripting start >/dev/null
  wait_until "KWin to run the script" 10 "grep -a '$tag ' '$kwin_log'" >/dev/null ||
    { echo "KWin's log has no line of the script: $(tail -n 5 "$kwin_log")"; return 1; }
  grep -a "$tag " "$kwin_log" | sed "s/^.*$tag /$1: /"
}
active_is() {
  local active
  active=$(kwin_run active 'var w = workspace.activeClient;
print("@ " + (w ? "class=" + w.resourceClass + " pid=" + w.pid + " minimized=" + w.minimized : "none"));')
  echo "$active"
  [[ $active == *"$1"* ]]
}
kill "$studio_stub"
wait "$studio_stub" 2>/dev/null
QT_QPA_PLATFORM=wayland "$(dirname "$host")/quillon" >"$XDG_RUNTIME_DIR/studio.log" 2>&1 </dev/null &
studio=$!
started+=("$studio")
check "the studio opens a window, which KWin makes active" "active_is 'pid=$studio'" 30 ||
  echo "  the studio's words: $(tail -n 5 "$XDG_RUNTIME_DIR/studio.log")"
kwin_run minimize 'workspace.activeClient.minimized = true; print("@ done");' >/dev/null
check "and it is minimized" "! active_is 'pid=$studio'" 15
weston-flower >"$XDG_RUNTIME_DIR/flower.log" 2>&1 </dev/null &
flower=$!
started+=("$flower")
check "another window opens and takes the keyboard" "active_is 'pid=$flower'" 15
# In the corner farthest from the sign, clear of it.
read -r centre_x centre_y < <(widget_centre DotSign)
corner_x=$((centre_x > screen_width / 2 ? 0 : screen_width - 120))
corner_y=$((centre_y > screen_height / 2 ? 0 : screen_height - 120))
kwin_run move "workspace.activeClient.frameGeometry = {x: $corner_x, y: $corner_y, width: 120, height: 120};
print('@ done');" >/dev/null
gesture=$(says "move $centre_x $centre_y" "press left" "release left")
check "a click on a widget brings the studio forward" "echo \"\$gesture\"; active_is 'pid=$studio minimized=false'" 15

kill "$compositor"
wait_until "KWin to end" 15 "! kill -0 $compositor 2>/dev/null"
check "the host ends when KWin goes" "! kill -0 $pid 2>/dev/null || { echo still running; false; }" 15
wait "$pid"
status=$?
check "without crashing" "echo \"exit status $status: \$(tail -n 3 '$log')\"; ((status < 128))"
pid=
finish
