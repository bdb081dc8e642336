#!/usr/bin/env bash
# Fails when an include runs against the layers (docs/architecture.md), and names each one:
# a folder includes only its own files and those of the layers below it; the rules in core/ see
# no Qt and no SDL; SDL is seen in ui/audio/ alone; bench/ takes nothing from tests/.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each layer, then the folders its files may include (its own among them).
declare -A may=(
  [core]="core"
  [files]="core files"
  [sim]="core files sim"
  [ui]="core files sim ui"
  [editor]="core files sim ui editor"
  [screens]="core files sim ui screens"
  [app]="core files sim ui editor screens app"
  [server]="core files sim server"
  [bench]="core files sim ui editor screens server bench"
)

status=0
against() {
  echo "$1: $2"
  status=1
}
while IFS= read -r file; do
  layer=${file%%/*}
  allowed=${may[$layer]:-}
  [ -n "$allowed" ] || continue
  while IFS= read -r line; do
    if [[ $line =~ ^#include\ \"([a-z_]+)/ ]]; then
      folder=${BASH_REMATCH[1]}
      [[ " $allowed " == *" $folder "* ]] || against "$file" "$layer/ includes $folder/: ${line#\#include }"
    elif [[ $line =~ ^#include\ \<(Q|SDL) ]]; then
      what=${BASH_REMATCH[1]}
      if [ "$layer" = core ]; then
        against "$file" "the rules include ${line#\#include }"
      elif [ "$what" = SDL ] && [[ $file != ui/audio/* ]]; then
        against "$file" "SDL outside ui/audio/: ${line#\#include }"
      fi
    fi
  done < <(grep -E '^#include ' "$file" || true)
done < <(git ls-files -- '*.cpp' '*.h')
if [ $status -eq 0 ]; then
  echo "every include runs down the layers"
fi
exit $status
