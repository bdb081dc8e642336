#!/usr/bin/env bash
# `cmake --install` into a prefix lays out the command as bin/pondrake (a relative link into the
# program folder) and the manual page, and none of what only the Debian package holds (games/,
# the copyright file and changelog); the prefix still works when moved as a whole. The build
# folder's install_manifest.txt (the player's list for uninstalling) is put back as it was.
# Usage: prefix_install.sh <build folder> <version>
set -euo pipefail
build=${1:?build folder}
version=${2:?version}
work=$(mktemp -d)
manifest=$build/install_manifest.txt
[ -e "$manifest" ] && cp -p "$manifest" "$work/manifest"
restore() {
  if [ -e "$work/manifest" ]; then cp -p "$work/manifest" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap restore EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$work/first" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
mv "$work/first" "$work/moved"
prefix=$work/moved
[ "$(readlink "$prefix/bin/pondrake")" = ../lib/pondrake/pondrake ] || fail "bin/pondrake is not the link into lib/pondrake"
[ "$(env -u DISPLAY "$prefix/bin/pondrake" --version)" = "Pondrake $version" ] || fail "the moved prefix's pondrake --version"
[ -s "$prefix/share/man/man6/pondrake.6.gz" ] || fail "no manual page"
for packaged in games share/doc; do
  [ ! -e "$prefix/$packaged" ] || fail "the install holds $packaged, which only the Debian package should"
done
echo "PASS: cmake --install lays out bin/pondrake and the manual page, and the prefix may move"
