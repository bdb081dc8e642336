#!/usr/bin/env bash
# Makes the Debian packages, has lintian check both (no error, no warning), checks what the
# server's package holds and that systemd takes its unit; unpacks the game's into a scratch
# root with dpkg -x and checks what it holds; then plays the unpacked game from there under Xvfb to
# the end of a game: the board moves during play, the name entered goes into the player's data
# folder, the table there is read back, and nothing is written into the scratch root. Exits 77
# (skipped) when a tool is missing.
# Usage: deb_package.sh <build folder> <version> <desktop id> <installed mark> [screenshot folder]
set -euo pipefail
build=${1:?build folder}
version=${2:?version}
id=${3:?desktop id}
mark=${4:?name of the installed mark}
work=$(mktemp -d)
shots=${5:-$work/shots}
mkdir -p "$shots"

. "$(dirname "$0")/../smoke/xvfb.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps readelf appstreamcli identify compare Xvfb xdotool import lintian

game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The package, by its expected name, with what the program links and the soundfont.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/package/pondrake_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/package")"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libsdl2-mixer-2.0-0 timgm6mb-soundfont qt6-translations-l10n; do
  grep -q "\b$need\b" <<<"$depends" || fail "Depends lacks $need: $depends"
done

# Debian's own checker: informational tags may stay (they are printed), errors and warnings fail.
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
grep -v "running with root privileges" "$work/lintian.log" | sed 's/^/lintian: /' || true

# The server's package: its own description, the Qt SQL drivers named, lintian-clean, a unit that
# systemd takes (run from the unpacked tree) and a program that answers.
server=$work/package/pondrake-server_${version}_amd64.deb
[ -f "$server" ] || fail "no $(basename "$server") among: $(ls "$work/package")"
grep -q "\blibqt6sql6-sqlite\b" <<<"$(dpkg-deb -f "$server" Depends)" || fail "the server does not depend on libqt6sql6-sqlite"
[ "$(dpkg-deb -f "$server" Recommends)" = libqt6sql6-psql ] || fail "the server does not recommend libqt6sql6-psql"
[ "$(dpkg-deb -f "$server" Description | head -n 1)" != "$(dpkg-deb -f "$deb" Description | head -n 1)" ] ||
  fail "both packages have the summary $(dpkg-deb -f "$deb" Description | head -n 1)"
lintian --fail-on error,warning "$server" >"$work/lintian-server.log" 2>&1 || { cat "$work/lintian-server.log"; fail "lintian on the server"; }
dpkg -x "$server" "$work/server"
unit=$work/server/lib/systemd/system/pondrake-server.service
grep -q '^DynamicUser=yes$' "$unit" && grep -q '^StateDirectory=pondrake-server$' "$unit" || fail "the unit: $(cat "$unit")"
if command -v systemd-analyze >/dev/null; then
  sed "s|/usr/sbin/pondrake-server|$work/server/usr/sbin/pondrake-server|" "$unit" >"$work/pondrake-server.service"
  systemd-analyze verify --man=no "$work/pondrake-server.service" || fail "systemd-analyze verify refuses the unit"
fi
[ "$("$work/server/usr/sbin/pondrake-server" --version)" = "pondrake-server $version" ] || fail "pondrake-server --version"
page=$(zcat "$work/server/usr/share/man/man8/pondrake-server.8.gz")
[ -z "$(LC_ALL=C.UTF-8 groff -ww -man -Tutf8 <<<"$page" 2>&1 >/dev/null)" ] || fail "groff warns on the server's page"
text=$(LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou <<<"$page")
for option in $("$work/server/usr/sbin/pondrake-server" --help | grep -oE -- '--[a-z-]+' | sort -u); do
  grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" || fail "the server's page does not describe $option"
done
[ -s "$work/server/usr/share/doc/pondrake-server/copyright" ] || fail "no copyright in the server's package"

# What the unpacked tree holds: the command in games/ as a link to the program, no bin/.
root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
folder=$usr/lib/pondrake
[ -L "$usr/games/pondrake" ] || fail "usr/games/pondrake is not a link"
[ "$(readlink -f "$usr/games/pondrake")" = "$(readlink -f "$folder/pondrake")" ] ||
  fail "usr/games/pondrake leads to $(readlink -f "$usr/games/pondrake")"
[ ! -e "$usr/bin" ] || fail "the package has a usr/bin: $(ls "$usr/bin")"
[ "$(env -u DISPLAY "$usr/games/pondrake" --version)" = "Pondrake $version" ] || fail "pondrake --version"
zcat "$usr/share/man/man6/pondrake.6.gz" | grep -q '^\.SH FILES' || fail "no manual page"
doc=$usr/share/doc/pondrake
[ "$(zcat "$doc/changelog.gz" | head -n 1 | cut -d' ' -f1-2)" = "pondrake ($version)" ] ||
  fail "the changelog does not start with version $version: $(zcat "$doc/changelog.gz" | head -n 1)"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" ||
  fail "the copyright file is not machine-readable"
for file in pondrake "$mark" instruct.html about.html images/water.gif audio/go.wav audio/pond1.mid \
  levels/level1.txt translations/pondrake_de.qm instruct_fr.html about_es.html; do
  [ -s "$folder/$file" ] || fail "the program folder lacks $file"
done
grep -q "Version $version" "$folder/about.html" || fail "about.html does not carry version $version"
[ -z "$(find "$folder" -name scores.txt)" ] || fail "a score table was packed"
! grep -q -F "$build" "$folder/pondrake" || fail "the program names the build folder $build"
readelf -d "$folder/pondrake" | grep -q -E 'RPATH|RUNPATH' && fail "the program carries a library path"

entry=$usr/share/applications/$id.desktop
[ "$(sed -n 's/^Exec=//p' "$entry")" = "pondrake %f" ] || fail "the menu entry does not start pondrake on a file"
grep -q 'type="application/x-pondrake-set"' "$usr/share/mime/packages/$id.xml" || fail "the kinds of file are not installed"
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "the menu entry does not show the icon $id"
for size in 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon at $icon"
done
[ -s "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
appstreamcli validate-tree --no-net "$usr" >"$work/tree.log" 2>&1 || { cat "$work/tree.log"; fail "validate-tree"; }

# A game played from the scratch root, with a table of ten poor scores in the player's data folder.
home=$work/home
table=$home/.local/share/Pondrake/levels/scores.txt
mkdir -p "$(dirname "$table")"
for i in 0 1 2 3 4 5 6 7 8 9; do printf ' 0 \r\n-1000 \r\nold%d\r\n' "$i"; done >"$table"
find "$root" -printf '%p %s %T@\n' | sort >"$work/before"

start_xvfb 1024x768x24
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
(cd "$work" && env -u XDG_DATA_HOME HOME="$home" "$usr/games/pondrake") &
game_pid=$!
window=$(wait_for_window Pondrake)
sleep 1
xdotool windowfocus --sync "$window"
xdotool key alt+g
sleep 0.5
xdotool key n
sleep 8  # the countdown (6 s), and two seconds of play
eval "$(xdotool getwindowgeometry --shell "$window")"
client_top=$((Y + HEIGHT - 693))  # the window is the menu bar over a 693-pixel client area
import -window root "$shots/installed-playing1.png"
sleep 2
import -window root "$shots/installed-playing2.png"
board="600x560+$((X + 40))+$((client_top + 40))"
changed=$(compare -metric AE -extract "$board" "$shots/installed-playing1.png" "$shots/installed-playing2.png" null: 2>&1 || true)
[ "${changed%%.*}" -gt 0 ] 2>/dev/null || fail "the board did not change during play: $changed pixels (screenshots in $shots)"
# Abort Game sits under the turtle totals.
xdotool mousemove $((X + 744)) $((client_top + 354)) click 1
question=$(wait_for_window "Abort Pondrake")
xdotool windowfocus --sync "$question" key alt+y
over=$(wait_for_window "Game Over")
sleep 0.5
import -window root "$shots/installed-game-over.png"
xdotool windowfocus --sync "$over" type Ada
xdotool key Return
top=$(wait_for_window "Top Ten Scores")
sleep 0.5
import -window root "$shots/installed-top-ten.png"
xdotool windowfocus --sync "$top" key Return
sleep 0.5
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

[ "$(sed -n 3p "$table")" = $'Ada\r' ] || fail "the name did not go first into $table: $(head -n 3 "$table")"
[ "$(sed -n 30p "$table")" = $'old8\r' ] || fail "the table in the data folder was not read before the name went in"
find "$root" -printf '%p %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" || fail "the game wrote into its installed tree"
echo "PASS: the package installs, the game runs from it and keeps its scores in $table (screenshots in $shots)"
