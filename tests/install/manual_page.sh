#!/usr/bin/env bash
# The manual page formats without a single warning, has a whatis line, carries the program's
# version, and describes every option that the program's --help lists. The program answers with no
# display at all (no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM, where the application object
# would abort), and refuses a wrong option with exit code 2.
# Usage: manual_page.sh <manual page> <pondrake program>
set -euo pipefail
page=${1:?manual page}
game=${2:?pondrake program}
. "$(dirname "$0")/../smoke/xvfb.sh"
need_tools groff lexgrog
fail() { echo "FAIL: $*"; exit 1; }
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@"; }

# -ww: every warning groff knows; anything on its error stream fails.
warnings=$(LC_ALL=C.UTF-8 groff -ww -man -Tutf8 "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "groff warns: $warnings"
lexgrog "$page" | grep -q ': "pondrake - ' || fail "no whatis line: $(lexgrog "$page" 2>&1)"

version=$(bare --version)
grep -q "^\.TH PONDRAKE 6 [0-9-]* \"$version\"" "$page" || fail "the page is not of $version: $(grep '^\.TH' "$page")"

# The OPTIONS section as text: from its heading to the next one.
text=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou "$page" | sed -n '/^OPTIONS$/,/^[A-Z]/p')
options=$(bare --help | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "--help lists no options"
for option in $options; do
  grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" || fail "the page's OPTIONS do not describe $option"
done
status=0
bare --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "a wrong option exited $status, not 2"
echo "PASS: the manual page formats cleanly and describes $(echo $options)"
