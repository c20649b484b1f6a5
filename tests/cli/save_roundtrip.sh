#!/usr/bin/env bash
# Drives `kestra-cli save new` and `save check` on a scratch game folder:
# a new save passes, a hand-edited card count fails, icons 255 and up are not covered.
set -euo pipefail
cli="$1"
work="$2"
rm -rf "$work"
mkdir -p "$work"

# Run the command, require the exit code, keep its output in $out.
expect() {
  local want="$1"
  shift
  set +e
  out="$("$@" 2>&1)"
  local rc=$?
  set -e
  if [ "$rc" != "$want" ]; then
    echo "FAIL: $* exited $rc, wanted $want: $out"
    exit 1
  fi
}

# Replace line N of my.dat, keeping the CR LF ending.
edit_line() { sed -i "$1s/.*/$2\r/" "$work/dat/my.dat"; }

expect 0 "$cli" save new "$work" --seed 7
[ "$(wc -l <"$work/dat/my.dat")" = 2483 ] || { echo "FAIL: my.dat is not 2483 lines"; exit 1; }
expect 0 "$cli" save check "$work"
stored=$(printf '%s\n' "$out" | sed -n 's/^stored=//p')
recomputed=$(printf '%s\n' "$out" | sed -n 's/^recomputed=//p')
[ -n "$stored" ] && [ "$stored" = "$recomputed" ] || { echo "FAIL: $out"; exit 1; }
cp "$work/dat/my.dat" "$work/fresh"

edit_line 2123 5
expect 0 "$cli" save check "$work"

cp "$work/fresh" "$work/dat/my.dat"
edit_line 24 9
expect 1 "$cli" save check "$work"

printf '1\r\n2\r\n' >"$work/dat/my.dat"
expect 2 "$cli" save check "$work"
echo "save round trip: ok"
