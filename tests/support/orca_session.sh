#!/usr/bin/env bash
# Runs a command in a private headless desktop with the Orca screen reader listening:
# Xvfb (xvfb-run), a private session bus (dbus-run-session), the AT-SPI bus, speech-dispatcher with
# its "dummy" voice on the ALSA "null" device (no sound card or sound server needed), and Orca
# writing everything it says to a debug file. Afterwards it stops all of them and checks that
# nothing it started is left running.
#
# Usage: orca_session.sh [-n FIRST_DISPLAY] [-t SECONDS] [-k] -- COMMAND [ARGS...]
#   -n  first X display number xvfb-run -a tries (default 150); give each X test its own number,
#       as two "xvfb-run -a" started at once pick the same free display
#   -t  limit for the command, in seconds (default 300)
#   -k  keep the session's folder (settings, logs, Orca's debug file) and print where it is
#
# The command sees, besides DISPLAY and DBUS_SESSION_BUS_ADDRESS:
#   ORCA_DEBUG_FILE   Orca's debug file; each spoken string is a line
#                     "HH:MM:SS.ffffff - SPEECH OUTPUT: '<text>'<voice>"
#   ORCA_PID          Orca's process id
#   ORCA_SESSION_DIR  the session's private folder (also XDG_CONFIG_HOME/XDG_DATA_HOME/... root)
#   QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, so Qt programs it starts are on the AT-SPI bus
# The command's exit status is the script's; 77 (CTest's skip code) when something needed is
# missing or Orca cannot start; 124 when the time limit is reached.
#
# Orca allows one instance per user on the whole machine (it looks for any process named "orca" of
# the same user and quits if there is one), so sessions of one user must not overlap: give the CTest
# tests that use this script RESOURCE_LOCK orca. Never pass Orca --replace: it kills every Orca of
# the user, the desktop's included.
set -u

first_display=150
limit=300
keep=
while getopts "n:t:k" option; do
  case $option in
    n) first_display=$OPTARG ;;
    t) limit=$OPTARG ;;
    k) keep=1 ;;
    *) echo "usage: $0 [-n FIRST_DISPLAY] [-t SECONDS] [-k] -- COMMAND [ARGS...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
(($# > 0)) || { echo "usage: $0 [-n FIRST_DISPLAY] [-t SECONDS] [-k] -- COMMAND [ARGS...]" >&2; exit 2; }

if [[ -z "${ORCA_SESSION_INSIDE:-}" ]]; then
  for needed in /usr/bin/xvfb-run /usr/bin/dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/orca /usr/bin/openbox \
                /usr/bin/speech-dispatcher /usr/lib/speech-dispatcher-modules/sd_dummy /usr/bin/xdotool /usr/bin/python3; do
    [[ -x $needed ]] || { echo "SKIPPED: $needed is not installed"; exit 77; }
  done
  # Orca runs on the system's Python (/usr/bin/python3), not on whatever python3 is first on PATH.
  missing=$(/usr/bin/python3 -c '
import importlib
for name in ("gi", "pyatspi", "speechd", "cairo"):
    try:
        importlib.import_module(name)
    except ImportError:
        print(name)' 2>&1)
  [[ -z $missing ]] || { echo "SKIPPED: Python modules Orca needs are missing: $missing" \
    "(gi: python3-gi, pyatspi: python3-pyatspi, speechd: python3-speechd, cairo: python3-cairo)"; exit 77; }
  if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIPPED: an Orca of this user is running already (pid $(pgrep -u "$(id -u)" -x orca | tr '\n' ' '));" \
      "Orca allows one per user"
    exit 77
  fi
  # The private folders are set before the session bus starts: the services it starts on demand
  # (dconf, which stores the "accessibility on" switch Orca turns on) then write into them, not
  # into the user's own ~/.config.
  session=$(mktemp -d /tmp/orca-session.XXXXXX) || exit 1
  export ORCA_SESSION_DIR=$session
  export XDG_CONFIG_HOME=$session/config XDG_DATA_HOME=$session/data XDG_CACHE_HOME=$session/cache \
         XDG_RUNTIME_DIR=$session/runtime
  mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME" "$session/logs"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export ORCA_SESSION_INSIDE=1 ORCA_SESSION_LIMIT=$limit
  # The command's limit is kept inside, so that everything is stopped in order when it is reached.
  # This outer one is a backstop: its TERM reaches the whole process group at once (KILL 10 s
  # later), and xvfb-run, killed so, leaves its /tmp/xvfb-run.* folder behind.
  timeout -k 10 $((limit + 60)) xvfb-run -a -n "$first_display" -s "-noreset -screen 0 1400x900x24" \
    dbus-run-session -- "$0" -- "$@" 2>&1 | grep --line-buffered -v -e 'fd limit' -e 'Activating service' \
      -e 'Successfully activated service' -e 'SpiRegistry daemon is running'
  status=${PIPESTATUS[0]}
  ((status == 124)) && echo "orca_session.sh: the command ran out of its $limit s and was stopped"
  if [[ -n $keep ]]; then
    echo "orca_session.sh: the session's folder is kept: $session"
  else
    rm -rf "$session"
  fi
  exit "$status"
fi

# Inside the X session and the session bus from here on.
session=$ORCA_SESSION_DIR
# Marks every process started from here on, for the check that none is left at the end. (Xvfb and
# the session bus, started before, are xvfb-run's and dbus-run-session's to stop.)
export ORCA_SESSION_PROCESS=$session
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LANGUAGE= LC_ALL= GTK_MODULES= NO_AT_BRIDGE=
export SPEECHD_ADDRESS=unix_socket:$XDG_RUNTIME_DIR/speechd.sock
export ORCA_DEBUG_FILE=$session/orca-debug.txt

# speech-dispatcher: only the dummy voice, played on ALSA's null device. Without an audio method
# that opens, the dummy module fails ("Opening sound device failed ... pulse") and the server quits
# with "No speech output modules were loaded"; Orca then logs "SPEECH: Not available".
# DisableAutoSpawn: should this server die, no client starts another one that would outlive us.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
LogLevel 3
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
DisableAutoSpawn
EOF

# Orca opens its debug file without line buffering, so lines would reach the file in 8 KB blocks,
# long after they were spoken. Its per-user customization module, read at start from the settings
# folder, makes the file line-buffered.
cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'EOF'
from orca import debug
if debug.debugFile is not None:
    debug.debugFile.reconfigure(line_buffering=True)
EOF

stop() {  # stop PID NAME [SECONDS [quiet]]: TERM, up to SECONDS (5) to go, then KILL
  local pid=$1 name=$2 tenths=$((${3:-5} * 10))
  kill -0 "$pid" 2>/dev/null || return 0
  kill -TERM "$pid" 2>/dev/null
  for _ in $(seq "$tenths"); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  [[ -n ${4:-} ]] || echo "orca_session.sh: $name (pid $pid) did not stop on TERM; killing it"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}
ours() {  # the processes still running that were started in this session
  local dir
  for dir in /proc/[0-9]*; do
    [[ ${dir#/proc/} == "$$" || ${dir#/proc/} == "$BASHPID" ]] && continue
    grep -qzxF "ORCA_SESSION_PROCESS=$session" "$dir/environ" 2>/dev/null && echo "${dir#/proc/}"
  done
}
cleanup() {
  trap - EXIT INT TERM
  [[ -n ${command_pid:-} ]] && stop "$command_pid" "the command"
  # Orca handles TERM in Python, which runs only when an accessibility event wakes its GLib loop:
  # with no application left to send one, it may never see the TERM. Nothing of it needs saving.
  [[ -n ${orca_pid:-} ]] && stop "$orca_pid" "Orca" 2 quiet
  [[ -n ${speechd_pid:-} ]] && stop "$speechd_pid" "speech-dispatcher"
  [[ -n ${bus_pid:-} ]] && stop "$bus_pid" "the AT-SPI bus launcher"
  [[ -n ${openbox_pid:-} ]] && stop "$openbox_pid" "openbox"
  # What is left: the AT-SPI registry daemon, which the AT-SPI bus started and which outlives that
  # bus, and whatever the command started and left behind. Every process started in this session
  # carries ORCA_SESSION_PROCESS in its environment; nothing else is touched.
  local left pid end
  left=$(ours)
  [[ -n $left ]] && kill -TERM $left 2>/dev/null
  end=$((SECONDS + 5))
  while left=$(ours) && [[ -n $left ]] && ((SECONDS < end)); do sleep 0.2; done
  if [[ -n $left ]]; then
    echo "orca_session.sh: still running 5 s after TERM, now killed:"
    for pid in $left; do
      echo "  $pid $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")"
      kill -KILL "$pid" 2>/dev/null
    done
  fi
}
trap cleanup EXIT
trap 'exit 143' INT TERM

wait_for() {  # wait_for SECONDS WHAT COMMAND...: polls COMMAND every 0.1 s
  local deadline=$1 what=$2 end
  shift 2
  end=$(($(date +%s%N) + deadline * 1000000000))
  until "$@"; do
    if (($(date +%s%N) > end)); then
      echo "orca_session.sh: waited $deadline s for $what"
      return 1
    fi
    sleep 0.1
  done
}
alive() { kill -0 "$1" 2>/dev/null; }

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$session/logs/at-spi-bus.txt" 2>&1 &
bus_pid=$!
# A window manager, as every desktop has: without one, X gives the keyboard to whatever window is
# asked, and a popup's opening brought its window's activation back round to the window under it.
openbox --sm-disable >"$session/logs/openbox.txt" 2>&1 &
openbox_pid=$!
speech-dispatcher --run-single --timeout 0 --config-dir "$XDG_CONFIG_HOME/speech-dispatcher" \
  --socket-path "$XDG_RUNTIME_DIR/speechd.sock" --pid-file "$XDG_RUNTIME_DIR/speechd.pid" \
  --log-dir "$session/logs" >"$session/logs/speech-dispatcher-out.txt" 2>&1 &
speechd_pid=$!
if ! wait_for 10 "speech-dispatcher's socket" test -S "$XDG_RUNTIME_DIR/speechd.sock"; then
  alive "$speechd_pid" || echo "orca_session.sh: speech-dispatcher quit"
  tail -n 20 "$session/logs/speech-dispatcher.log" "$session/logs/speech-dispatcher-out.txt" 2>/dev/null
  exit 77
fi

# --disable braille: there is no braille display, so no connection attempts to brltty.
# --disable key-echo: Orca would otherwise say each key pressed ("tab ") before what it moves to.
orca_started=$(date +%s%N)
/usr/bin/orca --debug-file="$ORCA_DEBUG_FILE" --disable braille,key-echo >"$session/logs/orca-out.txt" 2>&1 &
orca_pid=$!
export ORCA_PID=$orca_pid
orca_up() {
  alive "$orca_pid" || return 0  # stops the wait; checked below
  grep -q -e 'ORCA: Starting registry' "$ORCA_DEBUG_FILE" 2>/dev/null
}
if ! wait_for 30 "Orca to start" orca_up || ! alive "$orca_pid"; then
  alive "$orca_pid" || echo "orca_session.sh: Orca quit at start: $(head -c 1000 "$session/logs/orca-out.txt")"
  echo "orca_session.sh: the end of Orca's debug file:"; tail -n 20 "$ORCA_DEBUG_FILE" 2>/dev/null
  exit 77
fi
orca_ready=$(($(date +%s%N) - orca_started))
echo "orca_session.sh: Orca ready after $((orca_ready / 1000000)) ms (pid $orca_pid, debug file $ORCA_DEBUG_FILE)"
if ! grep -q 'SPEECH: Using speech server factory: speechdispatcherfactory' "$ORCA_DEBUG_FILE"; then
  echo "orca_session.sh: Orca is not talking to speech-dispatcher:"
  grep -e 'SPEECH' -e 'ERROR' "$ORCA_DEBUG_FILE" | head -n 20
  exit 77
fi

timeout -k 10 "$ORCA_SESSION_LIMIT" "$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=
exit "$status"
