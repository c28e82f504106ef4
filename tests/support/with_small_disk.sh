#!/usr/bin/env bash
# Runs a test program with a small file system of its own, so that it can meet a full disk: a tmpfs
# the program finds in QUILLON_SMALL_DISK. It is mounted in new user and mount namespaces where the
# kernel allows unprivileged ones (Debian's default, though not inside a chroot), else, for root,
# directly and unmounted afterwards. With neither, the test is skipped: exit status 77.
# Usage: with_small_disk.sh SIZE PROGRAM [ARGUMENTS...]     (SIZE as mount(8) takes it: 4m)
set -u
size=$1
shift
disk=$(mktemp -d)
mounted=false
cleanup() {
  if $mounted; then umount "$disk"; fi
  rmdir "$disk" 2>/dev/null
}
trap cleanup EXIT

if reason=$(unshare --user --map-root-user --mount true 2>&1); then
  unshare --user --map-root-user --mount -- bash -c '
    size=$1 disk=$2
    shift 2
    mount -t tmpfs -o "size=$size" quillon-small-disk "$disk" || exit 1
    QUILLON_SMALL_DISK=$disk exec "$@"' with_small_disk "$size" "$disk" "$@"
  exit
fi
if [[ $(id -u) -eq 0 ]] && mount -t tmpfs -o "size=$size" quillon-small-disk "$disk"; then
  mounted=true
  QUILLON_SMALL_DISK=$disk "$@"
  exit
fi
echo "SKIPPED: the full-disk tests need a user namespace (refused here: $reason) or root to mount a small disk"
exit 77
