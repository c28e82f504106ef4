#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/: the studio in normal view, in full view and with the
# how-to popover open, in a dark and a light theme, under Xvfb on a private session bus.
# Installs what it needs (xvfb, xdotool, imagemagick) with scripts/install-dependencies bench.
# With QUILLON_SHOTS_LANGUAGE=de_DE (any language the studio has), the normal view in that
# language instead, as <language>-normal.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
studio=${1:-$root/build/release/bin/quillon}
if [[ -z "${QUILLON_SHOTS_INSIDE:-}" ]]; then
  "$root/scripts/install-dependencies" bench
  export QUILLON_SHOTS_INSIDE=1
  exec dbus-run-session -- xvfb-run -a -s "-noreset -screen 0 1180x760x24" "$0" "$studio"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
group=$(grep -a -o -m1 -E '[A-Z0-9]{10}\.com\.quillon\.Quillon' "$studio" | head -n 1) || true
mkdir -p "$work/$group"
out="$root/docs/screenshots"
shot() { sleep 1.5; import -window root -crop 1180x740+0+0 "$out/$1.png"; }

themes=(midnight paper)
language=${QUILLON_SHOTS_LANGUAGE:-}
if [[ -n $language ]]; then
  export LANG=$language.UTF-8 LANGUAGE= LC_ALL=
  themes=(paper)
fi
for theme in "${themes[@]}"; do
  kind=$([[ $theme == midnight ]] && echo worldBoard || echo countdown)
  printf '{"kind":"%s","theme":"%s","countdownDate":820454400}' "$kind" "$theme" >"$work/$group/studio.v1"
  "$studio" -qwindowgeometry 1180x740+0+0 &
  pid=$!
  sleep 3
  # Without a window manager nothing gives the window the keyboard; ask for it.
  xdotool search --sync --pid "$pid" --onlyvisible --class quillon | head -n 1 | xargs -I{} xdotool windowfocus --sync {} || true
  if [[ -n $language ]]; then
    shot "$language-normal"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    continue
  fi
  shot "$theme-normal"
  xdotool key --clearmodifiers ctrl+shift+f
  shot "$theme-full-view"
  xdotool key Escape
  sleep 1
  # The "Add to Desktop" button sits at the foot of the sidebar.
  xdotool mousemove 100 705 click 1
  shot "$theme-how-to"
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
ls "$out"
