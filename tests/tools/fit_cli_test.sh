#!/bin/sh
# ovrelan-solve --fit on the measured examples shipped with the program and on files a student
# may bring: the example's R and L (C given) within 1 % of the values it was made with and within
# three of their standard errors; a broken cell refused with its line and column (exit 3); a
# fit that finds nothing says so (exit 4); options that cannot be, exit 2.
solve="$1"
source="$2"
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# check JSON PYTHON: the JSON on standard input as `j`, the Python expression true.
check() {
    python3 -c "import json, sys; j = json.load(sys.stdin); assert $2, json.dumps(j, ensure_ascii=False)[:2000]" < "$1" ||
        fail "$2"
}

# The examples were made with L = 2000 µH, C = 5000 µF, R = 0.2 Ω (tools/make_measured_examples).
for example in uc_noisy current; do
    "$solve" --fit "$source/docs/data/$example.csv" --fix C=5000 > "$tmp/$example.json" \
        || fail "$example: exit $?"
    check "$tmp/$example.json" "j['ok'] and j['fixed'] == {'C': 5000}"
    check "$tmp/$example.json" "j['values']['C']['fixed'] and j['values']['C']['error'] == 0"
    for pair in "R 0.2" "L 2000"; do
        set -- $pair
        check "$tmp/$example.json" \
            "abs(j['values']['$1']['field']['value'] / $2 - 1) < 0.01"
        check "$tmp/$example.json" \
            "abs(j['values']['$1']['field']['value'] - $2) <= 3 * j['values']['$1']['field']['error']"
    done
    check "$tmp/$example.json" "j['regime'] == 'oscillatory' and j['values']['Q']['value'] > 3"
done
check "$tmp/uc_noisy.json" "j['traces'][0]['quantity'] == 'Uc' and j['traces'][0]['column'] == 2"
check "$tmp/uc_noisy.json" "abs(j['traces'][0]['offset']['value'] - 0.15) < 0.01"
check "$tmp/uc_noisy.json" "abs(j['traces'][0]['rms'] / 0.05 - 1) < 0.05"
check "$tmp/current.json" "j['traces'][0]['quantity'] == 'I' and j['traces'][0]['points'] == 1000"
# Without C only δ and ω₀ (and what follows from them alone).
"$solve" --fit "$source/docs/data/uc_noisy.csv" > "$tmp/free.json" || fail "free: exit $?"
check "$tmp/free.json" "'R' not in j['values'] and abs(j['values']['delta']['value'] / 50 - 1) < 0.01"
check "$tmp/free.json" "abs(j['values']['omega0']['value'] / 316.227766 - 1) < 0.001"

# Two channels of one discharge, a voltage and the current, give R, L and C together; the
# seven fields give the start.
python3 - "$tmp/two.csv" <<'PY'
import math, random, sys
R, L, C, Uo = 0.5, 2e-3, 5e-3, 10.0
d, w0 = R / (2 * L), 1 / math.sqrt(L * C)
w = math.sqrt(w0 * w0 - d * d)
random.seed(2024)
with open(sys.argv[1], "w") as f:
    f.write("Time (s),CH1 (V),CH2 (A)\n")
    for k in range(1500):
        t = k * 5e-5
        uc = Uo * math.exp(-d * t) * (math.cos(w * t) + d / w * math.sin(w * t))
        i = Uo / (w * L) * math.exp(-d * t) * math.sin(w * t)
        f.write(f"{t:.6f},{uc + random.gauss(0, 0.02):.5f},{i + random.gauss(0, 0.05):.5f}\n")
PY
"$solve" --fit "$tmp/two.csv" --column 2 --column 3 --L 2200 > "$tmp/two.json" \
    || fail "two channels: exit $?"
check "$tmp/two.json" "[t['quantity'] for t in j['traces']] == ['Uc', 'I']"
for pair in "R 0.5" "L 2000" "C 5000"; do
    set -- $pair
    check "$tmp/two.json" "abs(j['values']['$1']['field']['value'] / $2 - 1) < 0.01"
    check "$tmp/two.json" \
        "abs(j['values']['$1']['field']['value'] - $2) <= 3 * j['values']['$1']['field']['error']"
done

# A broken cell: the file, the line and the column, exit 3, no JSON.
sed '12s/.*/-9.500000e-03,1.0a8e+01,/' "$source/docs/data/uc_noisy.csv" > "$tmp/broken.csv"
"$solve" --fit "$tmp/broken.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "a broken cell: exit $status"
[ ! -s "$tmp/out" ] || fail "a broken cell printed $(cat "$tmp/out")"
grep -q "broken.csv: строка 12, столбец 2: «1.0a8e+01» — не число$" "$tmp/err" \
    || fail "reason: $(cat "$tmp/err")"
# Not a file to read: exit 3 with the reason.
"$solve" --fit /dev/null > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "/dev/null: exit $status"
grep -q "это не обычный файл" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

# Noise alone: no fit is claimed; the JSON says why, exit 4.
python3 - "$tmp/noise.csv" <<'PY'
import random, sys
random.seed(5)
with open(sys.argv[1], "w") as f:
    f.write("t,U\n")
    for k in range(400):
        f.write(f"{k * 1e-4:.4f},{random.gauss(0, 1):.4f}\n")
PY
"$solve" --fit "$tmp/noise.csv" > "$tmp/noise.json" 2> "$tmp/err"; status=$?
[ "$status" -eq 4 ] || fail "noise: exit $status"
check "$tmp/noise.json" "not j['ok'] and j['reason'] and 'values' not in j"
grep -q "noise.csv: " "$tmp/err" || fail "noise: $(cat "$tmp/err")"

# Options that cannot be: exit 2, nothing printed.
for args in "--fix C" "--fix X=5" "--fix C=-1" "--fix C=1 --fix C=2" "--quantity U" \
            "--column 1" "--column 9" "--csv -" "--resonance -" "--sweep R=1,2"; do
    # shellcheck disable=SC2086 # the options are words
    "$solve" --fit "$source/docs/data/uc_noisy.csv" $args > "$tmp/out" 2> "$tmp/err"; status=$?
    [ "$status" -eq 2 ] || fail "$args: exit $status"
    [ ! -s "$tmp/out" ] || fail "$args printed $(cat "$tmp/out")"
    grep -q "см. --help" "$tmp/err" || fail "$args: $(cat "$tmp/err")"
done

# The help names the option and its keys.
"$solve" --help > "$tmp/help" || fail "help"
for word in --fit --column --quantity --fix chi2_per_dof omega0 "\"field\""; do
    grep -q -- "$word" "$tmp/help" || fail "no $word in --help"
done
echo ok
