# Running a Wayland compositor, and the programs on it, as a user other than root: sway and weston
# will not run as root, which CI is. Sourced by the Wayland tests and by the scripts that measure
# and take pictures on sway.

# desktop_user_prefix: sets the array as_user to what runs a command as that user: empty when not
# root; as root, the user QUILLON_TEST_USER names, or a system user "quillon-test" made for the
# purpose. Fails, saying why, when no such user can be had.
desktop_user_prefix() {
  as_user=()
  [[ $(id -u) -eq 0 ]] || return 0
  local user=${QUILLON_TEST_USER:-quillon-test}
  if ! id "$user" >/dev/null 2>&1 &&
    ! useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"; then
    echo "a compositor will not run as root and no user $user could be made; name one in QUILLON_TEST_USER"
    return 1
  fi
  as_user=(runuser -u "$user" --)
}

# stage_programs FOLDER HOST PLUGIN... [-- FILE...]: copies the host, and its settings program from
# beside it, into FOLDER/bin, the plug-ins into FOLDER/lib/quillon/widgets, where the host looks for
# them, and the files after "--" into FOLDER/bin, all readable by everyone: a build tree under root's
# home cannot be read by others.
stage_programs() {
  local folder=$1 host=$2 plugins=() extra=()
  shift 2
  while (($#)) && [[ $1 != -- ]]; do plugins+=("$1"); shift; done
  (($#)) && shift && extra=("$@")
  mkdir -p "$folder/bin" "$folder/lib/quillon/widgets"
  cp "$host" "$folder/bin/quillon-widgets"
  # The host starts its gallery and editors from beside itself.
  [[ -x $(dirname "$host")/quillon-widget-settings ]] && cp "$(dirname "$host")/quillon-widget-settings" "$folder/bin/"
  cp "${plugins[@]}" "$folder/lib/quillon/widgets/"
  ((${#extra[@]})) && cp "${extra[@]}" "$folder/bin/"
  chmod -R a+rX "$folder"
}
