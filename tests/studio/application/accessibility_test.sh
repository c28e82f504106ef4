#!/usr/bin/env bash
# The studio and the widget gallery as a screen reader reads them: under Xvfb, on a private session
# bus with the AT-SPI bus, accessibility on, the checks of accessibility_test.py.
# Usage: accessibility_test.sh path/to/quillon path/to/quillon-render path/to/quillon-widgets
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../support/checks.sh"
if [[ -z "${QUILLON_A11Y_TEST_INSIDE:-}" ]]; then
  for needed in /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    [[ -x $needed ]] || { echo "SKIPPED: $needed is not installed (scripts/install-dependencies installs it)"; exit 77; }
  done
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIPPED: python3-pyatspi is not installed"; exit 77; }
  export QUILLON_A11Y_TEST_INSIDE=1
  # Each X session test looks for a free display from a number of its own: two "xvfb-run -a" started
  # at once take the same first free number, and one's programs then meet the other's server.
  within_limit 240 "the accessibility test" xvfb-run -a -n 130 -s "-noreset -screen 0 1400x900x24" dbus-run-session -- "$0" "$@" 2>&1 |
    grep -v 'fd limit'
  exit "${PIPESTATUS[0]}"
fi

export XDG_CONFIG_HOME=$(mktemp -d) QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LANGUAGE= LC_ALL=
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$XDG_CONFIG_HOME"' EXIT
/usr/libexec/at-spi-bus-launcher --launch-immediately &
export QUILLON_STUDIO_LOG=$XDG_CONFIG_HOME/studio.log
"$1" >"$QUILLON_STUDIO_LOG" 2>&1 </dev/null &
# The widget host, for its widgets' windows and its gallery.
"$3" >"$XDG_CONFIG_HOME/host.log" 2>&1 </dev/null &
/usr/bin/python3 "$here/accessibility_test.py" "$2" "$3" </dev/null
status=$?
((status == 0)) || echo "the studio's standard error: $(head -c 2000 "$XDG_CONFIG_HOME/studio.log")"
exit "$status"
