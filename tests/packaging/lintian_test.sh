#!/usr/bin/env bash
# The Debian package passes lintian without an error or a warning, and carries what Debian asks of
# every package: its copyright and licence, its changelog for this version, and a manual page for
# each program it installs.
# Usage: lintian_test.sh BUILD_DIR
set -u
source "$(dirname "$0")/../support/checks.sh"
if ! command -v lintian >/dev/null; then
  echo "skipped: lintian is not installed (scripts/install-dependencies installs it)"
  exit 77
fi
limit=300
if [[ -z "${QUILLON_LINTIAN_TEST_INSIDE:-}" ]]; then
  # Packing and lintian's unpacking take most of the time; a stuck step must not hold the run.
  QUILLON_LINTIAN_TEST_INSIDE=1 within_limit "$limit" "the lintian test" "$0" "$@"
  exit
fi
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

report=$(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" </dev/null 2>&1) ||
  { echo "FAILED: cpack"; echo "$report" | tail -n 30; exit 1; }
deb=$(ls "$work"/out/quillon_*_amd64.deb 2>/dev/null | head -n 1)
check "a Debian package is made" "echo \"made: \$(ls '$work/out')\"; [[ -s '$deb' ]]" || exit 1

# Without the machine's or the user's lintian settings, which could turn tags off.
check "lintian finds no error and no warning in it" \
  "lintian --no-cfg --fail-on error,warning '$deb' 2>&1"

contents=$(dpkg-deb --contents "$deb")
programs=$(sed -n 's|.* \./usr/bin/\([^/]*\)$|\1|p' <<<"$contents")
check "it installs programs" "echo \"programs: \$programs\"; [[ -n \$programs ]]"
for program in $programs; do
  check "$program has its manual page" "grep -q ' ./usr/share/man/man1/$program\\.1\\.gz$' <<<\"\$contents\" || { grep man1 <<<\"\$contents\"; false; }"
done

doc=./usr/share/doc/quillon
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "$doc/copyright" 2>&1)
check "its copyright file gives the licence, GPL-3.0-or-later, in Debian's format" \
  "head -n 12 <<<\"\$copyright\"; grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' <<<\"\$copyright\" && grep -qx 'License: GPL-3+' <<<\"\$copyright\" && grep -q '/usr/share/common-licenses/GPL-3' <<<\"\$copyright\""
version=$(dpkg-deb --field "$deb" Version)
latest=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "$doc/changelog.gz" 2>&1 | gunzip 2>&1 | LC_ALL=C dpkg-parsechangelog -l- -SVersion 2>&1)
check "its changelog's latest entry is for the package's version" \
  "echo \"package $version, changelog $latest\"; [[ -n \$version && \$latest == \"\$version\" ]]"
echo "$failures failed"
exit $((failures > 0))
