#!/usr/bin/env bash
# The menu entry and the metainfo file pass the desktop's own validators, and the scalable icon
# draws the same picture as the 256-pixel one. Exits 77 (skipped) when a tool is missing.
# Usage: desktop_files.sh <desktop entry> <metainfo file> <icon folder>
set -euo pipefail
entry=${1:?desktop entry}
metainfo=${2:?metainfo file}
icons=${3:?icon folder}
. "$(dirname "$0")/../smoke/xvfb.sh"
need_tools desktop-file-validate appstreamcli rsvg-convert compare

desktop-file-validate "$entry"
appstreamcli validate --no-net "$metainfo"

drawn=$(mktemp --suffix=.png)
trap 'rm -f "$drawn"' EXIT
rsvg-convert -w 256 -h 256 "$icons/pondrake.svg" -o "$drawn"
# RMSE prints "<absolute> (<fraction of full scale>)": edges differ a little, shapes must not.
error=$(compare -metric RMSE "$icons/pondrake-256.png" "$drawn" null: 2>&1 || true)
fraction=${error#*(}
fraction=${fraction%)*}
awk -v f="$fraction" 'BEGIN { exit !(f < 0.01) }' ||
  { echo "FAIL: the SVG and the 256-pixel icon differ (RMSE $error)"; exit 1; }
echo "PASS: desktop entry and metainfo valid; the SVG matches the PNG (RMSE $error)"
