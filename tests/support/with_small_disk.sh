#!/usr/bin/env bash
# Runs a test program with a small file system of its own, so that it can meet a full disk: a tmpfs
# mounted in new user and mount namespaces, which needs no privileges where the kernel allows
# unprivileged user namespaces (Debian's default). The program finds it in QUILLON_SMALL_DISK.
# Where namespaces are not allowed the test is skipped, with exit status 77.
# Usage: with_small_disk.sh SIZE PROGRAM [ARGUMENTS...]     (SIZE as mount(8) takes it: 4m)
set -u
size=$1
shift
disk=$(mktemp -d)
trap 'rmdir "$disk" 2>/dev/null' EXIT
if ! reason=$(unshare --user --map-root-user --mount true 2>&1); then
  echo "SKIPPED: the full-disk tests need an unprivileged user namespace, which this machine refuses: $reason"
  exit 77
fi
unshare --user --map-root-user --mount -- bash -c '
  size=$1 disk=$2
  shift 2
  mount -t tmpfs -o "size=$size" quillon-small-disk "$disk" || exit 1
  QUILLON_SMALL_DISK=$disk exec "$@"' with_small_disk "$size" "$disk" "$@"
