#!/usr/bin/env bash
# quillon-widgets under openbox, in Xvfb, as on the light desktops that run it: the widget windows
# are desktop windows on every workspace and out of the task bar and pager, kept under a normal
# window even when clicked, raised back over another program's desktop window that comes up or is
# clicked over them, and in sight when the desktop is shown, where a click still opens the link and
# the menu still opens; a click gives a widget the keyboard, whose Menu key opens its menu; and a
# drag moves a widget and is kept.
# Usage: openbox_session_test.sh path/to/quillon-widgets path/to/liblampwork.so
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/checks.sh"
source "$here/../support/widget_host_session.sh"
limit=150
if [[ -z ${QUILLON_OPENBOX_TEST_INSIDE:-} ]]; then
  for tool in Xvfb xvfb-run xauth openbox dbus-run-session xdotool xprop xwininfo xmessage; do
    if ! command -v "$tool" >/dev/null; then
      echo "FAILED: $tool is not installed (scripts/install-dependencies installs it)"
      exit 1
    fi
  done
  source "$here/../support/desktop_user.sh"
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  stage_programs "$stage" "$1" "$2"
  mkdir -p "$stage/config" "$stage/data"
  # Each X session test looks for a free display from a number of its own: two "xvfb-run -a" started
  # at once take the same first free number, and one's programs then meet the other's server.
  # The inner run marks its start in the file the variable names. An X server with no client resets
  # and refuses connections for a moment: the first check's client leaving must not shut out openbox.
  within_limit "$limit" "the openbox session test" env QUILLON_OPENBOX_TEST_INSIDE="$stage/started" \
    XDG_CONFIG_HOME="$stage/config" XDG_DATA_HOME="$stage/data" \
    xvfb-run -a -n 170 -s "-noreset -screen 0 1400x900x24" dbus-run-session -- "$0" "$stage/bin/quillon-widgets" 2>&1 |
    grep -v 'fd limit'
  status=${PIPESTATUS[0]}
  [[ -e $stage/started ]] || echo "FAILED: Xvfb did not start (xvfb-run's words above, exit status $status)"
  exit "$status"
fi

: >"$QUILLON_OPENBOX_TEST_INSIDE"
host=$1
wait_budget_end=$(($(now_us) + 120 * 1000000))
# No X client may block the script: each gets a deadline, and no window id may be empty, as xwininfo
# and xprop wait for a click to pick a window when given none.
bounded() { timeout --foreground 10 "$@" </dev/null; }
window_info() { [[ -n $1 ]] || { echo "no window id"; return 1; }; bounded xwininfo -id "$1"; }
window_property() { [[ -n $1 ]] || { echo "no window id"; return 1; }; bounded xprop -id "$@"; }
hex() { printf '0x%x\n' "$@"; }
# pointer_to X Y: moves the pointer there and waits till it is; "xdotool mousemove --sync" to where
# the pointer already is waits for a move that never comes.
pointer_to() {
  [[ $(bounded xdotool getmouselocation) == "x:$1 y:$2 "* ]] || bounded xdotool mousemove --sync "$1" "$2"
}
pid= wm= others=()
trap 'kill -KILL $pid $wm ${others[*]} 2>/dev/null' EXIT

if ! check "Xvfb answers on display $DISPLAY" "bounded xprop -root _NET_SUPPORTED >/dev/null" 10; then
  echo "$failures failed, the rest not run"
  exit 1
fi

# openbox with the bindings of its stock configuration that matter here: a click on a window or on
# a desktop window focuses and raises it, a right click on the root window opens openbox's menu, and
# Super+D shows the desktop.
mkdir -p "$XDG_CONFIG_HOME/openbox"
cat >"$XDG_CONFIG_HOME/openbox/test-rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard>
    <keybind key="W-d"><action name="ToggleShowDesktop"/></keybind>
  </keyboard>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Desktop">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Root">
      <mousebind button="Right" action="Press"><action name="ShowMenu"><menu>root-menu</menu></action></mousebind>
    </context>
  </mouse>
</openbox_config>
EOF
openbox --config-file "$XDG_CONFIG_HOME/openbox/test-rc.xml" >"$XDG_CONFIG_HOME/openbox.log" 2>&1 </dev/null &
wm=$!
window_manager() {
  local check_window
  check_window=$(bounded xprop -root _NET_SUPPORTING_WM_CHECK | grep -o '0x[0-9a-f]*$')
  echo "the window manager: $(window_property "$check_window" _NET_WM_NAME 2>&1)"
  window_property "$check_window" _NET_WM_NAME 2>/dev/null | grep -q '"Openbox"'
}
if ! check "openbox starts" "kill -0 $wm 2>/dev/null || { echo 'openbox has ended'; head -c 2000 '$XDG_CONFIG_HOME/openbox.log'; exit 1; }; window_manager" 15; then
  echo "openbox did not start; its output: $(head -c 3000 "$XDG_CONFIG_HOME/openbox.log")"
  echo "$failures failed, the rest not run"
  exit 1
fi

install_link_stub
log=$XDG_CONFIG_HOME/host.log
name_owned() {
  local reply
  reply=$(timeout --foreground 10 dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:com.quillon.WidgetHost </dev/null 2>&1)
  echo "name owned: ${reply##*$'\n'}"
  [[ $reply == *'boolean true'* ]]
}
"$host" 2>"$log" </dev/null &
pid=$!
if ! check "the host takes its bus name" "host_runs $pid && name_owned" 30; then
  echo "  the host's standard error: $(head -c 3000 "$log")"
  echo "$failures failed, the rest not run"
  exit 1
fi
check "a clock widget is placed" "call_answers true AddWidget string:DotClock string:systemSmall"
check "a sign widget is placed" "call_answers true AddWidget string:DotSign string:systemMedium"

# The host's windows the window manager manages.
widget_windows() {
  local window
  for window in $(bounded xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
    window_property "$window" WM_CLASS 2>/dev/null | grep -q '"quillon-widgets"' && echo "$window"
  done
}
widget_windows_are() {
  local windows
  windows=$(widget_windows)
  echo "the host's windows in openbox's list: [$(echo $windows)]"
  [[ $(echo "$windows" | grep -c .) -eq $1 ]]
}
if ! check "openbox manages two widget windows" "widget_windows_are 2" 30; then
  echo "$failures failed, the rest not run"
  exit 1
fi
widgets=$(widget_windows)
# place WINDOW: the window's left, top, width and height.
place() {
  window_info "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {print x, y, w, $2}'
}
clock=$(for window in $widgets; do [[ $(place "$window") == *' 164 164' ]] && echo "$window"; done | head -n 1)
sign=$(for window in $widgets; do [[ $window != "$clock" ]] && echo "$window"; done)
check "the clock's window is known by its size" "echo \"windows: [\$(for w in $(echo $widgets); do echo \"\$w: \$(place \$w)\"; done)]\"; [[ -n '$clock' && -n '$sign' ]]"
# desktop_widget WINDOW: the window's hints, and whether they make it a desktop widget that stands
# alone and takes the focus only when clicked, as the desktop does.
desktop_widget() {
  local hints
  hints=$(window_property "$1" _NET_WM_WINDOW_TYPE _NET_WM_DESKTOP _NET_WM_STATE WM_TRANSIENT_FOR WM_HINTS 2>&1)
  echo "$hints"
  [[ $hints == *'_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_DESKTOP'* &&
    $hints == *'_NET_WM_DESKTOP(CARDINAL) = 4294967295'* &&
    $hints == *_NET_WM_STATE_SKIP_TASKBAR* && $hints == *_NET_WM_STATE_SKIP_PAGER* &&
    $hints == *'WM_TRANSIENT_FOR:  not found'* && $hints == *'accepts input or input focus: True'* ]]
}
for window in $widgets; do
  check "window $window is a desktop window on every workspace, out of the task bar and pager, for no other window" \
    "desktop_widget $window" 15
done

# stacked_under WINDOW... OVER: each window is under OVER in openbox's stacking order.
stacked_under() {
  local stacking over=${*: -1} window
  stacking=" $(bounded xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' | tr '\n' ' ')"
  echo "the stacking order from the bottom: [$stacking]; [${*:1:$#-1}] should be under $over"
  for window in "${@:1:$#-1}"; do
    [[ $stacking == *" $window "*"$over "* ]] || return 1
  done
}
map_state() {
  echo "$1: $(window_info "$1" | grep 'Map State')"
  window_info "$1" | grep -q "Map State: $2"
}
# new_window TITLE GEOMETRY: opens an xmessage window of that title and prints its id once shown.
new_window() {
  local found
  # Without buttons, which a click would close it by.
  xmessage -buttons '' -title "$1" -geometry "$2" "$1" </dev/null >/dev/null 2>&1 &
  others+=($!)
  found=$(bounded xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
  [[ -n $found ]] && hex "$found"
}
# spot_on WINDOW [AWAY...]: a point of the window, 20 pixels in from one of its corners, that no
# window AWAY covers, with room for the frame openbox draws around it.
spot_on() {
  local corner x y wx wy ww wh away ax ay aw ah free
  read -r wx wy ww wh < <(place "$1")
  for corner in "$((wx + 20)) $((wy + 20))" "$((wx + ww - 20)) $((wy + 20))" "$((wx + 20)) $((wy + wh - 20))" \
    "$((wx + ww - 20)) $((wy + wh - 20))"; do
    read -r x y <<<"$corner"
    free=true
    for away in "${@:2}"; do
      read -r ax ay aw ah < <(place "$away")
      ((x >= ax - 40 && x < ax + aw + 40 && y >= ay - 40 && y < ay + ah + 40)) && free=false
    done
    $free && echo "$x $y" && return
  done
}

# A normal window over the widgets' lower parts (or their upper parts, were they low on the screen),
# leaving each a corner free for the pointer.
read -r clock_left clock_top _ < <(place "$clock")
read -r _ sign_top _ < <(place "$sign")
lowest=$((clock_top > sign_top ? clock_top : sign_top)) highest=$((clock_top < sign_top ? clock_top : sign_top))
if ((lowest + 100 + 150 <= 900)); then
  geometry="1300x$((900 - lowest - 100 - 40))+20+$((lowest + 100))"
else
  geometry="1300x$((highest + 64 - 30))+20+0"
fi
normal=$(new_window "A normal window" "$geometry")
check "a normal window opens over the widgets" "echo 'its id: [$normal]'; stacked_under $clock $sign $normal" 15
clock_spot=$(spot_on "$clock" "$normal")
check "a corner of the clock is in sight" "echo \"the clock: \$(place $clock); the normal window: \$(place $normal); spot: [$clock_spot]\"; [[ -n '$clock_spot' ]]"
read -r x y <<<"${clock_spot:-0 0}"
pointer_to "$x" "$y" && bounded xdotool click 1
check "a click on the clock opens its link" "links; grep -q '^quillon://widget/clock' '$opened'" 20
check_holds "and the clock stays under the normal window" 1 "stacked_under $clock $sign $normal"
# The keyboard's focus, as a click on the desktop gives the desktop: its Menu key opens the menu.
active_is() {
  local active
  active=$(bounded xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*$')
  echo "active: ${active:-none}, wanted: $1"
  [[ $((active)) -eq $(($1)) ]]
}
check "and takes the keyboard's focus" "active_is $clock" 15

# Another program's desktop window over the whole screen, as a file manager's or Plasma's: it comes
# up over the widgets and, once clicked, is raised over them again; the widgets rise back over it.
# xmessage becomes one by being shown again with that type.
other=$(new_window "Another desktop" "1400x900+0+0")
if check "another program's window opens" "echo 'its id: [$other]'; [[ $other =~ ^0x[0-9a-f]+$ ]]" 15; then
  bounded xdotool windowunmap --sync "$other"
  window_property "$other" -f _NET_WM_WINDOW_TYPE 32a -set _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DESKTOP
  bounded xdotool windowmap --sync "$other"
  check "and becomes a desktop window" "map_state $other IsViewable && stacked_under $other $normal" 15
  check "the widgets come back over it" "stacked_under $other $clock && stacked_under $other $sign" 15
  spot=$(spot_on "$other" "$clock" "$sign" "$normal")
  if check "a spot of the other desktop is free to click" "echo 'spot: [$spot]'; [[ -n '$spot' ]]"; then
    read -r x y <<<"$spot"
    pointer_to "$x" "$y" && bounded xdotool click 1
    check "a click on the other desktop gives it the focus" \
      "active=\$(bounded xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*$'); echo \"active: \${active:-none}\"; [[ \$active == $other ]]" 15
    check "and the widgets come back over it, under the normal window" \
      "stacked_under $other $clock && stacked_under $other $sign && stacked_under $clock $sign $normal" 15
  fi
fi

# Show Desktop hides the normal window and leaves the widgets in sight, clicked and with their menu.
bounded xdotool key super+d
showing() {
  local state
  state=$(bounded xprop -root _NET_SHOWING_DESKTOP)
  echo "$state"
  [[ $state == *"= $1" ]]
}
check "Super+D shows the desktop" "showing 1" 15
check "which hides the normal window" "map_state $normal IsUnMapped" 15
check_holds "and leaves both widgets in sight" 1 "map_state $clock IsViewable && map_state $sign IsViewable"
read -r x y <<<"${clock_spot:-0 0}"
pointer_to "$x" "$y" && bounded xdotool click 1
check "a click on the clock there opens its link" "links; [[ \$(grep -c '^quillon://widget/clock' '$opened') -eq 2 ]]" 20
check_holds "and the desktop stays shown" 1 "showing 1 && map_state $clock IsViewable"
# The menu is a popup of the host's, over everything, which openbox does not manage.
menus() {
  local window
  for window in $(bounded xwininfo -root -children | grep -o '0x[0-9a-f]*' | tail -n +2); do
    window_property "$window" WM_CLASS 2>/dev/null | grep -q '"quillon-widgets"' &&
      window_info "$window" | grep -q 'Override Redirect State: yes' &&
      window_info "$window" | grep -q IsViewable && echo "$window"
  done
}
menu_count_is() {
  local shown
  shown=$(menus)
  echo "menus shown: [$(echo $shown)]"
  [[ $(echo "$shown" | grep -c .) -eq $1 ]]
}
pointer_to "$x" "$y" && bounded xdotool click 3
check "a right click on the clock opens its menu" "menu_count_is 1" 15
bounded xdotool key Escape
check "which closes on Escape" "menu_count_is 0" 15
check "the clock has the keyboard" "active_is $clock" 15
bounded xdotool key Menu
check "and the Menu key opens its menu there" "menu_count_is 1" 15
bounded xdotool key Escape
check "which closes on Escape" "menu_count_is 0" 15
bounded xdotool key super+d
check "Super+D again brings the windows back" "showing 0 && map_state $normal IsViewable" 15
check "with the widgets under the normal window" "stacked_under $clock $sign $normal" 15

# A drag moves the clock, as the host moves the window itself, and the place is kept: towards the
# middle of the screen, where the whole of it stays on the screen.
kept=$XDG_CONFIG_HOME/quillon/widgets.json
dx=$((clock_left < 600 ? 30 : -30)) dy=$((clock_top < 400 ? 30 : -30))
read -r x y <<<"${clock_spot:-0 0}"
pointer_to "$x" "$y" && bounded xdotool mousedown 1 mousemove --sync $((x + 2 * dx / 3)) $((y + 2 * dy / 3)) \
  mousemove --sync $((x + dx)) $((y + dy)) mouseup 1
moved_to=$((clock_left + dx))' '$((clock_top + dy))
check "a drag moves the clock" "echo \"the clock: \$(place $clock), was at $clock_left $clock_top\"; [[ \$(place $clock) == '$moved_to '* ]]" 15
check "to a place that is kept" "echo \"kept: \$(head -c 1500 '$kept')\"; grep -q '\"x\": *$((clock_left + dx))' '$kept'" 15
check "and under the normal window still" "stacked_under $clock $normal" 15

stop_host
echo "$failures failed"
exit $((failures > 0))
