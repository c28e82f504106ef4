#!/usr/bin/env bash
# Measures the studio as a person runs it, under Xvfb on a private session bus:
#   (a) frames drawn per second during a full flip of the extra-large world board at the largest
#       stage scale (target 30, at least 28);
#   (b) CPU use over 30 s showing a clock, and showing a countdown (targets: below 1 % and 3 % of
#       one core);
#   (c) resident memory after start;
#   (d) CPU time a whole flip of the extra-large world board costs (the 24-hour switch pressed once
#       through AT-SPI, from the press to the end of the cascade), against the same window idle for
#       as long.
# Usage: bench/studio_under_xvfb.sh [path/to/quillon]   (default: build/release/bin/quillon)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
studio=${1:-$root/build/release/bin/quillon}
seconds=${QUILLON_CPU_SECONDS:-30}

if [[ -z "${QUILLON_BENCH_INSIDE:-}" ]]; then
  "$root/scripts/install-dependencies" bench
  export QUILLON_BENCH_INSIDE=1
  exec dbus-run-session -- xvfb-run -a -s "-noreset -screen 0 3200x1600x24" "$0" "$studio"
fi

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work" QUILLON_FRAME_STATS=1
record() { mkdir -p "$work/quillon"; printf '{"kind":"%s","sizes":["worldBoard","extraLarge"],"countdownDate":%s}' "$1" "${2:-820454400}" \
  >"$work/quillon/studio.v1"; }

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# (a) Start on the sign, then switch to the board: every cell of the new board flips.
record sign
"$studio" -qwindowgeometry 3150x1550+0+0 2>"$work/stderr" &
pid=$!
sleep 4
"$studio" quillon://widget/worldBoard
sleep 3
flip=$(grep '^flip:' "$work/stderr" | tail -n 1)
frames=$(echo "$flip" | awk '{print $2}')
span=$(echo "$flip" | awk '{print $5}')
echo "full flip of the extra-large world board: $frames frames in $span s = $(awk -v f="$frames" -v s="$span" 'BEGIN{printf "%.1f", f/s}') frames per second"
kill "$pid"; wait "$pid" 2>/dev/null || true

# (d) The board shown and still, then one change.
record worldBoard
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
sleep 1
# In English, where the switch is "24-hour".
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANGUAGE= LANG=C.UTF-8 LC_ALL=C.UTF-8 "$studio" -qwindowgeometry 3150x1550+0+0 2>"$work/stderr-flip" &
pid=$!
sleep 6
hz=$(getconf CLK_TCK)
idle_before=$(cpu_ticks "$pid"); idle_start=$(date +%s.%N)
sleep 3
idle_after=$(cpu_ticks "$pid"); idle_end=$(date +%s.%N)
flips=$(grep -c '^flip:' "$work/stderr-flip" || true)
before=$(cpu_ticks "$pid"); start=$(date +%s.%N)
/usr/bin/python3 "$root/bench/press_24_hour_switch.py"
deadline=$((SECONDS + 15))
until (( $(grep -c '^flip:' "$work/stderr-flip" || true) > flips )); do
  (( SECONDS < deadline )) || { echo "no flip ended within 15 s; the studio said:"; cat "$work/stderr-flip"; exit 1; }
  sleep 0.05
done
after=$(cpu_ticks "$pid"); end=$(date +%s.%N)
awk -v a="$after" -v b="$before" -v s="$start" -v e="$end" -v ia="$idle_after" -v ib="$idle_before" \
  -v is="$idle_start" -v ie="$idle_end" -v hz="$hz" -v flip="$(grep '^flip:' "$work/stderr-flip" | tail -n 1)" 'BEGIN {
  printf "a whole flip of the extra-large world board (%s): %.0f ms of CPU in %.2f s = %.1f %% of one core; idle: %.0f ms in %.2f s = %.1f %%\n",
    flip, 1000 * (a - b) / hz, e - s, 100 * (a - b) / hz / (e - s), 1000 * (ia - ib) / hz, ie - is, 100 * (ia - ib) / hz / (ie - is) }'
kill "$pid"; wait "$pid" 2>/dev/null || true

# (b) and (c)
for kind in clock countdown; do
  record "$kind" 850000000
  "$studio" -qwindowgeometry 1180x740+0+0 2>/dev/null &
  pid=$!
  sleep 5
  [[ $kind == clock ]] && echo "resident memory after start: $(awk '/VmRSS/ {printf "%.1f MiB", $2/1024}' /proc/$pid/status)"
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  echo "CPU showing the $kind for ${seconds} s: $(awk -v a="$after" -v b="$before" -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
    'BEGIN{if (a == b) printf "below %.3f", 100 / hz / s; else printf "%.3f", 100 * (a - b) / hz / s}') % of one core ($((after - before)) clock ticks)"
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
