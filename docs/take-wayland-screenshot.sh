#!/usr/bin/env bash
# Takes docs/screenshots/desktop-wayland.png: quillon-widgets with all six widgets as layer surfaces
# of a headless sway desktop over a wallpaper of one colour, and the studio's window open over
# them, taken with grim. sway will not run as root: as root, the desktop runs as the user
# QUILLON_TEST_USER names, or a system user "quillon-test" made for the purpose.
# Usage: docs/take-wayland-screenshot.sh [path/to/build/release]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}

if [[ -z "${QUILLON_SHOTS_INSIDE:-}" ]]; then
  "$root/scripts/install-dependencies"
  source "$root/tests/support/desktop_user.sh"
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  stage_programs "$stage" "$build/bin/quillon-widgets" "$build/lib/quillon/widgets/"*.so -- \
    "$build/bin/quillon" "$0" "$root/docs/six_widgets.sh"
  mkdir -p "$stage/out"
  chmod a+w "$stage/out"
  desktop_user_prefix
  cd "$stage"
  "${as_user[@]}" env QUILLON_SHOTS_INSIDE=1 dbus-run-session -- bash "$stage/bin/$(basename "$0")" "$stage" 2>&1 |
    grep -v 'fd limit'
  cp "$stage/out/desktop-wayland.png" "$root/docs/screenshots/"
  ls "$root/docs/screenshots/desktop-wayland.png"
  exit 0
fi

stage=$1
export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) XDG_DATA_HOME=$(mktemp -d)
unset DISPLAY WAYLAND_DISPLAY
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT

source "$stage/bin/six_widgets.sh"
write_six_widgets "$XDG_CONFIG_HOME/quillon/widgets.json" HEADLESS-1

# The studio floats where it covers a corner of the sign: the widgets stay under windows.
cat >"$XDG_RUNTIME_DIR/config" <<'CONFIG'
output * bg #4a5d6e solid_color
output HEADLESS-1 resolution 1800x1040
xwayland disable
default_border normal 1
for_window [app_id="com.quillon.Quillon"] floating enable, resize set 1000 660, move position 760 350
CONFIG
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$XDG_RUNTIME_DIR/config" >/dev/null 2>&1 &
for _ in $(seq 100); do ls "$XDG_RUNTIME_DIR" | grep -qE '^wayland-[0-9]+$' && break; sleep 0.1; done
export WAYLAND_DISPLAY=$(ls "$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+$' | head -n 1)
"$stage/bin/quillon-widgets" &
"$stage/bin/quillon" &
sleep 4
grim "$stage/out/desktop-wayland.png"
