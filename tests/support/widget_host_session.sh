# Talking to a running quillon-widgets in a test session, sourced after checks.sh by the host's
# session tests. They set $log (the host's standard error, with the timelines' log lines on) and
# $pid (the host's process) before using these.

# call METHOD ARGUMENTS...: the host's reply on the session bus, with a deadline.
call() {
  timeout --foreground 30 dbus-send --session --print-reply --reply-timeout=25000 --dest=com.quillon.WidgetHost \
    /com/quillon/WidgetHost "com.quillon.WidgetHost.$1" "${@:2}" </dev/null 2>&1
}
# call_answers BOOLEAN METHOD ARGUMENTS...: the call's reply, and whether it is that boolean.
call_answers() {
  local reply
  reply=$(call "${@:2}")
  echo "$reply"
  [[ $reply == *"boolean $1"* ]]
}
host_runs() { kill -0 "$1" 2>/dev/null || { echo "host $1 has ended: $(tail -n 5 "$log" 2>&1)"; return 1; }; }
# Asks the host to end, and makes sure it has before the next one starts.
stop_host() {
  kill "$pid" 2>/dev/null
  wait_until "host $pid to end" 15 "! kill -0 $pid 2>/dev/null" || kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=
}

# The desktop's handler of quillon:// links becomes a stub that notes each link it is given in
# $opened; links shows them.
install_link_stub() {
  opened=$XDG_CONFIG_HOME/opened-links
  mkdir -p "$XDG_DATA_HOME/applications"
  printf '#!/bin/sh\necho "$1" >>"%s"\n' "$opened" >"$XDG_DATA_HOME/link-stub"
  chmod +x "$XDG_DATA_HOME/link-stub"
  printf '[Desktop Entry]\nType=Application\nName=Link stub\nExec=%s %%u\nMimeType=x-scheme-handler/quillon;\n' \
    "$XDG_DATA_HOME/link-stub" >"$XDG_DATA_HOME/applications/link-stub.desktop"
  printf '[Default Applications]\nx-scheme-handler/quillon=link-stub.desktop\n' >"$XDG_CONFIG_HOME/mimeapps.list"
}
links() { echo "links opened: [$(cat "$opened" 2>/dev/null | tr '\n' ' ')]"; }

# asking_widgets LINE COUNT: after line LINE of the log, COUNT different widgets have asked their
# plug-in for a timeline.
asking_widgets() {
  local lines
  lines=$(tail -n "+$(($1 + 1))" "$log" | grep 'asks for a timeline')
  echo "$(echo "$lines" | grep -o 'widget [0-9]* (' | sort -u | grep -c .) widgets asked: [$(echo $lines)]"
  [[ $(echo "$lines" | grep -o 'widget [0-9]* (' | sort -u | grep -c .) -eq $2 ]]
}
