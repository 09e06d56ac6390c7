#!/bin/sh
# ovrelan --report and --worksheet without a window: the report's PDF holds the parameters, the
# regime and the panel's values, its graphs are vectors (no image in the file) and its pages are
# numbered, the results CSV stands beside it; the folder holds the tables, SVGs and the CSV. Every
# task shipped with the documents makes a worksheet and an answer key: the key holds the computed
# values and the task's answer, the sheet none of them. Wrong arguments are usage errors (2).
ovrelan="$1"
tasks="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
nbsp="$(printf '\302\240')"
text_of() { pdftotext -enc UTF-8 "$1" - | sed "s/$nbsp/ /g" | tr '\n' ' ' | tr -s ' '; }
numbered() { # every page of a PDF carries «N из M»
    pages="$(pdfinfo "$1" | sed -n 's/^Pages: *//p')"
    [ -n "$pages" ] || fail "$1: no page count"
    page=1
    while [ "$page" -le "$pages" ]; do
        pdftotext -enc UTF-8 -f "$page" -l "$page" "$1" - | grep -qx "$page из $pages" ||
            fail "$1: page $page has no «$page из $pages»"
        page=$((page + 1))
    done
}
no_images() { # pdfimages lists a header of two lines and then one line per image
    images="$(pdfimages -list "$1" | tail -n +3)"
    [ -z "$images" ] || fail "$1 holds images: $images"
}

"$ovrelan" --report "$tmp/otchet.pdf" 2> "$tmp/err" || fail "report: exit $? $(cat "$tmp/err")"
[ -s "$tmp/otchet.csv" ] || fail "no results CSV beside the report"
head -n 1 "$tmp/otchet.csv" | grep -q "^t_s;" || fail "the CSV has no header: $(head -n 1 "$tmp/otchet.csv")"
text="$(text_of "$tmp/otchet.pdf")"
for part in "Параметры цепи" "L 2000 мкГн" "C 5000 мкФ" "R 0,02 Ом" "ν 47 Гц" "Nmax 40" \
    "Контур RLC: колебательный режим (затухающие колебания)" "Характеристики (как на панели)" \
    "T 1,9872E-02 c" "Θ 9,9358E-02" "Rк 1,265E+00 Ом" "Uc(t)" "I(t)" "Резонансная кривая"; do
    printf '%s' "$text" | grep -qF "$part" || fail "the report has no «$part»: $text"
done
no_images "$tmp/otchet.pdf"
numbered "$tmp/otchet.pdf"

"$ovrelan" --report "$tmp/papka" 2> "$tmp/err" || fail "report folder: exit $? $(cat "$tmp/err")"
for f in otchet.html otchet.txt rezultaty.csv "Uc(t).svg" "I(t).svg"; do
    [ -s "$tmp/papka/$f" ] || fail "the folder has no $f"
done
grep -q "T = 1,9872E-02 c" "$tmp/papka/otchet.txt" || fail "otchet.txt has no T"
grep -q "<img src='Uc(t).svg'" "$tmp/papka/otchet.html" || fail "otchet.html shows no Uc(t).svg"
if grep -q "<image" "$tmp/papka/Uc(t).svg"; then fail "Uc(t).svg holds an image"; fi

# A task's report: its circuit.
"$ovrelan" --report "$tmp/rl.pdf" "$tasks/katushka_1.ovrelan" 2> "$tmp/err" || fail "task report: $(cat "$tmp/err")"
text_of "$tmp/rl.pdf" | grep -qF "Цепь RL" || fail "the task's report is not of its circuit"

# Every shipped task: a sheet without answers and a key with them.
count=0
for task in "$tasks"/*.ovrelan; do
    name="$(basename "$task" .ovrelan)"
    "$ovrelan" --worksheet "$tmp/$name.pdf" --answers "$tmp/${name}_key.pdf" "$task" 2> "$tmp/err" ||
        fail "$name: exit $? $(cat "$tmp/err")"
    sheet="$(text_of "$tmp/$name.pdf")"
    key="$(text_of "$tmp/${name}_key.pdf")"
    title="$(sed -n 's/^title = //p' "$task")"
    printf '%s' "$sheet" | grep -qF "$title" || fail "$name: the sheet has no title «$title»"
    printf '%s' "$sheet" | grep -qF "Таблица" || fail "$name: the sheet has no table"
    # The task's own answer: its first words in the key, not on the sheet.
    answer="$(sed -n 's/^answer = //p' "$task" | head -n 1 | sed "s/$nbsp/ /g" | cut -d ' ' -f 1-5)"
    printf '%s' "$key" | grep -qF "$answer" || fail "$name: the key has no «$answer»"
    if printf '%s' "$sheet" | grep -qF "$answer"; then fail "$name: the sheet holds the answer"; fi
    numbered "$tmp/$name.pdf"
    numbered "$tmp/${name}_key.pdf"
    no_images "$tmp/${name}_key.pdf"
    count=$((count + 1))
done
[ "$count" -ge 19 ] || fail "only $count tasks shipped"

# Computed cells of some keys, as the model gives them; the sheets leave those cells empty.
computed() { # TASK VALUE...
    name="$1"
    shift
    for value in "$@"; do
        text_of "$tmp/${name}_key.pdf" | grep -qF "$value" || fail "$name: the key has no «$value»"
        if text_of "$tmp/$name.pdf" | grep -qF "$value"; then
            fail "$name: the sheet holds the computed «$value»"
        fi
    done
}
computed kontur_1 "19,87 мс" "0,09936"
computed kontur_2 "колебательный режим" "апериодический режим" "1000 1/с"
computed kontur_3 "158,1 В"
computed katushka_1 "0,3161 А"
computed kondensator_2 "0,1342 В" "−0,2763 В"
computed resistor_3 "79,07 В" "15,8"

expect() { # status, what, command...
    want="$1"; what="$2"; shift 2
    "$@" > "$tmp/out" 2> "$tmp/err"; status=$?
    [ "$status" -eq "$want" ] || fail "$what: exit $status, not $want ($(cat "$tmp/err"))"
    [ -s "$tmp/err" ] || fail "$what: no reason given"
}
expect 2 "a worksheet without a task" "$ovrelan" --worksheet "$tmp/w.pdf"
expect 2 "a worksheet as PNG" "$ovrelan" --worksheet "$tmp/w.png" "$tasks/kontur_1.ovrelan"
expect 2 "answers without a worksheet" "$ovrelan" --answers "$tmp/a.pdf" "$tasks/kontur_1.ovrelan"
expect 2 "a report and a graph" "$ovrelan" --report "$tmp/r.pdf" --export-graph Uc "$tmp/u.pdf"
printf 'L = 2000\n' > "$tmp/broken.ovrelan"
expect 2 "a broken task" "$ovrelan" --worksheet "$tmp/w.pdf" "$tmp/broken.ovrelan"
printf 'L = 2000\nC = 500\nR = -4\nUo = 15\nEm = 0\nnu = 0\nNmax = 3\n' > "$tmp/refused.ovrelan"
expect 3 "a task the model refuses" "$ovrelan" --worksheet "$tmp/w.pdf" "$tmp/refused.ovrelan"
[ ! -e "$tmp/w.pdf" ] || fail "a refused worksheet left a file"
touch "$tmp/file"
expect 1 "a report into a file's place" "$ovrelan" --report "$tmp/file" 
echo ok
