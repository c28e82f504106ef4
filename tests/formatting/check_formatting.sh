#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the project's .clang-format,
# and names the files; `clang-format -i FILE` fixes one.
# Usage: check_formatting.sh SOURCE_DIR
set -u
source_dir=${1:?usage: check_formatting.sh SOURCE_DIR}
if ! command -v clang-format >/dev/null; then
  echo "FAILED: clang-format is not installed (scripts/install-dependencies installs it)"
  exit 1
fi
cd "$source_dir" || exit 1
files=()
while IFS= read -r -d '' file; do
  files+=("$file")
done < <(find . \( -path ./build -o -path ./.git \) -prune -o \( -name '*.h' -o -name '*.cpp' \) -print0)
# One run over every file: clang-format names each place that differs.
mapfile -t differing < <(clang-format --style=file --dry-run --Werror "${files[@]}" 2>&1 |
                           sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if ((${#differing[@]} > 0)); then
  printf 'not formatted: %s\n' "${differing[@]}"
  echo "FAILED: ${#differing[@]} file(s) differ from .clang-format"
  exit 1
fi
echo "ok: every C++ file is formatted"
