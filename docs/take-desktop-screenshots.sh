#!/usr/bin/env bash
# Takes docs/screenshots/desktop-*.png: quillon-widgets with all six widgets, each in its own
# theme, on an Openbox desktop under Xvfb, once with the xcompmgr compositor (rounded corners) and
# once without (square corners); then the gallery and a widget's editor. Installs what it needs with scripts/install-dependencies bench.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:-$root/build/release/widgethost/quillon-widgets}
if [[ -z "${QUILLON_SHOTS_INSIDE:-}" ]]; then
  "$root/scripts/install-dependencies" bench
  export QUILLON_SHOTS_INSIDE=1
  exec xvfb-run -a -s "-screen 0 1548x700x24" dbus-run-session -- "$0" "$host"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
out="$root/docs/screenshots"

source "$root/docs/six_widgets.sh"
write_six_widgets "$XDG_CONFIG_HOME/quillon-widgets/widgets.json" ""

# One window, cut from the screen so that the window manager's frame shows too.
shot_window() {
  local geometry
  geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                       /Width/ {w=$2} /Height/ {h=$2} END {printf "%dx%d+%d+%d", w+2, h+22, x-1, y-21}')
  import -window root -crop "$geometry" +repage "$2"
}

# The id of a visible window named like $1 that is not among the ids in $2, within ten seconds.
wait_for_new_window() {
  local deadline=$((SECONDS + 10)) id
  while ((SECONDS < deadline)); do
    for id in $(xdotool search --onlyvisible --name "$1"); do
      grep -qx "$id" <<<"$2" || { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  echo "no new window named $1 within ten seconds" >&2
  return 1
}

# A desktop that is not plain black, so the corners show.
openbox & sleep 1
# Set as a root pixmap, which the compositor draws too.
hsetroot -solid '#4a5d6e'
for mode in plain composited; do
  if [[ $mode == composited ]]; then xcompmgr & compositor=$!; sleep 1; fi
  "$host" & pid=$!
  sleep 3
  import -window root "$out/desktop-$mode.png"
  if [[ $mode == composited ]]; then
    # The gallery, and the editor of the clock from its right-click menu.
    dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost com.quillon.WidgetHost.ShowGallery >/dev/null
    sleep 2
    shot_window "$(xdotool search --name 'Edit Widgets' | head -n 1)" "$out/widgets-gallery.png"
    # Out of the clock's way: the editor opens from the clock's own menu.
    xdotool windowminimize "$(xdotool search --name 'Edit Widgets' | head -n 1)"; sleep 0.5
    clocks_before=$(xdotool search --onlyvisible --name '^Clock$' | sort)
    xdotool mousemove 490 120 click 3; sleep 0.7
    xdotool key Down Return
    editor=$(wait_for_new_window '^Clock$' "$clocks_before")
    shot_window "$editor" "$out/widgets-editor.png"
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [[ $mode == composited ]] && kill "$compositor"
done
ls "$out"/desktop-*
