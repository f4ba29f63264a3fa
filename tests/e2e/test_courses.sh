#!/bin/sh
# The two long race walks side by side, each in its own X server: a single race on every circuit
# (courses_circuits.sh) and a whole championship (courses_championnat.sh). Each races in real
# time for about six minutes; two software-drawn windows still fit on two cores, so together they
# take the time of one. Their output comes prefixed with their name; both must pass.
set -u
ici=$(cd "$(dirname "$0")" && pwd)
session=$(cd "$ici/../../scripts" && pwd)/xvfb-session
base=${E2E_OUT:-$(mktemp -d)}
pids=""
for cas in circuits championnat; do
  mkdir -p "$base/$cas"
  ( E2E_OUT="$base/$cas" "$session" sh "$ici/courses_$cas.sh" "$1" 2>&1; echo "exit $?" ) |
    sed "s/^/[$cas] /" > "$base/$cas.log" &
  pids="$pids $!"
done
for p in $pids; do wait "$p"; done
cat "$base/circuits.log" "$base/championnat.log"
grep -q '^\[circuits\] exit 0$' "$base/circuits.log" || { echo "FAIL: single races" >&2; exit 1; }
grep -q '^\[championnat\] exit 0$' "$base/championnat.log" || { echo "FAIL: championship" >&2; exit 1; }
echo PASS
