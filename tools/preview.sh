#!/bin/sh
# Build preview PNGs of the tiles for a look by eye (not part of the game):
# a 4x montage of all sixteen tiles and a 2x sample board.
# Usage: sh tools/preview.sh [output folder, default /tmp/pondrake-preview]
set -e
here=$(dirname "$0")
img="$here/../data/images"
out=${1:-/tmp/pondrake-preview}
mkdir -p "$out"
IM=/usr/bin/convert

$IM "$img"/alien.gif "$img"/blank.gif "$img"/dog_left.gif "$img"/dog_right.gif \
    "$img"/dog_up.gif "$img"/dog_down.gif "$img"/dog_sit.gif "$img"/hole.gif +append "$out/row1.png"
$IM "$img"/rock.gif "$img"/water.gif "$img"/foot_left.gif "$img"/foot_right.gif \
    "$img"/turtle_left.gif "$img"/turtle_right.gif "$img"/turtle_up.gif "$img"/turtle_down.gif +append "$out/row2.png"
$IM "$out/row1.png" "$out/row2.png" -append -filter point -resize 400% "$out/montage.png"

# A 10x6 board; one letter per cell.
board="rrrrrwwbbb
rbTbbwwwbb
rbbhbbwbda
bLbbRbbbbb
bbUbbFbsbb
bbbbDbbbGb"
rows=""
i=0
echo "$board" | while read -r line; do
    cells=""
    for c in $(echo "$line" | sed 's/./& /g'); do
        case $c in
            b) f=blank ;; r) f=rock ;; w) f=water ;; h) f=hole ;; a) f=alien ;;
            d) f=dog_left ;; s) f=dog_sit ;; D) f=dog_down ;; T) f=turtle_up ;;
            L) f=turtle_left ;; R) f=turtle_right ;; U) f=dog_up ;; F) f=foot_left ;;
            G) f=foot_right ;;
        esac
        cells="$cells $img/$f.gif"
    done
    $IM $cells +append "$out/board_row$i.png"
    i=$((i + 1))
done
$IM "$out"/board_row0.png "$out"/board_row1.png "$out"/board_row2.png "$out"/board_row3.png \
    "$out"/board_row4.png "$out"/board_row5.png -append -filter point -resize 200% "$out/board.png"
rm -f "$out"/row1.png "$out"/row2.png "$out"/board_row*.png
echo "wrote $out/montage.png and $out/board.png"
