#!/usr/bin/env bash
# Measures quillon-widgets with the six widgets placed, and Conky showing a one-line clock
# (update_interval 60) beside it in the same run, under Xvfb on a private session bus: average CPU
# use over the same span and resident memory at its end (targets for the host: under 0.2 % of one
# core, under 80 MiB).
# Usage: bench/widgets_beside_conky.sh [path/to/quillon-widgets]   (default: build/release/...)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=${1:-$root/build/release/bin/quillon-widgets}
seconds=${QUILLON_CPU_SECONDS:-120}

if [[ -z "${QUILLON_BENCH_INSIDE:-}" ]]; then
  "$root/scripts/install-dependencies" bench
  export QUILLON_BENCH_INSIDE=1
  exec xvfb-run -a -s "-noreset -screen 0 1920x1080x24" dbus-run-session -- "$0" "$host"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss() { awk '/VmRSS/ {printf "%.1f MiB", $2/1024}' "/proc/$1/status"; }
add() {
  dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost \
    com.quillon.WidgetHost.AddWidget "string:$1" "string:$2" >/dev/null
}

"$host" 2>/dev/null & host_pid=$!
sleep 2
add WorldBoard systemMedium; add DotClock systemSmall; add DotDay systemSmall
add DotProgress systemSmall; add DotCountdown systemSmall; add DotSign systemMedium

cat >"$work/conky.conf" <<'CONF'
conky.config = { out_to_x = true, own_window = true, own_window_type = 'desktop', update_interval = 60,
                 background = false, double_buffer = true, use_xft = true, font = 'DejaVu Sans Mono:size=24' }
conky.text = [[${time %H:%M}]]
CONF
conky -q -c "$work/conky.conf" & conky_pid=$!
sleep 5 # both settled

ticks=$(getconf CLK_TCK)
host_before=$(cpu_ticks "$host_pid"); conky_before=$(cpu_ticks "$conky_pid")
sleep "$seconds"
host_after=$(cpu_ticks "$host_pid"); conky_after=$(cpu_ticks "$conky_pid")
percent() { awk -v t="$1" -v hz="$ticks" -v s="$seconds" 'BEGIN {printf "%.3f %%", 100 * t / hz / s}'; }
echo "over ${seconds} s, six widgets placed:"
echo "  quillon-widgets: CPU $(percent $((host_after - host_before))) of one core, resident $(rss "$host_pid")"
echo "  conky (clock):   CPU $(percent $((conky_after - conky_before))) of one core, resident $(rss "$conky_pid")"
