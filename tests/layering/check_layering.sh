#!/usr/bin/env bash
# Fails when a source file includes from a layer above its own, or when the toolkit-free layers
# include Qt. Each folder may include from itself and the folders listed for it: the same layering
# the libraries link in, so that an upward include is caught before a link error or a cycle is. The
# studio's rooms are layers of their own, from its model up to the application.
# Usage: check_layering.sh SOURCE_DIR
set -u
source_dir=${1:?usage: check_layering.sh SOURCE_DIR}
declare -A below=(
  [platform]=""
  [core]="platform"
  [scenes]="core platform"
  [state]="scenes core platform"
  [render]="scenes core platform"
  [widgethost]="platform"
  [widget]="widgethost state render scenes core platform"
  [studio/model]="state scenes core platform"
  [studio/controls]="scenes core platform"
  [studio/dates]="studio/model studio/controls state scenes core platform"
  [studio/stage]="studio/model studio/controls state render scenes core platform"
  [studio/inspector]="studio/model studio/controls studio/dates state scenes core platform"
  [studio/window]="studio/stage studio/inspector studio/dates studio/model studio/controls state render scenes core platform"
  [studio/application]="studio/window studio/stage studio/inspector studio/dates studio/model studio/controls state render scenes core platform"
  [tools]="widgethost state render scenes core platform"
  [bench]="render scenes core platform"
)
toolkit_free=(core scenes state)
problems=0
for folder in "${!below[@]}"; do
  [[ -d "$source_dir/$folder" ]] || continue
  allowed=" $folder ${below[$folder]} "
  while IFS= read -r found; do
    file=${found%%:*}
    included=${found#*#include \"}
    top=${included%%/*}
    # The studio's rooms are layers of their own.
    if [[ "$top" == studio ]]; then
      room=${included#studio/}
      top=studio/${room%%/*}
    fi
    if [[ "$included" == */* && "$allowed" != *" $top "* ]]; then
      echo "upward include: ${file#"$source_dir"/} includes \"${included%\"*}\" ($folder may include from:${allowed% })"
      problems=$((problems + 1))
    fi
  done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' "$source_dir/$folder" \
             --include='*.h' --include='*.cpp' --include='*.in' | sed -E 's/#[[:space:]]*include[[:space:]]+"/#include "/')
done
for folder in "${toolkit_free[@]}"; do
  while IFS= read -r found; do
    echo "Qt in a toolkit-free folder: ${found#"$source_dir"/}"
    problems=$((problems + 1))
  done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$source_dir/$folder" --include='*.h' --include='*.cpp')
done
if ((problems > 0)); then
  echo "FAILED: $problems include(s) against the layering"
  exit 1
fi
echo "ok: every include stays within its layer or below"
