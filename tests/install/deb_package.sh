#!/usr/bin/env bash
# Makes the Debian packages and has lintian check both (no error, no warning); checks that systemd
# takes the server's unit; unpacks the game's into a scratch root with dpkg -x, checks what it
# holds, then starts the unpacked game from there under Xvfb: it finds every image and sound it
# names, the board moves during play, and nothing is written into the scratch root. Exits 77 (skipped) when a tool is missing.
# Usage: deb_package.sh <build folder> <version> <desktop id> <installed mark> [screenshot folder]
set -euo pipefail
build=${1:?build folder}
version=${2:?version}
id=${3:?desktop id}
mark=${4:?name of the installed mark}
work=$(mktemp -d)
shots=${5:-$work/shots}
mkdir -p "$shots"

# A step that stops the test under set -e names itself, so that a rare failure leaves a trace.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
for tool in groff update-mime-database cpack dpkg-deb dpkg-shlibdeps appstreamcli identify compare Xvfb xdotool import lintian; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

game_pid=
xvfb_pid=
cleanup() {
  for pid in $game_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
# describes_every_option <manual page> <program>: the page names each option its --help lists
# (lintian has checked that groff formats it without a warning).
describes_every_option() {
  local text option
  text=$(zcat "$1" | LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou)
  for option in $(env -u DISPLAY "$2" --help | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u); do
    grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text" || fail "$(basename "$1") does not describe $option"
  done
}

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

# The server's package: lintian-clean, a unit that systemd takes (run from the unpacked tree), a
# program that answers and a manual page that describes its every option.
server=$work/package/pondrake-server_${version}_amd64.deb
[ -f "$server" ] || fail "no $(basename "$server") among: $(ls "$work/package")"
lintian --fail-on error,warning "$server" >"$work/lintian-server.log" 2>&1 || { cat "$work/lintian-server.log"; fail "lintian on the server"; }
dpkg -x "$server" "$work/server"
unit=$work/server/lib/systemd/system/pondrake-server.service
grep -q '^DynamicUser=yes$' "$unit" && grep -q '^StateDirectory=pondrake-server$' "$unit" || fail "the unit: $(cat "$unit")"
if command -v systemd-analyze >/dev/null; then
  sed "s|/usr/sbin/pondrake-server|$work/server/usr/sbin/pondrake-server|" "$unit" >"$work/pondrake-server.service"
  systemd-analyze verify --man=no "$work/pondrake-server.service" || fail "systemd-analyze verify refuses the unit"
fi
[ "$("$work/server/usr/sbin/pondrake-server" --version)" = "pondrake-server $version" ] || fail "pondrake-server --version"
for page_file in images/turtle_up.gif translations/pondrake_de.qm; do  # what the pages show, where the server looks
  [ -f "$work/server/usr/share/pondrake-server/$page_file" ] || fail "the server's package has no $page_file"
done
describes_every_option "$work/server/usr/share/man/man8/pondrake-server.8.gz" "$work/server/usr/sbin/pondrake-server"

# What the unpacked tree holds: the command in games/ as a link to the program, no bin/, and a
# manual page that describes every option.
root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
folder=$usr/lib/pondrake
[ -L "$usr/games/pondrake" ] || fail "usr/games/pondrake is not a link"
[ "$(readlink -f "$usr/games/pondrake")" = "$(readlink -f "$folder/pondrake")" ] ||
  fail "usr/games/pondrake leads to $(readlink -f "$usr/games/pondrake")"
[ ! -e "$usr/bin" ] || fail "the package has a usr/bin: $(ls "$usr/bin")"
[ "$(env -u DISPLAY "$usr/games/pondrake" --version)" = "Pondrake $version" ] || fail "pondrake --version"
describes_every_option "$usr/share/man/man6/pondrake.6.gz" "$usr/games/pondrake"
for file in pondrake "$mark" instruct.html about.html images/water.gif audio/go.wav audio/pond1.mid \
  levels/level1.txt translations/pondrake_de.qm instruct_fr.html about_es.html; do
  [ -s "$folder/$file" ] || fail "the program folder lacks $file"
done
grep -q "Version $version" "$folder/about.html" || fail "about.html does not carry version $version"
[ -z "$(find "$folder" -name scores.txt)" ] || fail "a score table was packed"
! grep -q -F "$build" "$folder/pondrake" || fail "the program names the build folder $build"

entry=$usr/share/applications/$id.desktop
[ "$(sed -n 's/^Exec=//p' "$entry")" = "pondrake %f" ] || fail "the menu entry does not start pondrake on a file"
# The kinds of file as installed: shared-mime-info takes them in without a word, by ending and first
# words.
mkdir -p "$work/mime/packages"
cp "$usr/share/mime/packages/$id.xml" "$work/mime/packages/"
told=$(XDG_DATA_HOME=$work update-mime-database "$work/mime" 2>&1)
[ -z "$told" ] || fail "update-mime-database said: $told"
for type in set:pondrake replay:replay; do
  grep -qx "50:application/x-pondrake-${type%:*}:\*\.${type#*:}" "$work/mime/globs2" || fail "no glob for the ${type%:*} file"
  grep -q "application/x-pondrake-${type%:*}" "$work/mime/magic" || fail "no magic for the ${type%:*} file"
done
[ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "the menu entry does not show the icon $id"
for size in 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format %wx%h "$icon" 2>/dev/null)" = "${size}x${size}" ] || fail "no ${size}x${size} icon at $icon"
done
[ -s "$usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
# The metainfo file and the menu entry as installed.
appstreamcli validate-tree --no-net "$usr" >"$work/tree.log" 2>&1 || { cat "$work/tree.log"; fail "validate-tree"; }

# The game started from the scratch root, with a home of its own.
find "$root" -printf '%p %s %T@\n' | sort >"$work/before"
# A display of its own: Xvfb picks a free number and says which once it takes connections, so two
# runs never share a screen; -noreset keeps it from resetting (and refusing) when a client leaves.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
timeout 10 sh -c "until [ -s '$work/display' ]; do sleep 0.1; done" || fail "no virtual display started"
read -r number <"$work/display"
export DISPLAY=":$number"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
mkdir -p "$work/home"
(cd "$work" && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home" "$usr/games/pondrake" 2>"$work/game.err") &
game_pid=$!
# The first shown window of that exact title (Qt also keeps a hidden 1x1 one under it).
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Pondrake$' | head -n 1) || fail "no window named Pondrake"
sleep 1
xdotool windowfocus --sync "$window"
xdotool key alt+g
sleep 2  # the Game menu opens, with time to spare on a loaded machine
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
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=
! grep -E "^Pondrake: .*(missing|unreadable)" "$work/game.err" || fail "the installed game lacks some of its images or sounds"
find "$root" -printf '%p %s %T@\n' | sort >"$work/after"
diff "$work/before" "$work/after" || fail "the game wrote into its installed tree"
echo "PASS: the packages pass lintian, and the game runs from the unpacked tree (screenshots in $shots)"
