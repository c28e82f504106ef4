#!/usr/bin/env bash
# Takes docs/screenshots/desktop-*.png: quillon-widgets with all six widgets, each in its own
# theme, on an Openbox desktop under Xvfb, once with the xcompmgr compositor (rounded corners) and
# once without (square corners); then the gallery and a widget's editor. Installs what it needs with scripts/install-dependencies bench.
# With QUILLON_SHOTS_LANGUAGE=de_DE (any language the host has), only the gallery and the editor in
# that language, as <language>-widgets-gallery.png and <language>-widgets-editor.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:-$root/build/release/bin/quillon-widgets}
if [[ -z "${QUILLON_SHOTS_INSIDE:-}" ]]; then
  "$root/scripts/install-dependencies" bench
  export QUILLON_SHOTS_INSIDE=1
  exec xvfb-run -a -s "-noreset -screen 0 1548x700x24" dbus-run-session -- "$0" "$host"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
out="$root/docs/screenshots"

source "$root/docs/six_widgets.sh"
write_six_widgets "$XDG_CONFIG_HOME/quillon/widgets.json" ""

# One window, cut from the screen so that the window manager's frame shows too.
shot_window() {
  local geometry
  geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                       /Width/ {w=$2} /Height/ {h=$2} END {printf "%dx%d+%d+%d", w+2, h+22, x-1, y-21}')
  import -window root -crop "$geometry" +repage "$2"
}

# The ids of the visible windows of the host and of its settings program, which shows the gallery
# and the editors; window names are no help, being in the user's language.
host_windows() {
  local process
  for process in "$pid" $(pgrep -f "$(dirname "$host")/quillon-widget-settings"); do
    xdotool search --onlyvisible --pid "$process" 2>/dev/null
  done | sort
}
# The id of a visible window of the host's that is not among the ids in $1, within ten seconds.
wait_for_new_window() {
  local deadline=$((SECONDS + 10)) id
  while ((SECONDS < deadline)); do
    for id in $(host_windows); do
      grep -qx "$id" <<<"$1" || { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  echo "no new window of the host's within ten seconds" >&2
  return 1
}

modes=(plain composited)
language=${QUILLON_SHOTS_LANGUAGE:-}
prefix=
in_language=()
if [[ -n $language ]]; then
  # The host alone: the X tools of this script need a locale the machine has generated.
  in_language=(env LANG=$language.UTF-8 LANGUAGE= LC_ALL=)
  modes=(composited)
  prefix=$language-
fi
# A desktop that is not plain black, so the corners show.
openbox & sleep 1
# Set as a root pixmap, which the compositor draws too.
hsetroot -solid '#4a5d6e'
for mode in "${modes[@]}"; do
  if [[ $mode == composited ]]; then xcompmgr & compositor=$!; sleep 1; fi
  "${in_language[@]}" "$host" & pid=$!
  sleep 3
  [[ -z $language ]] && import -window root "$out/desktop-$mode.png"
  if [[ $mode == composited ]]; then
    # The gallery, and the editor of the clock from its right-click menu.
    widgets=$(host_windows)
    dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost com.quillon.WidgetHost.ShowGallery >/dev/null
    gallery=$(wait_for_new_window "$widgets")
    sleep 2
    shot_window "$gallery" "$out/${prefix}widgets-gallery.png"
    # Out of the clock's way: the editor opens from the clock's own menu.
    xdotool windowminimize "$gallery"; sleep 0.5
    xdotool mousemove 490 120 click 3; sleep 0.7
    xdotool key Down Return
    editor=$(wait_for_new_window "$widgets")
    sleep 1
    shot_window "$editor" "$out/${prefix}widgets-editor.png"
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  pkill -f "$(dirname "$host")/quillon-widget-settings" || true
  [[ $mode == composited ]] && kill "$compositor"
done
ls "$out"/*desktop-* "$out"/*widgets-*
