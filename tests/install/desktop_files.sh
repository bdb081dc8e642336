#!/usr/bin/env bash
# The menu entry and the metainfo file pass the desktop's own validators, the kinds of file are
# taken in by shared-mime-info, by their endings and their first words, and each scalable icon
# draws the same picture as its 256-pixel one. Exits 77 (skipped) when a tool is missing.
# Usage: desktop_files.sh <desktop entry> <metainfo file> <icon folder> <shared-mime-info file>
set -euo pipefail
entry=${1:?desktop entry}
metainfo=${2:?metainfo file}
icons=${3:?icon folder}
mime=${4:?shared-mime-info file}
. "$(dirname "$0")/../smoke/xvfb.sh"
need_tools desktop-file-validate appstreamcli rsvg-convert compare update-mime-database

desktop-file-validate "$entry"
appstreamcli validate --no-net "$metainfo"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/mime/packages"
cp "$mime" "$work/mime/packages/"
told=$(XDG_DATA_HOME=$work update-mime-database "$work/mime" 2>&1)  # a warning is a fault
[ -z "$told" ] || { echo "FAIL: update-mime-database said: $told"; exit 1; }
for type in set:pondrake replay:replay; do
  grep -qx "50:application/x-pondrake-${type%:*}:\*\.${type#*:}" "$work/mime/globs2" ||
    { echo "FAIL: no glob for the ${type%:*} file"; cat "$work/mime/globs2"; exit 1; }
  grep -q "application/x-pondrake-${type%:*}" "$work/mime/magic" || { echo "FAIL: no magic for ${type%:*}"; exit 1; }
done

for icon in pondrake application-x-pondrake-set application-x-pondrake-replay; do
  rsvg-convert -w 256 -h 256 "$icons/$icon.svg" -o "$work/drawn.png"
  # RMSE prints "<absolute> (<fraction of full scale>)": edges differ a little, shapes must not.
  error=$(compare -metric RMSE "$icons/$icon-256.png" "$work/drawn.png" null: 2>&1 || true)
  fraction=${error#*(}
  fraction=${fraction%)*}
  awk -v f="$fraction" 'BEGIN { exit !(f < 0.01) }' ||
    { echo "FAIL: the SVG and the 256-pixel $icon differ (RMSE $error)"; exit 1; }
done
echo "PASS: desktop entry, metainfo and kinds of file valid; each SVG icon matches its PNG"
