#!/bin/sh
# ovrelan-solve fails loudly: a lost output is exit 1 with the system's reason, a CSV that cannot
# be written prints no JSON, and an empty --csv is a usage error (exit 2).
solve="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

"$solve" > /dev/full 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "JSON to a full disk: exit $status"
grep -q "cannot write standard output: No space left on device" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

"$solve" --Nmax 1 --csv - > /dev/full 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "CSV to a full disk: exit $status"
grep -q "No space left on device" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

"$solve" --csv "" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 2 ] || fail "empty --csv: exit $status"
[ ! -s "$tmp/out" ] || fail "empty --csv printed something"

"$solve" --csv "$tmp/no/such/dir/a.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "unwritable CSV: exit $status"
[ ! -s "$tmp/out" ] || fail "unwritable CSV still printed the JSON"
grep -q "No such file or directory" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

"$solve" --Nmax 1 --csv "$tmp/a.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 0 ] || fail "a good CSV: exit $status"
[ "$(wc -l < "$tmp/a.csv")" -eq 50 ] || fail "CSV rows: $(wc -l < "$tmp/a.csv")"
grep -q '"configuration": "RLC"' "$tmp/out" || fail "no JSON after a good CSV"
echo "ok"
