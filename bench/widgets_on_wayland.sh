#!/usr/bin/env bash
# Measures quillon-widgets with the six widgets placed, as layer surfaces under headless sway and as
# X11 windows under Xvfb, one after the other on the same machine: average CPU use over the same
# span and resident memory at its end (targets for the host: under 0.2 % of one core, under
# 80 MiB either way). sway will not run as root: as root, the sway run is made as the user
# QUILLON_TEST_USER names, or a system user "quillon-test" made for the purpose.
# Usage: bench/widgets_on_wayland.sh [path/to/quillon-widgets]   (default: build/release/...)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:-$root/build/release/bin/quillon-widgets}
seconds=${QUILLON_CPU_SECONDS:-120}

# measure WHAT: the host's figures on the desktop the environment gives it, with the six widgets.
measure() {
  local what=$1 work host_pid before after
  work=$(mktemp -d)
  export XDG_CONFIG_HOME=$work
  "$host" 2>/dev/null &
  host_pid=$!
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost \
      com.quillon.WidgetHost.AddWidget string:WorldBoard string:systemMedium >/dev/null 2>&1 && break
    sleep 0.1
  done
  for widget in "DotClock systemSmall" "DotDay systemSmall" "DotProgress systemSmall" \
    "DotCountdown systemSmall" "DotSign systemMedium"; do
    set -- $widget
    dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost \
      com.quillon.WidgetHost.AddWidget "string:$1" "string:$2" >/dev/null
  done
  sleep 5 # settled
  before=$(awk '{print $14 + $15}' "/proc/$host_pid/stat")
  sleep "$seconds"
  after=$(awk '{print $14 + $15}' "/proc/$host_pid/stat")
  awk -v what="$what" -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
    -v kib="$(awk '/VmRSS/ {print $2}' "/proc/$host_pid/status")" \
    'BEGIN {printf "  %-34s CPU %.3f %% of one core, resident %.1f MiB\n", what, 100 * t / hz / s, kib / 1024}'
  kill "$host_pid"
  wait "$host_pid" 2>/dev/null || true
  rm -rf "$work"
}

case "${QUILLON_BENCH_INSIDE:-}" in
x11)
  measure "X11 windows (Xvfb):"
  exit 0
  ;;
wayland)
  export XDG_RUNTIME_DIR=$(mktemp -d)
  printf 'output * bg #336699 solid_color\noutput HEADLESS-1 resolution 1920x1080\nxwayland disable\n' >"$XDG_RUNTIME_DIR/config"
  WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$XDG_RUNTIME_DIR/config" >/dev/null 2>&1 &
  sway_pid=$!
  for _ in $(seq 100); do ls "$XDG_RUNTIME_DIR" | grep -qE '^wayland-[0-9]+$' && break; sleep 0.1; done
  export WAYLAND_DISPLAY=$(ls "$XDG_RUNTIME_DIR" | grep -E '^wayland-[0-9]+$' | head -n 1)
  unset DISPLAY
  measure "layer surfaces (headless sway):"
  kill "$sway_pid"
  rm -rf "$XDG_RUNTIME_DIR"
  exit 0
  ;;
esac

"$root/scripts/install-dependencies" bench
echo "over ${seconds} s, six widgets placed:"
QUILLON_BENCH_INSIDE=x11 xvfb-run -a -s "-noreset -screen 0 1920x1080x24" dbus-run-session -- "$0" "$host" 2>&1 |
  grep -v 'fd limit'
source "$root/tests/support/desktop_user.sh"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
stage_programs "$stage" "$host" "$(dirname "$host")/../lib/quillon/widgets/"*.so -- "$0"
desktop_user_prefix
cd "$stage"
"${as_user[@]}" env QUILLON_BENCH_INSIDE=wayland QUILLON_CPU_SECONDS="$seconds" \
  dbus-run-session -- bash "$stage/bin/$(basename "$0")" "$stage/bin/quillon-widgets" 2>&1 | grep -v 'fd limit'
