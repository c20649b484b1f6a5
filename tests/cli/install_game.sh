#!/usr/bin/env bash
# Installing a rebuilt game over a player's folder updates the program and media, keeps the save,
# and puts one launcher with its icon into the (temporary) home's application menu.
set -euo pipefail
script="$1"
built="$2"
work="$3"
rm -rf "$work"
mkdir -p "$work/player/dat" "$work/player/records" "$work/home"
export HOME="$work/home"
unset XDG_DATA_HOME
printf 'SAVE\r\n' >"$work/player/dat/my.dat"
printf 'RECORD\r\n' >"$work/player/記録.txt"
printf '0\n' >"$work/player/records/20260101-000000.txt"
# A built folder that (wrongly) carries a save of its own must not overwrite the player's.
cp -r "$built" "$work/built"
printf 'BUILT\r\n' >"$work/built/dat/my.dat"
mkdir -p "$work/built/records"
printf 'BUILT\n' >"$work/built/records/20260101-000000.txt"
"$script" "$work/built" "$work/player"
"$script" "$work/built" "$work/player"
[ "$(cat "$work/player/dat/my.dat")" = $'SAVE\r' ] || { echo "FAIL: my.dat was overwritten"; exit 1; }
[ "$(cat "$work/player/記録.txt")" = $'RECORD\r' ] || { echo "FAIL: 記録.txt was overwritten"; exit 1; }
[ "$(cat "$work/player/records/20260101-000000.txt")" = '0' ] || { echo "FAIL: a saved record was overwritten"; exit 1; }
for f in kestra kestra-cli dat/card.dat dat/icon.dat dat/name.dat dat/lorpe.mid cg/unit326.bmp cg/emblem.png; do
  cmp -s "$work/built/$f" "$work/player/$f" || { echo "FAIL: $f was not installed"; exit 1; }
done
apps="$work/home/.local/share/applications"
entry="$apps/kestra-ten.desktop"
[ "$(ls "$apps")" = "kestra-ten.desktop" ] || { echo "FAIL: the menu holds $(ls "$apps")"; exit 1; }
grep -qx "Exec=\"$work/player/kestra\"" "$entry" || { echo "FAIL: Exec does not start the installed game"; exit 1; }
grep -qx 'Icon=kestra-ten' "$entry" || { echo "FAIL: no icon named"; exit 1; }
cmp -s "$work/built/cg/emblem.png" "$work/home/.local/share/icons/hicolor/128x128/apps/kestra-ten.png" ||
  { echo "FAIL: the icon was not installed"; exit 1; }
# XDG_DATA_HOME moves the launcher; a game folder with a space and a quote is quoted in Exec.
odd="$work/odd \"dir\""
XDG_DATA_HOME="$work/xdg" "$script" "$work/built" "$odd"
grep -qx 'Exec="'"$work"'/odd \\\\"dir\\\\"/kestra"' "$work/xdg/applications/kestra-ten.desktop" ||
  { echo "FAIL: XDG_DATA_HOME or the quoting"; cat "$work/xdg/applications/kestra-ten.desktop"; exit 1; }
[ -f "$work/xdg/icons/hicolor/128x128/apps/kestra-ten.png" ] || { echo "FAIL: icon under XDG_DATA_HOME"; exit 1; }
echo "install keeps the save and installs one launcher"
