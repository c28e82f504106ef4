#!/usr/bin/env bash
# cmake --install under a prefix puts every part of the desktop integration in place, and the
# desktop entries and the AppStream record pass their validators.
# Usage: install_test.sh BUILD_DIR
set -u
build=$1
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }

for prefix in /usr /opt/quillon; do
  DESTDIR="$destdir" cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: install to $prefix"; exit 1; }
  root=$destdir$prefix
  for file in bin/quillon bin/quillon-widgets lib/quillon/widgets/liblampwork.so \
              share/applications/com.quillon.Quillon.desktop share/applications/com.quillon.WidgetHost.desktop \
              share/icons/hicolor/scalable/apps/com.quillon.Quillon.svg \
              share/icons/hicolor/48x48/apps/com.quillon.Quillon.png share/icons/hicolor/256x256/apps/com.quillon.Quillon.png \
              share/metainfo/com.quillon.Quillon.metainfo.xml; do
    check "$prefix: $file is installed" "[[ -s '$root/$file' ]]"
  done
  for service in com.quillon.Quillon:quillon com.quillon.WidgetHost:quillon-widgets; do
    name=${service%%:*}
    check "$prefix: the bus starts $name from this prefix" \
      "grep -qx 'Exec=$prefix/bin/${service#*:}' '$root/share/dbus-1/services/$name.service'"
  done
  check "$prefix: the 48 px icon is 48 px" "[[ \$(od -An -tu1 -j16 -N8 '$root/share/icons/hicolor/48x48/apps/com.quillon.Quillon.png' | tr -s ' ') == ' 0 0 0 48 0 0 0 48' ]]"
done
check "the desktop entries validate" "desktop-file-validate $destdir/usr/share/applications/*.desktop"
check "the studio's entry opens quillon:// links and is activated over the bus" \
  "grep -q '^MimeType=x-scheme-handler/quillon;' $destdir/usr/share/applications/com.quillon.Quillon.desktop && grep -q '^DBusActivatable=true' $destdir/usr/share/applications/com.quillon.Quillon.desktop"
check "the AppStream record validates" "appstreamcli validate --no-net $destdir/usr/share/metainfo/com.quillon.Quillon.metainfo.xml >/dev/null"
echo "$failures failed"
exit $((failures > 0))
