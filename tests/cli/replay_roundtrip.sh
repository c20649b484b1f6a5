#!/usr/bin/env bash
# Simulated duels written as replay files must replay in view mode to the set IDs and the check
# codes the two playing programs reached, and a replay must print the same transcript twice.
set -euo pipefail
cli="$1"
work="$2"
rm -rf "$work"
"$cli" simulate --duels 60 --seed 11 --log "$work" >/dev/null
count=0
for f in "$work"/*.txt; do
  want=$(grep '^# set_ids=' "$f" | sed 's/^# //')
  out=$("$cli" replay "$f")
  got=$(printf '%s\n' "$out" | tail -n 1)
  if [ "$want" != "$got" ]; then
    echo "FAIL: $f: the players reached $want, the replay $got"
    exit 1
  fi
  if [ "$(grep '^# check=' "$f" | sed 's/^# //')" != "$(printf '%s\n' "$out" | grep '^check=')" ]; then
    echo "FAIL: $f: the replay's check codes differ from the players'"
    exit 1
  fi
  count=$((count + 1))
done
first="$work/duel0.txt"
if ! cmp -s <("$cli" replay "$first") <("$cli" replay "$first"); then
  echo "FAIL: two replays of $first differ"
  exit 1
fi
# A damaged number is refused, with a non-zero exit (line 5: the first BATTLE NUMBER).
sed '5s/.*/0x000000/' "$first" >"$work/damaged.txt"
if "$cli" replay "$work/damaged.txt" >/dev/null; then
  echo "FAIL: a damaged replay was accepted"
  exit 1
fi
echo "$count replays reached the players' set IDs"
