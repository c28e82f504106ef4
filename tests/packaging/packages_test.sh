#!/usr/bin/env bash
# CPack's two packages: the Debian package installs under /usr with its dependencies declared, and
# the download tarball runs from wherever it is unpacked, in the layout the updater works in.
# Usage: packages_test.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null) || { echo "FAILED: cpack"; exit 1; }
deb=$(ls "$work"/out/quillon_*_amd64.deb 2>/dev/null | head -n 1)
tgz=$(ls "$work"/out/Quillon-*-Linux.tar.gz 2>/dev/null | head -n 1)
check "a Debian package is made" "[[ -s '$deb' ]]"
contents=$(dpkg-deb --contents "$deb")
check "it installs the programs and the plug-in under /usr" \
  "grep -q ' ./usr/bin/quillon$' <<<\"\$contents\" && grep -q ' ./usr/lib/quillon/widgets/liblampwork.so$' <<<\"\$contents\""
check "it depends on Qt, its X11 plug-in and xdg-utils" \
  "dpkg-deb --field '$deb' Depends | grep -q 'libqt6widgets6' && dpkg-deb --field '$deb' Depends | grep -q 'qt6-qpa-plugins' && dpkg-deb --field '$deb' Depends | grep -q 'xdg-utils'"
check "its bus services start the programs in /usr/bin" \
  "dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/share/dbus-1/services/com.quillon.WidgetHost.service | grep -qx 'Exec=/usr/bin/quillon-widgets'"

check "a download tarball is made" "[[ -s '$tgz' ]]"
mkdir -p "$work/somewhere/else"
tar -xzf "$tgz" -C "$work/somewhere/else"
top=$(ls -d "$work"/somewhere/else/Quillon-*-Linux)
check "it unpacks into the self-updating layout" \
  "[[ -L '$top/current' && -x '$top/current/bin/quillon' && -L '$top/quillon' && -L '$top/quillon-widgets' ]]"
check "its widget host finds the plug-in from where it was unpacked" \
  "'$top/quillon-widgets' --list | grep -q '\"kind\": \"DotSign\"'"
check "its studio runs from there" "'$top/quillon' --help | grep -q 'usage: quillon'"

# Started once, the unpacked studio makes the copy known to the desktop; the bus then starts the
# copy's widget host for "Place on Desktop".
home="$work/home"
mkdir -p "$home"
export HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen
timeout 5 "$top/quillon" >/dev/null 2>&1
check "the studio's entry names the copy's launcher" \
  "grep -qF 'Exec=\"$top/quillon\" %u' '$XDG_DATA_HOME/applications/com.quillon.Quillon.desktop'"
check "the icon is there" "[[ -s '$XDG_DATA_HOME/icons/hicolor/48x48/apps/com.quillon.Quillon.png' ]]"
check "the bus starts the copy's widget host, which places a widget" \
  "dbus-run-session -- sh -c 'dbus-send --session --print-reply --dest=com.quillon.WidgetHost /com/quillon/WidgetHost \
     com.quillon.WidgetHost.AddWidget string:DotSign string:systemSmall' 2>/dev/null | grep -q 'boolean true'"
check "and its autostart entry goes through the launcher too" \
  "grep -qx 'Exec=$top/quillon-widgets' '$XDG_CONFIG_HOME/autostart/com.quillon.WidgetHost.desktop'"
sleep 1
check "the host ended with its session bus" "! pgrep -f '$top/quillon-widgets' >/dev/null"
pkill -f "$top/quillon-widgets" 2>/dev/null
echo "$failures failed"
exit $((failures > 0))
