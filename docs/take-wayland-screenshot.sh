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
  # The programs and this script are copied where the other user can reach them.
  stage=$(mktemp -d)
  trap 'rm -rf "$stage"' EXIT
  mkdir -p "$stage/bin" "$stage/lib/quillon/widgets" "$stage/out"
  cp "$build/widgethost/quillon-widgets" "$build/studio/quillon" "$0" "$stage/bin/"
  cp "$build/plugins/widgets/"*.so "$stage/lib/quillon/widgets/"
  chmod -R a+rX "$stage"
  chmod a+w "$stage/out"
  as_user=()
  if [[ $(id -u) -eq 0 ]]; then
    user=${QUILLON_TEST_USER:-quillon-test}
    id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    as_user=(runuser -u "$user" --)
  fi
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

# The six widgets as a user might arrange and theme them with the editor.
mkdir -p "$XDG_CONFIG_HOME/quillon-widgets"
widget() { # kind family x y configuration
  printf '{"plugin": "liblampwork.so", "kind": "%s", "family": "%s", "screen": "HEADLESS-1", "x": %d, "y": %d, "configuration": %s}' "$@"
}
{
  echo '{"widgets": ['
  widget WorldBoard systemLarge 40 40 '{"theme": "midnight"}'; echo ,
  widget DotClock systemSmall 408 40 '{"theme": "amber", "city": "tokyo"}'; echo ,
  widget DotDay systemSmall 596 40 '{"theme": "paper"}'; echo ,
  widget DotCountdown systemMedium 784 40 '{"theme": "sky", "label": "New Year", "target": 820454400}'; echo ,
  widget DotProgress systemMedium 408 228 '{"theme": "matcha", "period": "year"}'; echo ,
  widget DotSign systemExtraLarge 784 228 '{"theme": "phosphor", "message": "WELCOME ABOARD\nPLATFORM 9"}'
  echo ']}'
} >"$XDG_CONFIG_HOME/quillon-widgets/widgets.json"

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
