#!/usr/bin/env bash
# Measures quillon-widgets with six widgets placed, on KWin (layer surfaces, headless), GNOME Shell
# (X11 windows through XWayland, headless) and X11 (Xvfb with openbox): its CPU use while idle and
# its resident memory, first with the widgets alone, then again after the gallery and a widget's
# editor have been opened and closed. Targets: under 0.2 % of one core idle, under 40 MiB after the
# editor. The compositors run as the user QUILLON_TEST_USER names, or "quillon-test", when run as
# root (neither runs as root), each in a session bus of its own.
# Usage: bench/widget_host_resources.sh [kwin] [gnome] [x11]   (default: all three)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${QUILLON_BIN:-$root/build/release/bin}
seconds=${QUILLON_CPU_SECONDS:-60}
desktops=("$@")
((${#desktops[@]})) || desktops=(kwin gnome x11)

# cpu_ticks PID, rss_mib PID
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_mib() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }
call() {
  dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost \
    "com.quillon.WidgetHost.$1" "${@:2}" >/dev/null 2>&1
}
# idle_cpu PID: the share of one core the process used over $seconds.
idle_cpu() {
  local before after
  before=$(cpu_ticks "$1")
  sleep "$seconds"
  after=$(cpu_ticks "$1")
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN {printf "%.3f", 100 * t / hz / s}'
}

# measure WHAT: inside a session, with the desktop in the environment.
measure() {
  local what=$1 host_pid settings
  "$bin/quillon-widgets" 2>/dev/null &
  host_pid=$!
  for _ in $(seq 150); do call AddWidget string:WorldBoard string:systemMedium && break; sleep 0.2; done
  for widget in "DotClock systemSmall" "DotDay systemSmall" "DotProgress systemSmall" \
    "DotCountdown systemSmall" "DotSign systemMedium"; do
    set -- $widget
    call AddWidget "string:$1" "string:$2"
  done
  sleep 5 # settled
  local cpu_alone rss_alone cpu_after rss_after
  cpu_alone=$(idle_cpu "$host_pid")
  rss_alone=$(rss_mib "$host_pid")
  call ShowGallery
  sleep 4
  "$bin/quillon-widget-settings" --edit "$host_pid-1" 2>/dev/null &
  sleep 4
  settings=$(pgrep -f "$bin/quillon-widget-settings" | head -n 1 || true)
  [[ -n $settings ]] && echo "  (the settings program held $(rss_mib "$settings") MiB with the gallery and an editor open)"
  pkill -f "$bin/quillon-widget-settings" || true
  sleep 3
  cpu_after=$(idle_cpu "$host_pid")
  rss_after=$(rss_mib "$host_pid")
  printf "  %-40s idle CPU %s %% of one core, resident %s MiB; after the gallery and an editor: %s %%, %s MiB\n" \
    "$what" "$cpu_alone" "$rss_alone" "$cpu_after" "$rss_after"
  kill "$host_pid"
  wait "$host_pid" 2>/dev/null || true
}

inside() {
  export XDG_RUNTIME_DIR=$(mktemp -d) XDG_CONFIG_HOME=$(mktemp -d) HOME=$(mktemp -d)
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  [[ $1 == x11 ]] || unset DISPLAY
  case $1 in
  kwin)
    mkdir "$HOME/kwin"
    cp "$(command -v kwin_wayland)" "$HOME/kwin/kwin_wayland" # its platform loads only under this name
    KWIN_COMPOSE=Q "$HOME/kwin/kwin_wayland" --virtual --width 1280 --height 800 --socket wayland-bench \
      --no-lockscreen --no-global-shortcuts --no-kactivities >/dev/null 2>&1 &
    for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/wayland-bench ]] && break; sleep 0.2; done
    export WAYLAND_DISPLAY=wayland-bench
    measure "layer surfaces (headless KWin):"
    ;;
  gnome)
    GSETTINGS_BACKEND=memory XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME \
      gnome-shell --headless --wayland --virtual-monitor 1280x800 --wayland-display wayland-bench >/dev/null 2>&1 &
    for _ in $(seq 150); do compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" >/dev/null && break; sleep 0.2; done
    sleep 3
    export WAYLAND_DISPLAY=wayland-bench DISPLAY=:0 XAUTHORITY=$(compgen -G "$XDG_RUNTIME_DIR/.mutter-Xwaylandauth.*" | head -n 1)
    export XDG_CURRENT_DESKTOP=GNOME
    measure "X11 through XWayland (GNOME Shell):"
    ;;
  x11)
    measure "X11 windows (Xvfb, openbox):"
    ;;
  esac
  kill $(jobs -p) 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$HOME"
}

if [[ -n ${QUILLON_BENCH_INSIDE:-} ]]; then
  inside "$QUILLON_BENCH_INSIDE"
  exit 0
fi

user=${QUILLON_TEST_USER:-quillon-test}
as_user=()
if ((EUID == 0)); then
  id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
  as_user=(setpriv --reuid="$user" --regid="$user" --init-groups --)
fi
echo "quillon-widgets, six widgets, CPU over ${seconds} s ($(nproc) cores):"
for desktop in "${desktops[@]}"; do
  case $desktop in
  kwin) "${as_user[@]}" env QUILLON_BENCH_INSIDE=kwin dbus-run-session -- bash "$0" ;;
  gnome)
    # GNOME Shell wants a system bus: one of its own, in a mount namespace of its own.
    unshare -m --propagation private bash -c 'mount -t tmpfs tmpfs /run/dbus && mount -t tmpfs tmpfs /run/systemd &&
      dbus-daemon --system --fork && exec "$@"' -- \
      "${as_user[@]}" env QUILLON_BENCH_INSIDE=gnome dbus-run-session -- bash "$0" 2>/dev/null
    ;;
  x11)
    env QUILLON_BENCH_INSIDE=x11 xvfb-run -a -s "-noreset -screen 0 1280x800x24" \
      dbus-run-session -- bash -c 'openbox >/dev/null 2>&1 & sleep 1; bash "$0"' "$0"
    ;;
  *) echo "unknown desktop: $desktop (kwin, gnome, x11)" >&2; exit 2 ;;
  esac
done
