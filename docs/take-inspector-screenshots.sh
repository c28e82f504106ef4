#!/usr/bin/env bash
# Takes docs/screenshots/inspector-*.png, city-picker-*.png and date-picker-*.png: the settings
# column for every kind, the city picker with a search and with none found, and the date picker,
# in a light and a dark desktop style (Adwaita and Adwaita-Dark, which GNOME users of Qt programs
# get). Installs what it needs with scripts/install-dependencies bench. With
# QUILLON_SHOTS_LANGUAGE=de_DE (any language the studio has), the light ones in that language,
# named <language>-….png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tests=${1:-$root/build/release/tests/studio/quillon_inspector_tests}
"$root/scripts/install-dependencies" bench
out="$root/docs/screenshots"
appearances=(light dark)
[[ -n ${QUILLON_SHOTS_LANGUAGE:-} ]] && appearances=(light)
for appearance in "${appearances[@]}"; do
  style=$([[ $appearance == dark ]] && echo Adwaita-Dark || echo Adwaita)
  QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=$style QUILLON_INSPECTOR_SHOTS=$out \
    QUILLON_INSPECTOR_APPEARANCE=$appearance QUILLON_INSPECTOR_LANGUAGE=${QUILLON_SHOTS_LANGUAGE:-} \
    "$tests" takeScreenshotsWhenAsked >/dev/null
done
ls "$out"/*inspector-* "$out"/*city-picker-* "$out"/*date-picker-*
