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
# The CSV reads with Python's csv module; its SI columns are the arrays times their scales.
python3 - "$tmp/a.csv" <<'PY' || fail "the CSV as a spreadsheet reads it"
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1], newline="")))
assert len(rows) == 49, len(rows)
for row in rows:
    assert abs(float(row["Uc_V"]) - 15 * float(row["Uc_t"])) <= 1e-12 * 15, row
PY

# A task file gives the fields; a broken one is a usage error that says why.
printf 'L = 0\nC = 1000\nR = 10\nUo = 0\nEm = 5\nnu = 0\nNmax = 5\ncomment = заряд\n' > "$tmp/t.ovrelan"
"$solve" --task "$tmp/t.ovrelan" > "$tmp/out" || fail "a good task: exit $?"
grep -q '"configuration": "RC"' "$tmp/out" || fail "the task's circuit"
"$solve" --task "$tmp/t.ovrelan" --R 20 > "$tmp/out" || fail "a task and a field"
grep -q '"R": 20' "$tmp/out" || fail "the field given on the command line wins"
printf 'L = 2000\n' > "$tmp/broken.ovrelan"
"$solve" --task "$tmp/broken.ovrelan" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 2 ] || fail "a broken task: exit $status"
grep -q "не заданы поля" "$tmp/err" || fail "reason: $(cat "$tmp/err")"
echo "ok"
