#!/usr/bin/env bash
# The launcher of a self-updating copy: after an update, a version that cannot start here gives way
# to the one before it, once, and says so; a version that started, or that answered on its own
# terms, keeps its place.
# Usage: launcher_test.sh LAUNCHER
set -u
source "$(dirname "$0")/../support/checks.sh"
launcher=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A copy at version 1.0 updated to 2.0, whose studio does what the case says.
copy_with_new_studio() {
  local root=$work/$1 body=$2
  mkdir -p "$root/versions/1.0/bin" "$root/versions/2.0/bin"
  printf '#!/bin/sh\necho "1.0 ran with $*"\n' >"$root/versions/1.0/bin/quillon"
  printf '#!/bin/sh\n%s\n' "$body" >"$root/versions/2.0/bin/quillon"
  chmod +x "$root"/versions/*/bin/quillon
  ln -s versions/2.0 "$root/current"
  printf '2.0\n1.0\n2100\n' >"$root/.new-version"
  cp "$launcher" "$root/quillon"
  echo "$root"
}

root=$(copy_with_new_studio unrunnable 'exit 127')
output=$("$root/quillon" quillon://widget/clock 2>&1)
check "a new version that cannot run gives way to the one before, with the arguments" \
  "echo \"$output\"; [[ \$(readlink '$root/current') == versions/1.0 && '$output' == *'1.0 ran with quillon://widget/clock'* ]]"
check "the studio is told which build could not start" "file_has -x 2100 '$root/.rolled-back'"
check "and the trial is over" "! file_there '$root/.new-version'"

root=$(copy_with_new_studio crashing 'kill -SEGV $$')
"$root/quillon" >/dev/null 2>&1
check "one that a signal ends before it started goes back too" "readlink '$root/current'; [[ \$(readlink '$root/current') == versions/1.0 ]]"

root=$(copy_with_new_studio answering 'echo "usage" >&2; exit 2')
"$root/quillon" --bogus >/dev/null 2>&1
status=$?
check "a new version's own answer (a wrong argument) keeps it, with its status" \
  "echo \"status \$status\"; [[ \$(readlink '$root/current') == versions/2.0 && $status == 2 ]] && file_there '$root/.new-version'"

root=$(copy_with_new_studio started "rm -f \"$work/started/.new-version\"; kill -SEGV \$\$")
"$root/quillon" >/dev/null 2>&1
check "a new version that started once keeps its place, even if it crashes later" \
  "readlink '$root/current'; [[ \$(readlink '$root/current') == versions/2.0 ]] && ! file_there '$root/.rolled-back'"

root=$(copy_with_new_studio working 'echo "2.0 ran"')
rm "$root/.new-version"
output=$("$root/quillon" 2>&1)
check "without a trial the launcher starts the current version" "echo \"$output\"; [[ '$output' == '2.0 ran' ]]"
echo "$failures failed"
exit $((failures > 0))
