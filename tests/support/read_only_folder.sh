# Making a folder read-only for a while, for the tests of programs that must read it and write
# nothing. Root writes through permissions, so for root the folder becomes a read-only bind mount of
# itself; anyone else loses the write permission. Sourced by the session tests.

# make_read_only FOLDER: fails when it cannot be done here (root that may not mount).
make_read_only() {
  if [[ $(id -u) -ne 0 ]]; then chmod a-w "$1"; return; fi
  mount --bind "$1" "$1" 2>/dev/null && mount -o remount,bind,ro "$1" "$1"
}
# make_writable FOLDER: undoes make_read_only.
make_writable() {
  if [[ $(id -u) -ne 0 ]]; then chmod u+w "$1"; return; fi
  umount "$1"
}
