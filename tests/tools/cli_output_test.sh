#!/bin/sh
# ovrelan-solve fails loudly: a lost output is exit 1 with the system's reason, a CSV that cannot
# be written prints no JSON, and an empty --csv is a usage error (exit 2).
solve="$1"
export LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

"$solve" > /dev/full 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "JSON to a full disk: exit $status"
grep -q "не удалось записать стандартный вывод: на диске нет места" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

"$solve" --Nmax 1 --csv - > /dev/full 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "CSV to a full disk: exit $status"
grep -q "на диске нет места" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

"$solve" --csv "" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 2 ] || fail "empty --csv: exit $status"
[ ! -s "$tmp/out" ] || fail "empty --csv printed something"

"$solve" --csv "$tmp/no/such/dir/a.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "unwritable CSV: exit $status"
[ ! -s "$tmp/out" ] || fail "unwritable CSV still printed the JSON"
grep -q "нет такого файла или папки" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

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

# Files from Windows editors: a byte-order mark and CR LF, or Windows-1251; both give the state
# the same texts typed give.
"$solve" --L 0 --C 1000 --R 10 --Uo 0 --Em 5 --nu 0 --Nmax 5 > "$tmp/typed.json" || fail "typed"
printf '\357\273\277# задача\r\nL = 0\r\nC = 1000\r\nR = 10\r\nUo = 0\r\nEm = 5\r\nnu = 0\r\nNmax = 5\r\ncomment = заряд\r\n' \
    > "$tmp/bom.ovrelan"
"$solve" --task "$tmp/bom.ovrelan" > "$tmp/bom.json" || fail "a BOM and CR LF task: exit $?"
cmp -s "$tmp/typed.json" "$tmp/bom.json" || fail "the BOM task differs from typing"
tail -c +4 "$tmp/bom.ovrelan" | iconv -f UTF-8 -t CP1251 > "$tmp/cp1251.ovrelan"
"$solve" --task "$tmp/cp1251.ovrelan" > "$tmp/cp1251.json" || fail "a Windows-1251 task: exit $?"
cmp -s "$tmp/typed.json" "$tmp/cp1251.json" || fail "the Windows-1251 task differs from typing"
# Notepad's «Юникод» and «Юникод big endian»: UTF-16 with a byte-order mark.
{ printf '\377\376'; tail -c +4 "$tmp/bom.ovrelan" | iconv -f UTF-8 -t UTF-16LE; } > "$tmp/le.ovrelan"
"$solve" --task "$tmp/le.ovrelan" > "$tmp/le.json" || fail "a UTF-16 LE task: exit $?"
cmp -s "$tmp/typed.json" "$tmp/le.json" || fail "the UTF-16 LE task differs from typing"
{ printf '\376\377'; tail -c +4 "$tmp/bom.ovrelan" | iconv -f UTF-8 -t UTF-16BE; } > "$tmp/be.ovrelan"
"$solve" --task "$tmp/be.ovrelan" > "$tmp/be.json" || fail "a UTF-16 BE task: exit $?"
cmp -s "$tmp/typed.json" "$tmp/be.json" || fail "the UTF-16 BE task differs from typing"

# A task the model would correct is not opened: exit 3, the file, the line and the field named.
sed 's/C = 1000/C = -5/' "$tmp/bom.ovrelan" > "$tmp/negative.ovrelan"
"$solve" --task "$tmp/negative.ovrelan" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "a task with C = -5: exit $status"
grep -q "negative.ovrelan: строка 3: поле С(мкФ): не может быть отрицательным" "$tmp/err" \
    || fail "reason: $(cat "$tmp/err")"
grep -q "исправьте! Задача не открыта\\.$" "$tmp/err" || fail "the sentences joined: $(cat "$tmp/err")"
# A reason without a closing mark of its own gets a period before the next sentence.
printf 'L = 0\nC = 1000\nR = 0\nUo = 0\nEm = 5\nnu = 0\nNmax = 5\n' > "$tmp/guard.ovrelan"
"$solve" --task "$tmp/guard.ovrelan" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "a task a guard would correct: exit $status"
grep -q "а потом равен 0\\. Задача не открыта\\.$" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

# A value refused is not a success: exit 3, and the JSON says which.
"$solve" --L 100 --Nmax 1e9 --csv "$tmp/r.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 3 ] || fail "a refused Nmax: exit $status"
grep -q '"detail": "Поле L(мкГн): оставлено 2000; поле Nmax: оставлено 40"' "$tmp/out" \
    || fail "no detail: $(cat "$tmp/out")"

# A pipe is refused at once, without waiting for a writer.
mkfifo "$tmp/pipe.ovrelan"
timeout 10 "$solve" --task "$tmp/pipe.ovrelan" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 2 ] || fail "a task from a pipe: exit $status"
grep -q "это не обычный файл" "$tmp/err" || fail "reason: $(cat "$tmp/err")"

# No infinity leaves the program: times or energies beyond the double range are refused.
for args in "--L 0 --C 0 --nu 1e-308 --Em 1e-100 --Nmax 2" \
            "--C 1.7e6 --Uo 1e154 --Em 1e154 --R 0 --nu 0 --Nmax 1"; do
    # shellcheck disable=SC2086
    "$solve" $args --csv - > "$tmp/inf.csv" 2> "$tmp/inf.json"; status=$?
    [ "$status" -eq 3 ] || fail "$args: exit $status"
    ! grep -qi 'inf\|nan' "$tmp/inf.csv" || fail "$args: infinity in the CSV"
done
# The resonance curve: a table of 2000 and more frequencies whose current peaks at ν0 (50.33 Hz
# for the start-up circuit), the JSON beside it; an unwritable file is exit 1.
"$solve" --resonance - > "$tmp/res.csv" 2> "$tmp/res.json"; status=$?
[ "$status" -eq 0 ] || fail "--resonance -: exit $status"
[ "$(head -1 "$tmp/res.csv")" = "nu_Hz,Im_A,UCm_V,ULm_V,phi_deg" ] || fail "resonance header: $(head -1 "$tmp/res.csv")"
[ "$(wc -l < "$tmp/res.csv")" -gt 2000 ] || fail "resonance rows: $(wc -l < "$tmp/res.csv")"
peak="$(tail -n +2 "$tmp/res.csv" | sort -t, -k2 -g | tail -1 | cut -d, -f1)"
awk -v p="$peak" 'BEGIN { exit !(p > 50.32 && p < 50.34) }' || fail "the current peaks at $peak Hz"
grep -q '"steady_state"' "$tmp/res.json" || fail "no JSON beside the resonance table"
"$solve" --resonance "$tmp/no/such/dir/r.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 1 ] || fail "unwritable resonance table: exit $status"
[ ! -s "$tmp/out" ] || fail "unwritable resonance table still printed the JSON"
"$solve" --resonance "" > /dev/null 2>&1; status=$?
[ "$status" -eq 2 ] || fail "empty --resonance: exit $status"

# Help and version: written, or exit 1 when they cannot be.
"$solve" --version > "$tmp/out" || fail "--version: exit $?"
grep -Eq "^ovrelan-solve [0-9]+\.[0-9]+" "$tmp/out" || fail "version: $(cat "$tmp/out")"
for flag in --help --version; do
    "$solve" $flag > /dev/full 2> "$tmp/err"; status=$?
    [ "$status" -eq 1 ] || fail "$flag to a full disk: exit $status"
    grep -q "на диске нет места" "$tmp/err" || fail "$flag reason: $(cat "$tmp/err")"
done

# Both tables to one file would leave one of them: a usage error, nothing written.
"$solve" --csv "$tmp/same.csv" --resonance "$tmp/./same.csv" > "$tmp/out" 2> "$tmp/err"; status=$?
[ "$status" -eq 2 ] || fail "--csv X --resonance X: exit $status"
[ ! -e "$tmp/same.csv" ] || fail "--csv X --resonance X wrote the file"

# A table replaces its file whole: killed half-way, the old file stays as it was.
printf 'old,table\n' > "$tmp/old.csv"
"$solve" --Nmax 20833 --csv "$tmp/old.csv" > /dev/null 2>&1 &
pid=$!
sleep 0.3
kill -9 "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
first="$(head -1 "$tmp/old.csv")"
if [ "$first" != "old,table" ]; then
    # The save finished before the kill: then the whole table stands there.
    [ "$(wc -l < "$tmp/old.csv")" -gt 1000000 ] || fail "a killed save left $(wc -l < "$tmp/old.csv") rows"
fi
# The temporary a killed save left is removed by the next save in that folder.
"$solve" --Nmax 1 --csv "$tmp/next.csv" > /dev/null || fail "the save after a kill"
if ls -A "$tmp" | grep -q '^\.ovrelan-'; then fail "a temporary is left: $(ls -A "$tmp")"; fi

# Every refusal is said in Russian: no line of a message is Latin letters only.
russian_only() { # what, then the command
    what="$1"; shift
    "$@" > /dev/null 2> "$tmp/err"
    [ -s "$tmp/err" ] || fail "$what: nothing said"
    if grep -vP '[\x{0400}-\x{04FF}]' "$tmp/err" | grep -q '[A-Za-z]'; then
        fail "$what: a line without Russian: $(cat "$tmp/err")"
    fi
}
russian_only "unknown option" "$solve" --bogus 1
russian_only "option without value" "$solve" --L
russian_only "extra argument" "$solve" stray
russian_only "empty --csv" "$solve" --csv ""
russian_only "empty --resonance" "$solve" --resonance ""
russian_only "both to stdout" "$solve" --csv - --resonance -
russian_only "same file" "$solve" --csv "$tmp/s.csv" --resonance "$tmp/s.csv"
russian_only "missing folder" "$solve" --csv "$tmp/no/dir/x.csv"
russian_only "folder" "$solve" --csv "$tmp"
ln -s loop "$tmp/loop"
russian_only "loop of links" "$solve" --csv "$tmp/loop"
russian_only "full disk" sh -c "\"$solve\" > /dev/full"
russian_only "missing task" "$solve" --task "$tmp/none.ovrelan"
russian_only "broken task" "$solve" --task "$tmp/broken.ovrelan"
russian_only "refused task" "$solve" --task "$tmp/negative.ovrelan"
echo "ok"
