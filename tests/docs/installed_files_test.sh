#!/bin/sh
# The documents, the desktop entry and the metainfo as a desktop and a package manager see them:
# each PDF reads as Russian text with its sections, the entry and the metainfo validate.
build="$1"
source="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
check() {
    text="$(pdftotext -enc UTF-8 "$build/docs/$1.pdf" - 2>/dev/null)" || fail "$1.pdf does not read"
    shift
    for heading in "$@"; do
        printf '%s' "$text" | grep -q "$heading" || fail "no «$heading» in the PDF"
    done
}
check spravka "Обзор" "Пример: контур при запуске программы" "ω₀"
check kontur "Контур" "апериодический"
check katushka "Катушка" "самоиндукц"
check kondensator "Конденсатор" "заряд"
check resistor "Резистор" "Ома"
check uprav "Управление" "ПУСК" "Примеры"
grep -q "ПУСК" "$build/docs/instruction.txt" || fail "instruction.txt"
[ -s "$build/docs/figures/glavnoe_okno.png" ] || fail "the main window's figure"
[ -s "$build/docs/icons/hicolor/scalable/apps/org.ovrelan.Ovrelan.svg" ] || fail "the icon"
desktop-file-validate "$source/docs/org.ovrelan.Ovrelan.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$source/docs/org.ovrelan.Ovrelan.metainfo.xml" || fail "metainfo"
echo ok
