#!/bin/sh
# Starts the current version of a Quillon program in a copy that updates itself; installed as
# <copy>/quillon and <copy>/quillon-widgets. A version just updated to is on trial until one of its
# programs has started (it then removes .new-version). Should its program fail to start before
# that (it cannot be run here, status 126 or 127, or a signal ends it), the version before it
# becomes current again, the studio is told through .rolled-back, and the program starts from there.
root=$(dirname "$(readlink -f "$0")")
program=$(basename "$0")
trial=$root/.new-version
if [ -f "$trial" ]; then
  new=$(sed -n 1p "$trial")
  previous=$(sed -n 2p "$trial")
  build=$(sed -n 3p "$trial")
  if [ -n "$new" ] && [ -n "$previous" ] && [ "$(readlink "$root/current")" = "versions/$new" ] &&
    [ -x "$root/versions/$previous/bin/$program" ]; then
    "$root/current/bin/$program" "$@"
    status=$?
    # Its own answers (a wrong argument, no display) say nothing against the version.
    if [ "$status" -lt 126 ] || [ ! -f "$trial" ]; then
      exit "$status"
    fi
    ln -s "versions/$previous" "$root/.current-rollback-$$" &&
      mv -Tf "$root/.current-rollback-$$" "$root/current" &&
      printf '%s\n' "${build:-$new}" >"$root/.rolled-back" &&
      rm -f "$trial"
    echo "$program: version $new could not start here (status $status); starting version $previous again" >&2
  fi
fi
exec "$root/current/bin/$program" "$@"
