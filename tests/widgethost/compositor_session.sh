# What the host's tests under a desktop's own compositor share, sourced after
# tests/support/checks.sh and tests/support/widget_host_session.sh: the programs staged for the test
# user, the session's folders, the programs the test starts (ended with it), the host's kept places,
# a stand-in for the studio that notes the links widgets open, and a line-driven input program.
# Each test runs itself again: outside, as whoever runs ctest, it stages the programs and starts its
# inside part (QUILLON_SESSION_TEST_INSIDE=1) as the test user, with a session bus of its own.

compositor_session_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$compositor_session_dir/../support/desktop_user.sh"

# fail_now REASON: the test cannot go on; it fails, saying why, with the checks so far counted.
fail_now() {
  echo "FAILED: $*"
  echo "$((failures + 1)) failed"
  exit 1
}

# require_tools TOOL...: each is on PATH, or the test fails naming the missing: CI runs these tests,
# and scripts/install-dependencies installs what they need.
require_tools() {
  local tool missing=()
  for tool in "$@"; do command -v "$tool" >/dev/null || missing+=("$tool"); done
  ((${#missing[@]} == 0)) || fail_now "not installed: ${missing[*]} (scripts/install-dependencies installs them)"
}

# stage_session_test FOLDER HOST PLUGIN [-- FILE...]: the programs (as stage_programs lays them out)
# and the test's scripts in FOLDER, readable by the test user, who cannot read a build tree under
# root's home. The test's script is then FOLDER/tests/widgethost/<its name>.
stage_session_test() {
  local folder=$1
  shift
  stage_programs "$folder" "$@"
  mkdir -p "$folder/tests/widgethost" "$folder/tests/support"
  cp "$0" "$compositor_session_dir/compositor_session.sh" "$compositor_session_dir"/*.py "$folder/tests/widgethost/"
  cp "$compositor_session_dir/../support/"{checks.sh,widget_host_session.sh,desktop_user.sh} "$folder/tests/support/"
  chmod -R a+rX "$folder"
}

# session_command FOLDER ARGUMENTS...: sets the array session_command to what runs the staged test's
# inside part, with those arguments, as the test user (desktop_user_prefix) with a session bus of its
# own. Fails, saying why, where there is no such user.
session_command() {
  desktop_user_prefix || return 1
  session_command=("${as_user[@]}" env QUILLON_SESSION_TEST_INSIDE=1
    dbus-run-session -- bash "$1/tests/widgethost/$(basename "$0")" "${@:2}")
}

# run_session LIMIT WHAT COMMAND...: within_limit, with the session's standard error (the chatter of
# its bus and of the desktop's helpers) kept apart, and shown when the test fails.
run_session() {
  local errors status
  errors=$(mktemp)
  within_limit "$1" "$2" "${@:3}" 2>"$errors"
  status=$?
  if ((status != 0)) && [[ -s $errors ]]; then
    echo "the session's standard error, its last 40 lines:"
    tail -n 40 "$errors" | sed 's/^/  /'
  fi
  rm -f "$errors"
  return "$status"
}

# --- The inside part -------------------------------------------------------------------------------

# Programs the test started, ended when it ends, as their processes' ids.
started=()
# open_session: folders of the session's own, removed when the test ends, after the programs in
# $started have been asked to end (and made to, if they have not within a few seconds), and with them
# whatever else was given this session's XDG_RUNTIME_DIR: what they started in turn may outlive them,
# as a compositor's XWayland does when the compositor is killed.
open_session() {
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XAUTHORITY SWAYSOCK
  export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d)
  export XDG_CACHE_HOME=$(mktemp -d) HOME=$(mktemp -d) TZ=UTC
  log=$XDG_RUNTIME_DIR/host.log
  kept=$XDG_CONFIG_HOME/quillon/widgets.json
  pid=
  trap close_session EXIT
  # An input program that has ended makes say fail, rather than end the test.
  trap '' PIPE
}
close_session() {
  local running=("${started[@]}") end=$(($(now_us) + 5 * 1000000))
  [[ -n $pid ]] && running+=("$pid")
  if ((${#running[@]})); then
    kill "${running[@]}" 2>/dev/null
    while (($(now_us) < end)) && kill -0 "${running[@]}" 2>/dev/null; do sleep 0.1; done
    kill -KILL "${running[@]}" 2>/dev/null
  fi
  local environment stray=()
  for environment in $(grep -lzx "XDG_RUNTIME_DIR=$XDG_RUNTIME_DIR" /proc/[0-9]*/environ 2>/dev/null); do
    environment=${environment#/proc/}
    stray+=("${environment%/environ}")
  done
  ((${#stray[@]})) && kill -KILL "${stray[@]}" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$HOME"
}
finish() {
  echo "$failures failed"
  exit $((failures > 0))
}

# start_host: the host, logging to $log with its timelines' lines, answering on the bus; without it
# nothing else can be checked. With the variables $host_environment holds ("NAME=value"), if any.
host_environment=()
start_host() {
  env "${host_environment[@]}" QT_LOGGING_RULES="quillon.widgets.timelines.info=true" "$host" 2>"$log" </dev/null &
  pid=$!
  check "the host starts and answers on the bus" "host_runs $pid && call_answers false AddWidget string:DotNothing string:systemSmall" 30 ||
    fail_now "the host did not start"
}
# place_clock_and_sign: a small clock and a medium sign placed through the bus, as the studio asks;
# the gestures after need their kept places.
place_clock_and_sign() {
  check "a clock widget is placed" "call_answers true PlaceWidget string:DotClock string:systemSmall"
  check "a sign widget is placed" "call_answers true PlaceWidget string:DotSign string:systemMedium"
  check "both are kept" "kept_count_is 2" 15 || fail_now "there are no widgets to go on with"
}

# kept_widgets: "KIND FAMILY X Y" for each widget in the host's file, in whole points.
kept_widgets() {
  [[ -s $kept ]] || { echo "no $kept yet"; return 1; }
  python3 -c 'import json, sys
for widget in json.load(open(sys.argv[1]))["widgets"]:
    print(widget["kind"], widget["family"], round(widget["x"]), round(widget["y"]))' "$kept" 2>&1
}
kept_count_is() {
  local widgets
  widgets=$(kept_widgets) || { echo "$widgets"; return 1; }
  echo "kept: [$(echo $widgets)]"
  [[ $(grep -c . <<<"$widgets") -eq $1 ]]
}
# family_size FAMILY: "WIDTH HEIGHT" in points.
family_size() {
  case $1 in
  systemSmall) echo 164 164 ;;
  systemMedium) echo 344 164 ;;
  systemLarge) echo 344 344 ;;
  systemExtraLarge) echo 724 344 ;;
  *) echo "no such family $1" >&2; return 1 ;;
  esac
}
# widget_box KIND: "X Y WIDTH HEIGHT" of the kept widget of that kind.
widget_box() {
  local kind family x y
  read -r kind family x y < <(kept_widgets | grep "^$1 ")
  [[ -n ${y:-} ]] || { echo "no $1 kept: [$(kept_widgets | tr '\n' ' ')]"; return 1; }
  echo "$x $y $(family_size "$family")"
}
# widget_centre KIND: "X Y" of the middle of the kept widget of that kind.
widget_centre() {
  local x y w h
  read -r x y w h < <(widget_box "$1")
  [[ -n ${h:-} ]] || { widget_box "$1"; return 1; }
  echo "$((x + w / 2)) $((y + h / 2))"
}
# towards_middle KIND: "1" or "-1" for each axis, the way from the kept widget of that kind towards
# the middle of the screen: a drag that way stays on the screen.
towards_middle() {
  local x y
  read -r x y < <(widget_centre "$1")
  echo "$((x < screen_width / 2 ? 1 : -1)) $((y < screen_height / 2 ? 1 : -1))"
}
# pointer_to X Y: the pointer there, moved by relative motion only, as a mouse moves it: first as far
# as it goes to the bottom right corner, where the compositor stops it on the last point of a screen
# of $screen_width by $screen_height (the top left corner may open an overview).
pointer_to() { says "by 5000 5000" "by $(($1 - screen_width + 1)) $(($2 - screen_height + 1))"; }
# kept_at KIND X Y: the widget of that kind is kept there.
kept_at() {
  local box
  box=$(widget_box "$1")
  echo "$1 kept at [${box% * *}], expected at [$2 $3]"
  [[ ${box% * *} == "$2 $3" ]]
}

# start_studio_stub: a stand-in for the studio owns its name on the session bus and notes in $opened
# each link it is asked to open (links shows them): a click on a widget opens the studio over the bus.
start_studio_stub() {
  opened=$XDG_RUNTIME_DIR/opened-links
  : >"$opened"
  python3 "$compositor_session_dir/studio_stub.py" "$opened" >"$XDG_RUNTIME_DIR/studio-stub.log" 2>&1 </dev/null &
  studio_stub=$!
  started+=($!)
  check "a stand-in for the studio owns its name on the bus" "file_has -x ready '$XDG_RUNTIME_DIR/studio-stub.log'" 15
}
# opened_since COUNT [LINK]: after the first COUNT links, only LINK has been opened (nothing, without
# one).
opened_since() {
  local after
  links
  after=$(tail -n "+$(($1 + 1))" "$opened" | tr '\n' ' ')
  [[ $after == "${2:+$2 }" ]]
}
# tokens_since COUNT: the studio was asked to open something after its first COUNT calls, each time
# with an activation token to come forward with.
tokens_since() {
  local after
  after=$(tail -n "+$(($1 + 1))" "$opened.tokens" 2>/dev/null)
  echo "activation tokens after the first $1 calls: [$(echo "$after" | tr '\n' ' ')]"
  [[ -n $after ]] && ! grep -qx -- - <<<"$after"
}
calls_count() {
  local count
  count=$(grep -c . "$opened.tokens" 2>/dev/null)
  echo "${count:-0}"
}
links_count() {
  local count
  count=$(grep -c . "$opened" 2>/dev/null)
  echo "${count:-0}"
}

# start_input WHAT COMMAND...: a program that takes lines on its standard input and answers each
# ("ready" when it starts, then "ok" or "error: …"), for say; the gestures need it. Through pipes
# with names, which stay open in the subshells where checks are evaluated.
start_input() {
  local ready
  mkfifo "$XDG_RUNTIME_DIR/input-lines" "$XDG_RUNTIME_DIR/input-answers"
  "${@:2}" <"$XDG_RUNTIME_DIR/input-lines" >"$XDG_RUNTIME_DIR/input-answers" 2>&1 &
  started+=($!)
  exec {input_out}>"$XDG_RUNTIME_DIR/input-lines" {input_in}<"$XDG_RUNTIME_DIR/input-answers"
  read -r -t 15 ready <&"$input_in"
  input_ready=${ready:-nothing}
  check "$1" 'echo "it said: $input_ready"; [[ $input_ready == ready ]]' || fail_now "there is nothing to drive the pointer with"
}
# say LINE: sends the line to the input program and prints what it answers up to its "ok"; fails
# with its error, or when it says nothing within ten seconds.
say() {
  local reply
  echo "$*" >&"$input_out" || { echo "the input program has ended, before '$*'"; return 1; }
  while read -r -t 10 reply <&"$input_in"; do
    [[ $reply == ok ]] && return 0
    [[ $reply == error* ]] && { echo "'$*': $reply"; return 1; }
    echo "$reply"
  done
  echo "the input program did not answer '$*'"
  return 1
}
# says LINE...: each line in turn; stops at the first that fails, showing why.
says() {
  local line
  for line in "$@"; do say "$line" || return 1; done
}
