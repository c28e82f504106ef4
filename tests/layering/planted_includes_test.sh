#!/usr/bin/env bash
# The Layering check must catch each kind of include it exists for: into a library of the same
# folder that is not linked, into a library above, and Qt in a toolkit-free library. It plants one
# of each in a copy of the files and expects each named.
# Usage: planted_includes_test.sh LAYERING_TABLE SOURCE_DIR
set -u
table=${1:?usage: planted_includes_test.sh LAYERING_TABLE SOURCE_DIR}
source_dir=${2:?}
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
plant() { # file line
  mkdir -p "$copy/$(dirname "$1")"
  { head -n 1 "$source_dir/$1"; echo "$2"; tail -n +2 "$source_dir/$1"; } >"$copy/$1"
}
plant widgethost/core/timeline_driver.cpp '#include "widgethost/host/widget_host.h"'
plant platform/calendar/calendar.cpp '#include "updater/updater.h"'
plant platform/text/utf.cpp '#include <QString>'

output=$(python3 "$source_dir/tests/layering/check_layering.py" "$table" "$copy")
status=$?
echo "$output"
failed=0
for expected in \
  'widgethost/core/timeline_driver.cpp:2: quillon_widget_host_core includes "widgethost/host/widget_host.h"' \
  'platform/calendar/calendar.cpp:2: quillon_calendar includes "updater/updater.h"' \
  'platform/text/utf.cpp:2: Qt in quillon_text'; do
  if [[ "$output" != *"$expected"* ]]; then
    echo "not caught: $expected"
    failed=1
  fi
done
if ((status == 0)); then
  echo "the check passed a tree with planted upward includes"
  failed=1
fi
exit $failed
