# The six widgets as a user might arrange and theme them with the editor, for the desktop pictures.
# Sourced; write_six_widgets FILE SCREEN writes them to a widgets.json, on the screen of that name
# (empty: in the desktop's coordinates).
write_six_widgets() {
  local screen=$2
  widget() { # kind family x y configuration
    printf '{"plugin": "liblampwork.so", "kind": "%s", "family": "%s", "screen": "%s", "x": %d, "y": %d, "configuration": %s}' \
      "$1" "$2" "$screen" "$3" "$4" "$5"
  }
  mkdir -p "$(dirname "$1")"
  {
    echo '{"widgets": ['
    widget WorldBoard systemLarge 40 40 '{"theme": "midnight"}'; echo ,
    widget DotClock systemSmall 408 40 '{"theme": "amber", "city": "tokyo"}'; echo ,
    widget DotDay systemSmall 596 40 '{"theme": "paper"}'; echo ,
    widget DotCountdown systemMedium 784 40 '{"theme": "sky", "label": "New Year", "target": 820454400}'; echo ,
    widget DotProgress systemMedium 408 228 '{"theme": "matcha", "period": "year"}'; echo ,
    widget DotSign systemExtraLarge 784 228 '{"theme": "phosphor", "message": "WELCOME ABOARD\nPLATFORM 9"}'
    echo ']}'
  } >"$1"
}
