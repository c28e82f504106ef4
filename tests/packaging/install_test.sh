#!/usr/bin/env bash
# cmake --install under a prefix puts every part of the desktop integration in place, and the
# desktop entries, the AppStream record and the host's systemd user unit pass their validators.
# Usage: install_test.sh BUILD_DIR
set -u
source "$(dirname "$0")/../support/checks.sh"
limit=150
if [[ -z "${QUILLON_INSTALL_TEST_INSIDE:-}" ]]; then
  # No step waits on anything, yet a stuck validator or install must not hold the test run.
  QUILLON_INSTALL_TEST_INSIDE=1 within_limit "$limit" "the install test" "$0" "$@"
  exit
fi
build=$1
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT
build=$(cd "$build" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
for prefix in /usr /opt/quillon; do
  # Stripped, as the packages are: what is left in the programs is what they use.
  report=$(DESTDIR="$destdir" cmake --install "$build" --prefix "$prefix" --strip 2>&1) ||
    { echo "FAILED: install to $prefix"; echo "$report" | tail -n 30; exit 1; }
  root=$destdir$prefix
  for file in bin/quillon bin/quillon-widgets bin/quillon-widget-settings lib/quillon/widgets/liblampwork.so \
              share/applications/com.quillon.Quillon.desktop share/applications/com.quillon.WidgetHost.desktop \
              share/icons/hicolor/scalable/apps/com.quillon.Quillon.svg \
              share/icons/hicolor/48x48/apps/com.quillon.Quillon.png share/icons/hicolor/256x256/apps/com.quillon.Quillon.png \
              share/metainfo/com.quillon.Quillon.metainfo.xml \
              share/man/man1/quillon.1.gz share/man/man1/quillon-widgets.1.gz \
              share/man/man1/quillon-widget-view.1.gz share/man/man1/quillon-render.1.gz \
              share/man/man1/quillon-widget-settings.1.gz \
              share/doc/quillon/copyright share/doc/quillon/changelog.gz; do
    check "$prefix: $file is installed" "ls -l '$root/$file'; [[ -s '$root/$file' ]]"
  done
  for service in com.quillon.Quillon:quillon com.quillon.WidgetHost:quillon-widgets; do
    name=${service%%:*}
    check "$prefix: the bus starts $name from this prefix" \
      "file_has -x 'Exec=$prefix/bin/${service#*:}' '$root/share/dbus-1/services/$name.service'"
  done
  # By full path, as the bus services: a session whose PATH lacks the prefix's bin starts them too.
  check "$prefix: the menu starts the studio from this prefix" \
    "file_has -x 'Exec=$prefix/bin/quillon %u' '$root/share/applications/com.quillon.Quillon.desktop'"
  check "$prefix: and the widget host" \
    "file_has -x 'Exec=$prefix/bin/quillon-widgets --gallery' '$root/share/applications/com.quillon.WidgetHost.desktop'"
  check "$prefix: the 48 px icon is 48 px" \
    "size=\$(od -An -tu1 -j16 -N8 '$root/share/icons/hicolor/48x48/apps/com.quillon.Quillon.png' | tr -s ' '); echo \"width and height bytes:\$size\"; [[ \$size == ' 0 0 0 48 0 0 0 48' ]]"
done

# The host's systemd user unit, for sessions that start no autostart entries. Installed where the
# user manager reads it (a package under /usr; one user's ~/.local, as ./scripts/run installs, here
# under a home whose path needs quoting), naming the installed host, and never enabled by the install.
home="$destdir/home/some one at 100%"
report=$(cmake --install "$build" --prefix "$home/.local" 2>&1) ||
  { echo "FAILED: install to $home/.local"; echo "$report" | tail -n 30; exit 1; }
# unit_value FILE SECTION KEY: the key's values in that section, one a line, as systemd reads them.
unit_value() {
  awk -v section="[$2]" -v key="$3" '
    /^[ \t]*([#;]|$)/ { next }
    /^[ \t]*\[/ { gsub(/[ \t]/, ""); inside = ($0 == section); next }
    inside && index($0, "=") {
      name = substr($0, 1, index($0, "=") - 1); value = substr($0, index($0, "=") + 1)
      gsub(/^[ \t]+|[ \t]+$/, "", name); gsub(/^[ \t]+|[ \t]+$/, "", value)
      if (name == key) print value
    }' "$1"
}
# unit_program FILE: the program its ExecStart starts: the first word, unquoted, with %% read as %.
unit_program() {
  local value
  value=$(unit_value "$1" Service ExecStart | tail -n 1)
  if [[ $value == \"* ]]; then value=${value#\"}; value=${value%%\"*}; else value=${value%%[[:space:]]*}; fi
  echo "${value//%%/%}"
}
# user_unit_paths HOME: where a user manager with that home reads units, started with no XDG
# variables as it is; the defaults of systemd.unit(5) where systemd-analyze is not installed.
user_unit_paths() {
  if command -v systemd-analyze >/dev/null; then
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CONFIG_DIRS -u XDG_DATA_DIRS HOME="$1" \
      systemd-analyze --user unit-paths
  else
    printf '%s\n' "$1/.config/systemd/user" /etc/systemd/user "$1/.local/share/systemd/user" \
      /usr/local/share/systemd/user /usr/share/systemd/user /usr/local/lib/systemd/user /usr/lib/systemd/user
  fi
}
for install in /usr:"$destdir" "$home/.local":; do
  prefix=${install%:*}
  staged=${install##*:}
  units=$(find "$staged$prefix" -name quillon-widgets.service)
  unit=$(head -n 1 <<<"$units")
  check "$prefix: the host's systemd user unit is installed once" \
    "echo \"units: \$units\"; [[ -n \$units && \$units != *\$'\n'* ]]"
  check "$prefix: where the user manager reads units" \
    "folder=\$(dirname '${unit#"$staged"}'); paths=\$(user_unit_paths '$home'); grep -Fqx \"\$folder\" <<<\"\$paths\" || { echo \"\$folder is not in:\"; echo \"\$paths\"; false; }"
  check "$prefix: it starts the installed host by its full path" \
    "program=\$(unit_program '$unit'); echo \"ExecStart: \$(unit_value '$unit' Service ExecStart), starting \$program\"; [[ \$program == '$prefix/bin/quillon-widgets' && -x '$staged'\$program ]]"
  check "$prefix: it comes and goes with the graphical session" \
    "unit_value '$unit' Install WantedBy | grep -qx graphical-session.target && unit_value '$unit' Unit PartOf | grep -qx graphical-session.target || cat '$unit'"
  check "$prefix: the install enables nothing" \
    "wants=\$(find '$staged$prefix' -path '*/systemd/*.wants*'); echo \"\$wants\"; [[ -z \$wants ]]"
done
check "/opt/quillon: its unit, which the user enables by path, starts the host from there" \
  "unit=\$(find '$destdir/opt/quillon' -name quillon-widgets.service); echo \"unit: \$unit\"; [[ -n \$unit && \$(unit_program \"\$unit\") == /opt/quillon/bin/quillon-widgets ]]"
# systemd's own reading of the unit, which names every key or value it would ignore and a program
# it cannot start. The user manager it stands up needs a runtime folder; where it cannot stand one up
# at all (no systemd, or a chroot without /proc), a unit known to be good fails too, and that is said.
runtime=$destdir/runtime
mkdir -m 700 "$runtime"
printf '[Service]\nExecStart=/bin/true\n' >"$runtime/known-good.service"
verify() { XDG_RUNTIME_DIR=$runtime systemd-analyze --user --man=no verify "$1" 2>&1; }
if ! command -v systemd-analyze >/dev/null; then
  echo "skipped: systemd's reading of the unit (systemd-analyze is not installed)"
elif ! known_good=$(verify "$runtime/known-good.service") || [[ -n $known_good ]]; then
  echo "skipped: systemd's reading of the unit (systemd-analyze cannot verify a good unit here: $known_good)"
else
  unit=$(find "$home/.local" -name quillon-widgets.service | head -n 1)
  check "systemd reads the unit without a complaint" \
    "seen=\$(verify '$unit'); status=\$?; echo \"\$seen\"; ((status == 0)) && ! grep -q 'quillon-widgets' <<<\"\$seen\""
fi

# Nothing installed may lead back into the build tree: a program that loads code or catalogues from
# there runs whatever another user who can write that folder put in it.
# A sanitized build keeps its sources' paths for its reports, and is never installed for use.
if grep -q '^QUILLON_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
  echo "skipped: the paths in installed programs (a sanitized build names its sources in its reports)"
else
  for elf in $(find "$destdir/usr" -type f \( -perm -u+x -o -name '*.so' \)); do
    check "${elf#"$destdir"} names no folder of the build or the sources" \
      "! strings -n 8 '$elf' | grep -F -e '$build' -e '$source_dir'"
  done
fi
installed=$destdir/opt/quillon
plugin=$installed/lib/quillon/widgets/liblampwork.so
check "an installed host loads its own plug-in" \
  "list=\$('$installed/bin/quillon-widgets' --list 2>&1); grep -q '\"kind\": \"DotSign\"' <<<\"\$list\" || head -c 2000 <<<\"\$list\""
mv "$plugin" "$installed/liblampwork.so.aside"
check "without it, it loads none, although the build tree has one" \
  "list=\$('$installed/bin/quillon-widgets' --list 2>&1); echo \"\$list\" | head -c 2000; ! grep -q DotSign <<<\"\$list\""
mv "$installed/liblampwork.so.aside" "$plugin"
chmod o+w "$(dirname "$plugin")"
check "a plug-in folder other users may write is not loaded, and the host says so" \
  "list=\$('$installed/bin/quillon-widgets' --list 2>&1); echo \"\$list\" | head -c 2000; ! grep -q DotSign <<<\"\$list\" && grep -q 'writable by other users' <<<\"\$list\""
chmod o-w "$(dirname "$plugin")"

check "the desktop entries validate" "desktop-file-validate $destdir/usr/share/applications/*.desktop"
check "the studio's entry opens quillon:// links and is activated over the bus" \
  "file_has '^MimeType=x-scheme-handler/quillon;' $destdir/usr/share/applications/com.quillon.Quillon.desktop && file_has '^DBusActivatable=true' $destdir/usr/share/applications/com.quillon.Quillon.desktop"
check "the AppStream record validates" "appstreamcli validate --no-net $destdir/usr/share/metainfo/com.quillon.Quillon.metainfo.xml"
echo "$failures failed"
exit $((failures > 0))
