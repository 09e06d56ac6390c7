#!/bin/sh
# The documents, the desktop entry and the metainfo as a desktop and a package manager see them:
# each PDF reads as Russian (or, in en/, English) text with its sections and its terms, the entry
# and the metainfo validate.
build="$1"
source="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
# check NAME TEXT...: NAME.pdf reads, and each TEXT stands in it (a line break counts as a blank,
# so a phrase may wrap).
check() {
    text="$(pdftotext -enc UTF-8 "$build/docs/$1.pdf" - 2>/dev/null)" || fail "$1.pdf does not read"
    text="$(printf '%s' "$text" | tr '\n' ' ' | tr -s ' ')"
    name="$1"
    shift
    for heading in "$@"; do
        printf '%s' "$text" | grep -q "$heading" || fail "no «$heading» in $name.pdf"
    done
}
check spravka "Обзор" "Пример: контур при запуске программы" "ω₀" "коэффициент затухания" \
    "Второй пример" "Обозначения и единицы"
check kontur "Контур" "апериодический" "Ответы"
check katushka "Катушка" "самоиндукц" "Ответы"
check kondensator "Конденсатор" "заряд" "Ответы"
check resistor "Резистор" "Ома" "Ответы"
check uprav "Управление" "ПУСК" "Примеры" "коэффициент затухания" "ЭДС самоиндукции"
# Each PDF as a reader sees it: the amplitude is never called «размах» (that is twice the
# amplitude), no line breaks between a number and its unit, and the links between the documents
# lead to the PDFs, not to their Markdown sources.
for name in spravka kontur katushka kondensator resistor uprav; do
    pdf="$build/docs/$name.pdf"
    text="$(pdftotext -enc UTF-8 "$pdf" - 2>/dev/null)" || fail "$name.pdf does not read"
    if printf '%s\n' "$text" | grep -q "[Рр]азмах"; then
        fail "$name.pdf says «размах» where the amplitude is meant"
    fi
    split="$(printf '%s\n' "$text" | awk 'prev ~ /[0-9]$/ && $0 ~ /^(мс|мкс|с|Гц|кГц|В|мВ|А|мА|Ом|мкФ|Ф|мГн|мкГн|Гн|Дж|мДж|Вт|Кл|КиБ|рад\/с|1\/с|%)([ ,.;:)]|$)/ { print prev " / " $0 } { prev = $0 }')"
    [ -z "$split" ] || fail "$name.pdf breaks a line between a number and its unit: $split"
    if grep -a -q '/URI ([^)]*\.md)' "$pdf"; then
        fail "$name.pdf links to a Markdown source"
    fi
done
# Every page of every PDF carries its number, «N из M», at its foot; the long ones open with their
# contents, each section with the page it starts on, and that page's text begins the section.
for name in spravka kontur katushka kondensator resistor uprav; do
    pdf="$build/docs/$name.pdf"
    pages="$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')"
    [ -n "$pages" ] || fail "$name.pdf: no page count"
    page=1
    while [ "$page" -le "$pages" ]; do
        pdftotext -enc UTF-8 -f "$page" -l "$page" "$pdf" - | grep -qx "$page из $pages" ||
            fail "$name.pdf: page $page has no «$page из $pages» at its foot"
        page=$((page + 1))
    done
done
contents() { # NAME SECTION: the contents of NAME.pdf give SECTION a page on which it stands
    pdf="$build/docs/$1.pdf"
    pdftotext -enc UTF-8 -f 1 -l 1 "$pdf" - | grep -q "^Содержание$" || fail "$1.pdf: no contents"
    page="$(pdftotext -enc UTF-8 -layout -f 1 -l 2 "$pdf" - |
        sed -n "s/^ *$2  *\([0-9][0-9]*\)\$/\1/p" | head -n 1)"
    [ -n "$page" ] || fail "$1.pdf: «$2» is not in the contents with a page"
    pdftotext -enc UTF-8 -f "$page" -l "$page" "$pdf" - | grep -qx "$2" ||
        fail "$1.pdf: «$2» is not on page $page, where the contents say it starts"
}
contents uprav "Семейство кривых"
contents uprav "Для преподавателя: расчёт без окна"
contents spravka "Обозначения и единицы"
grep -a -q '/URI (kontur\.pdf)' "$build/docs/spravka.pdf" || fail "spravka.pdf: no link to kontur.pdf"
grep -q "ПУСК" "$build/docs/instruction.txt" || fail "instruction.txt"
# The quick start's measuring step first switches the source off: ε = 0.
sed -n '/^6\. ИЗМЕРЕНИЯ/,/^7\./p' "$build/docs/instruction.txt" | tr '\n' ' ' | tr -s ' ' |
    grep -q "Сначала введите ε = 0" || fail "instruction.txt: the measuring step does not set ε = 0"
[ -s "$build/docs/figures/glavnoe_okno.png" ] || fail "the main window's figure"
# The English documents in en/, made the same way: their sections, «N of M» at each page's foot,
# the contents, links to the English PDFs beside them, and figures of their own.
check en/overview "Overview" "Example: the start-up circuit" "ω₀" "damping coefficient" \
    "Second example" "Symbols and units"
check en/circuit "Circuit" "overdamped" "Answers"
check en/coil "Coil" "self-induction" "Answers"
check en/capacitor "Capacitor" "charge" "Answers"
check en/resistor "Resistor" "Ohm" "Answers"
check en/controls "Controls" "START" "Examples" "damping coefficient" "self-induction EMF"
for name in overview circuit coil capacitor resistor controls; do
    pdf="$build/docs/en/$name.pdf"
    pages="$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')"
    [ -n "$pages" ] || fail "en/$name.pdf: no page count"
    page=1
    while [ "$page" -le "$pages" ]; do
        pdftotext -enc UTF-8 -f "$page" -l "$page" "$pdf" - | grep -qx "$page of $pages" ||
            fail "en/$name.pdf: page $page has no «$page of $pages» at its foot"
        page=$((page + 1))
    done
    if grep -a -q '/URI ([^)]*\.md)' "$pdf"; then
        fail "en/$name.pdf links to a Markdown source"
    fi
    [ -s "$build/docs/en/$name.md" ] || fail "en/$name.md, for the program's own window"
done
pdftotext -enc UTF-8 -f 1 -l 1 "$build/docs/en/controls.pdf" - | grep -q "^Contents$" ||
    fail "en/controls.pdf: no contents"
grep -a -q '/URI (circuit\.pdf)' "$build/docs/en/overview.pdf" ||
    fail "en/overview.pdf: no link to circuit.pdf"
sed -n '/^6\. MEASUREMENTS/,/^7\./p' "$build/docs/en/instruction.txt" | tr '\n' ' ' | tr -s ' ' |
    grep -q "First enter ε = 0" || fail "en/instruction.txt: the measuring step does not set ε = 0"
for figure in glavnoe_okno polya kolebatelnyi kriticheskii aperiodicheskii rezonans bienia \
    zaryad_rc tok_rl lc_napryazhenie lc_tok; do
    [ -s "$build/docs/en/figures/$figure.png" ] || fail "en/figures/$figure.png"
    # Drawn with the program's English texts and decimal points: not the Russian picture (the
    # circuit with its fields has no text).
    [ "$figure" = polya ] ||
        ! cmp -s "$build/docs/figures/$figure.png" "$build/docs/en/figures/$figure.png" ||
        fail "en/figures/$figure.png is the Russian figure"
done
[ -s "$build/docs/icons/hicolor/scalable/apps/org.ovrelan.Ovrelan.svg" ] || fail "the icon"
desktop-file-validate "$source/docs/org.ovrelan.Ovrelan.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$source/docs/org.ovrelan.Ovrelan.metainfo.xml" || fail "metainfo"
echo ok
