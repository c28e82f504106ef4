#!/usr/bin/env bash
# CPack's two packages: the Debian package installs under /usr with its dependencies declared, and
# the download tarball runs from wherever it is unpacked, in the layout the updater works in.
# Usage: packages_test.sh BUILD_DIR
set -u
source "$(dirname "$0")/../support/checks.sh"
limit=200
if [[ -z "${QUILLON_PACKAGES_TEST_INSIDE:-}" ]]; then
  # Packing is most of the time; the programs the test starts are stopped with it.
  QUILLON_PACKAGES_TEST_INSIDE=1 within_limit "$limit" "the packages test" "$0" "$@"
  exit
fi
build=$(cd "$1" && pwd)
work=$(mktemp -d)
studio=
trap '[[ -n $studio ]] && kill -KILL "$studio" 2>/dev/null; rm -rf "$work"' EXIT
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
check "and its systemd user unit, where distributions put them, starts the host in /usr/bin" \
  "unit=\$(dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/lib/systemd/user/quillon-widgets.service 2>&1); echo \"\$unit\"; grep -qx 'ExecStart=/usr/bin/quillon-widgets' <<<\"\$unit\""

check "a download tarball is made" "echo \"made: \$(ls '$work/out')\"; [[ -s '$tgz' ]]"
# Under a path with a space and a %, as a user's folder may be: every entry must still start it.
mkdir -p "$work/some where/100% else"
tar -xzf "$tgz" -C "$work/some where/100% else"
top=$(ls -d "$work/some where/100% else"/Quillon-*-Linux)
# How desktop entries write that path in Exec: quoted, with % doubled for the field codes.
top_in_exec=${top//%/%%}
check "it unpacks into the self-updating layout" \
  "ls -l '$top'; [[ -L '$top/current' && -x '$top/current/bin/quillon' && -x '$top/quillon' && -x '$top/quillon-widgets' ]]"
for program in "$top"/current/bin/*; do
  program=${program##*/}
  check "its release carries the manual page of $program" \
    "ls '$top/current/share/man/man1'; [[ -s '$top/current/share/man/man1/$program.1.gz' ]]"
done
check "and the copyright file" "file_there '$top/current/share/doc/quillon/copyright'"
# A unit would name the version folder, which a later update removes.
check "and no systemd user unit" "units=\$(find '$top' -name '*.service' -path '*systemd*'); echo \"\$units\"; [[ -z \$units ]]"
# What the updater asks of a release archive: its own information record, naming the studio and
# this build, and contents within the limit on what an archive may unpack to.
build_number=$(sed -n 's/^QUILLON_BUILD_NUMBER:[A-Z]*=//p' "$build/CMakeCache.txt")
check "its release carries its information record with this build's version" \
  "cat '$top/current/share/quillon/info.json'; grep -q '\"CFBundleIdentifier\": \"com.quillon.Quillon\"' '$top/current/share/quillon/info.json' && grep -q '\"CFBundleVersion\": \"$build_number\"' '$top/current/share/quillon/info.json'"
# Counted as the updater counts: whole 4 KiB blocks, at least one an entry, folders and links too.
unpacked_bytes=$(find "$top" -mindepth 1 -printf '%y %s\n' |
  awk '{ blocks = ($1 == "f") ? int(($2 + 4095) / 4096) : 1; total += (blocks < 1 ? 1 : blocks) * 4096 } END { print total + 0 }')
packed_bytes=$(stat -c %s "$tgz")
check "it unpacks to less than eight times its size, the updater's limit" \
  "echo \"$unpacked_bytes bytes on disk unpacked from $packed_bytes\"; (( $unpacked_bytes < 8 * $packed_bytes ))"
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
  "file_has -F 'Exec=\"$top_in_exec/quillon\" %u' '$XDG_DATA_HOME/applications/com.quillon.Quillon.desktop' || { echo \"the studio's output: \$(head -c 2000 '$work/studio.log')\"; false; }"
check "the icon is there" "file_there '$XDG_DATA_HOME/icons/hicolor/48x48/apps/com.quillon.Quillon.png'"
# The bus and what it starts share the deadline's own process group, so that it stops them all.
check "the bus starts the copy's widget host, which places a widget" \
  "reply=\$(timeout --kill-after=5 90 dbus-run-session -- sh -c 'dbus-send --session --print-reply --reply-timeout=60000 --dest=com.quillon.WidgetHost \
     /com/quillon/WidgetHost com.quillon.WidgetHost.AddWidget string:DotSign string:systemSmall' </dev/null 2>&1); echo \"\$reply\"; \
   [[ \$reply == *'boolean true'* ]]"
check "and its autostart entry goes through the launcher too" \
  "file_has -x 'Exec=\"$top_in_exec/quillon-widgets\"' '$XDG_CONFIG_HOME/autostart/com.quillon.WidgetHost.desktop'"
check "the host ended with its session bus" "! pgrep -af '$top/quillon-widgets'" 20
pkill -f "$top/quillon-widgets" 2>/dev/null
echo "$failures failed"
exit $((failures > 0))
