#!/usr/bin/env bash
# Installing a rebuilt game over a player's folder updates the program and media and keeps the save.
set -euo pipefail
script="$1"
built="$2"
work="$3"
rm -rf "$work"
mkdir -p "$work/player/dat"
printf 'SAVE\r\n' >"$work/player/dat/my.dat"
printf 'RECORD\r\n' >"$work/player/記録.txt"
# A built folder that (wrongly) carries a save of its own must not overwrite the player's.
cp -r "$built" "$work/built"
printf 'BUILT\r\n' >"$work/built/dat/my.dat"
"$script" "$work/built" "$work/player"
"$script" "$work/built" "$work/player"
[ "$(cat "$work/player/dat/my.dat")" = $'SAVE\r' ] || { echo "FAIL: my.dat was overwritten"; exit 1; }
[ "$(cat "$work/player/記録.txt")" = $'RECORD\r' ] || { echo "FAIL: 記録.txt was overwritten"; exit 1; }
for f in kestra kestra-cli dat/card.dat dat/icon.dat dat/name.dat dat/lorpe.mid cg/unit326.bmp; do
  cmp -s "$work/built/$f" "$work/player/$f" || { echo "FAIL: $f was not installed"; exit 1; }
done
echo "install keeps the save"
