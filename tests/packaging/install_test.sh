#!/usr/bin/env bash
# cmake --install under a prefix puts every part of the desktop integration in place, and the
# desktop entries and the AppStream record pass their validators.
# Usage: install_test.sh BUILD_DIR
set -u
source "$(dirname "$0")/../support/checks.sh"
limit=120
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
  for file in bin/quillon bin/quillon-widgets lib/quillon/widgets/liblampwork.so \
              share/applications/com.quillon.Quillon.desktop share/applications/com.quillon.WidgetHost.desktop \
              share/icons/hicolor/scalable/apps/com.quillon.Quillon.svg \
              share/icons/hicolor/48x48/apps/com.quillon.Quillon.png share/icons/hicolor/256x256/apps/com.quillon.Quillon.png \
              share/metainfo/com.quillon.Quillon.metainfo.xml \
              share/man/man1/quillon.1.gz share/man/man1/quillon-widgets.1.gz \
              share/man/man1/quillon-widget-view.1.gz share/man/man1/quillon-render.1.gz \
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
