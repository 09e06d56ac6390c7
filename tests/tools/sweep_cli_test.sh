#!/bin/sh
# ovrelan-solve --sweep: a family of curves in the JSON, one CSV table of every member, the
# members' resonance curves; a value the model refuses is named with its reason and exits 3; an
# argument that makes no family is a usage error (exit 2).
solve="$1"
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# R across the critical resistance: three regimes, one grid, three columns per quantity.
"$solve" --sweep R=0.5,1.265,3 --csv "$tmp/f.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 0 ] || fail "R=0.5,1.265,3: exit $status: $(cat "$tmp/err")"
[ ! -s "$tmp/err" ] || fail "a family of good values said: $(cat "$tmp/err")"
python3 - "$tmp/out" "$tmp/f.csv" <<'PY' || fail "the family's JSON and CSV"
import csv, json, sys
report = json.load(open(sys.argv[1]))
family = report["family"]
assert [m["regime"] for m in family] == ["oscillatory", "aperiodic", "aperiodic"], family
assert [m["label"] for m in family] == ["R = 0,5 Ом", "R = 1,265 Ом", "R = 3 Ом"], family
assert report["family_refused"] == [], report["family_refused"]
assert report["configuration"] == "RLC"  # the present circuit's report stays as it was
rows = list(csv.reader(open(sys.argv[2], newline="")))
header, body = rows[0], rows[1:]
assert header[0] == "t_s", header
for q in ["Uc_V", "EL_V", "Ur_V", "I_A", "W_J"]:
    assert [h for h in header if h.startswith(q + "[")] == \
        [q + "[R=0.5]", q + "[R=1.265]", q + "[R=3]"], header
assert len(body) == report["state"]["Nt_points"] == family[0]["points"], len(body)
for row in body:
    assert len(row) == len(header) and all(row), row
    # Ohm's law in every member: Ur = R·I (Ur is kept in single precision).
    for r in ["0.5", "1.265", "3"]:
        ur, i = float(row[header.index("Ur_V[R=%s]" % r)]), float(row[header.index("I_A[R=%s]" % r)])
        assert abs(ur - float(r) * i) <= 1e-6 * max(1, abs(ur)), (r, ur, i)
PY

# The ready choices: the critical one marked and named so.
"$solve" --sweep 'R=0.5Rk,Rk,2Rk' > "$tmp/out" || fail "R=0.5Rk,Rk,2Rk: exit $?"
python3 - "$tmp/out" <<'PY' || fail "the regimes across Rк"
import json, sys
family = json.load(open(sys.argv[1]))["family"]
assert [m["regime"] for m in family] == ["oscillatory", "critical", "aperiodic"], family
assert family[1]["label"] == "R = 1,265 Ом (Rк)" and family[1]["mark"] == "Rк", family[1]
PY

# C moves the grid: each member has its own time column; the shorter leave cells empty.
"$solve" --sweep C=5000,20000 --Nmax 2 --csv - > "$tmp/c.csv" 2> "$tmp/c.json" || fail "C: exit $?"
python3 - "$tmp/c.csv" <<'PY' || fail "own time columns"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], newline="")))
header, body = rows[0], rows[1:]
assert header[0] == "t_s[C=5000]" and "t_s[C=20000]" in header, header
first = [row[0] for row in body]
assert first[-1] == "" and first[0] == "0", "the shorter member ends first"
assert all(row[header.index("t_s[C=20000]")] for row in body)
PY

# The members' resonance curves in one table.
"$solve" --sweep R=0.1,1 --resonance - > "$tmp/r.csv" 2> /dev/null || fail "--resonance: exit $?"
head -1 "$tmp/r.csv" | grep -q '^nu_Hz\[R=0.1\],Im_A\[R=0.1\],UCm_V\[R=0.1\],ULm_V\[R=0.1\],phi_deg\[R=0.1\],nu_Hz\[R=1\],' \
    || fail "resonance header: $(head -1 "$tmp/r.csv")"
[ "$(wc -l < "$tmp/r.csv")" -gt 2000 ] || fail "resonance rows: $(wc -l < "$tmp/r.csv")"

# A value refused is named with the program's reason, the others still computed: exit 3.
"$solve" --sweep R=-1,0.5,abc --csv "$tmp/r3.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "a refused member: exit $status"
grep -q "R = −1 Ом: не может быть отрицательным! Не вводите заново, а исправьте! Кривая не построена\\.$" "$tmp/err" \
    || fail "reason: $(cat "$tmp/err")"
grep -q "«abc»: не число\\. Кривая не построена\\.$" "$tmp/err" || fail "reason: $(cat "$tmp/err")"
[ "$(head -1 "$tmp/r3.csv")" = "t_s,Uc_V[R=0.5],EL_V[R=0.5],Ur_V[R=0.5],I_A[R=0.5],W_J[R=0.5]" ] \
    || fail "the family without the refused: $(head -1 "$tmp/r3.csv")"
grep -q '"reason": "не может быть отрицательным' "$tmp/out" || fail "family_refused in the JSON"
"$solve" --sweep nu=47,1e6 > /dev/null 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "too many points: exit $status"
grep -q "ν = 1000000 Гц: Слишком много точек расчёта" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

# No family at all: a usage error, nothing written.
for arg in "Q=1,2" "R" "R=1,2,3,4,5,6,7,8,9" "R=1..3" "R=" "R=0..1:3:log"; do
    "$solve" --sweep "$arg" --csv "$tmp/none.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
    [ "$status" -eq 2 ] || fail "--sweep $arg: exit $status"
    [ ! -s "$tmp/out" ] && [ ! -e "$tmp/none.csv" ] || fail "--sweep $arg wrote something"
    if grep -vP '[\x{0400}-\x{04FF}]' "$tmp/err" | grep -q '[A-Za-z]'; then
        fail "--sweep $arg: a line without Russian: $(cat "$tmp/err")"
    fi
done
"$solve" --help | grep -q -- "--sweep" || fail "--help says nothing of --sweep"
echo ok
