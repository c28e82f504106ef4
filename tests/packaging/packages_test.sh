#!/usr/bin/env bash
# CPack's two packages: the Debian package installs under /usr with its dependencies declared, and
# the download tarball runs from wherever it is unpacked, in the layout the updater works in.
# Usage: packages_test.sh BUILD_DIR
#
# Programs started here end in their own time, so each wait polls for what it expects up to a
# deadline and, failing, shows what it found instead: on a loaded machine the log is all there is.
set -u
limit=200
if [[ -z "${QUILLON_PACKAGES_TEST_INSIDE:-}" ]]; then
  # Packing is most of the time; timeout stops the whole process group, the started programs with it.
  QUILLON_PACKAGES_TEST_INSIDE=1 timeout --kill-after=10 "$limit" "$0" "$@" </dev/null
  status=$?
  ((status == 124 || status == 137)) && echo "FAILED: the packages test was stopped after $limit s; in the step after the last one shown"
  exit "$status"
fi
build=$(cd "$1" && pwd)
work=$(mktemp -d)
studio=
trap '[[ -n $studio ]] && kill -KILL "$studio" 2>/dev/null; rm -rf "$work"' EXIT
failures=0
# wait_until DESCRIPTION DEADLINE CONDITION: evaluates CONDITION every tenth of a second until it
# holds, for at most DEADLINE seconds. A condition prints what it found; on time-out the last of
# that is shown with what was waited for.
wait_until() {
  local what=$1 deadline=$2 condition=$3 seen
  local end=$((${EPOCHREALTIME//[!0-9]/} + deadline * 1000000))
  until seen=$(eval "$condition" 2>&1); do
    if ((${EPOCHREALTIME//[!0-9]/} >= end)); then
      if ((deadline > 0)); then echo "  waited $deadline s for $what; last saw:"; else echo "  saw:"; fi
      sed 's/^/    /' <<<"${seen:-nothing}" | head -c 4000
      return 1
    fi
    sleep 0.1
  done
}
# check DESCRIPTION CONDITION [DEADLINE]: without a deadline the condition is tried once.
check() {
  local report
  if report=$(wait_until "$1" "${3:-0}" "$2"); then echo "ok: $1"; return 0; fi
  echo "FAILED: $1"
  echo "$report"
  failures=$((failures + 1))
  return 1
}
# file_has GREP-ARGUMENTS... FILE: grep, showing the file when nothing matches.
file_has() {
  grep -q "$@" && return
  echo "${*: -1}: $(head -c 2000 "${*: -1}" 2>&1)"
  return 1
}
file_there() {
  [[ -s $1 ]] && return
  echo "no $1, or empty; its folder holds: $(ls -A "$(dirname "$1")" 2>&1 | tr '\n' ' ')"
  return 1
}
# The programs print what they did; with a deadline, none can keep the test waiting. The deadline
# runs in the foreground, leaving the program in the test's process group for the limit above to stop.
run() { timeout --foreground 60 "$@" </dev/null 2>&1; }

# Packing takes as long as it takes on a loaded machine; only the limit above bounds it.
report=$(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" </dev/null 2>&1) ||
  { echo "FAILED: cpack"; echo "$report" | tail -n 30; exit 1; }
deb=$(ls "$work"/out/quillon_*_amd64.deb 2>/dev/null | head -n 1)
tgz=$(ls "$work"/out/Quillon-*-Linux.tar.gz 2>/dev/null | head -n 1)
check "a Debian package is made" "echo \"made: \$(ls '$work/out')\"; [[ -s '$deb' ]]"
contents=$(dpkg-deb --contents "$deb")
check "it installs the programs and the plug-in under /usr" \
  "grep -q ' ./usr/bin/quillon$' <<<\"\$contents\" && grep -q ' ./usr/lib/quillon/widgets/liblampwork.so$' <<<\"\$contents\" || { echo \"\$contents\" | grep -E 'bin/|lib/quillon'; false; }"
depends=$(dpkg-deb --field "$deb" Depends 2>&1)
check "it depends on Qt, its X11 plug-in and xdg-utils" \
  "echo \"Depends: \$depends\"; [[ \$depends == *libqt6widgets6* && \$depends == *qt6-qpa-plugins* && \$depends == *xdg-utils* ]]"
check "its bus services start the programs in /usr/bin" \
  "service=\$(dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/share/dbus-1/services/com.quillon.WidgetHost.service 2>&1); echo \"\$service\"; grep -qx 'Exec=/usr/bin/quillon-widgets' <<<\"\$service\""

check "a download tarball is made" "echo \"made: \$(ls '$work/out')\"; [[ -s '$tgz' ]]"
mkdir -p "$work/somewhere/else"
tar -xzf "$tgz" -C "$work/somewhere/else"
top=$(ls -d "$work"/somewhere/else/Quillon-*-Linux)
check "it unpacks into the self-updating layout" \
  "ls -l '$top'; [[ -L '$top/current' && -x '$top/current/bin/quillon' && -L '$top/quillon' && -L '$top/quillon-widgets' ]]"
check "its widget host finds the plug-in from where it was unpacked" \
  "list=\$(run '$top/quillon-widgets' --list); grep -o '\"kind\": \"[^\"]*\"' <<<\"\$list\" || head -c 2000 <<<\"\$list\"; grep -q '\"kind\": \"DotSign\"' <<<\"\$list\""
check "its studio runs from there" "help=\$(run '$top/quillon' --help); echo \"\$help\"; grep -q 'usage: quillon' <<<\"\$help\""

# Started once, the unpacked studio makes the copy known to the desktop; the bus then starts the
# copy's widget host for "Place on Desktop".
home="$work/home"
mkdir -p "$home"
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen
"$top/quillon" </dev/null >"$work/studio.log" 2>&1 & studio=$!
# The studio tells the desktop about the copy as it starts and then runs on, as a studio does.
wait_until "the studio to make the copy known to the desktop" 60 \
  "file_there '$XDG_DATA_HOME/applications/com.quillon.Quillon.desktop' && file_there '$XDG_DATA_HOME/icons/hicolor/48x48/apps/com.quillon.Quillon.png' && file_there '$XDG_DATA_HOME/dbus-1/services/com.quillon.WidgetHost.service'"
kill "$studio" 2>/dev/null
wait_until "the studio to end" 15 "! kill -0 $studio 2>/dev/null" || kill -KILL "$studio" 2>/dev/null
wait "$studio" 2>/dev/null
studio=
check "the studio's entry names the copy's launcher" \
  "file_has -F 'Exec=\"$top/quillon\" %u' '$XDG_DATA_HOME/applications/com.quillon.Quillon.desktop' || { echo \"the studio's output: \$(head -c 2000 '$work/studio.log')\"; false; }"
check "the icon is there" "file_there '$XDG_DATA_HOME/icons/hicolor/48x48/apps/com.quillon.Quillon.png'"
# The bus and what it starts share the deadline's own process group, so that it stops them all.
check "the bus starts the copy's widget host, which places a widget" \
  "reply=\$(timeout --kill-after=5 90 dbus-run-session -- sh -c 'dbus-send --session --print-reply --reply-timeout=60000 --dest=com.quillon.WidgetHost \
     /com/quillon/WidgetHost com.quillon.WidgetHost.AddWidget string:DotSign string:systemSmall' </dev/null 2>&1); echo \"\$reply\"; \
   [[ \$reply == *'boolean true'* ]]"
check "and its autostart entry goes through the launcher too" \
  "file_has -x 'Exec=$top/quillon-widgets' '$XDG_CONFIG_HOME/autostart/com.quillon.WidgetHost.desktop'"
check "the host ended with its session bus" "! pgrep -af '$top/quillon-widgets'" 20
pkill -f "$top/quillon-widgets" 2>/dev/null
echo "$failures failed"
exit $((failures > 0))
