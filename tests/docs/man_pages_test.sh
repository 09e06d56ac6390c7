#!/bin/sh
# The man pages, English and Russian, as man shows them: each renders with man -l, groff finds
# nothing to warn about (-ww), and each has its sections. With a build folder, the compressed
# pages made for installing render the same.
source="$1"
build="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in man groff preconv; do
    command -v "$tool" > /dev/null || { echo "SKIP: no $tool (man-db, groff-base)"; exit 77; }
done
plain="$(mktemp)"
trap 'rm -f "$plain"' EXIT
# check PAGE HEADING...: the page renders without a warning and shows each heading.
check() {
    page="$1"
    shift
    [ -s "$page" ] || fail "no $page"
    gzip -dcf "$page" > "$plain" || fail "$page does not read"
    warnings="$(preconv "$plain" | groff -ww -man -Tutf8 2>&1 > /dev/null)" ||
        fail "groff fails on $page"
    [ -z "$warnings" ] || fail "groff warns on $page: $warnings"
    text="$(MANWIDTH=80 LC_ALL=C.UTF-8 man -l "$page" 2>&1)" || fail "man -l $page"
    for heading in "$@"; do
        printf '%s\n' "$text" | grep -q "^$heading" || fail "no «$heading» in $page"
    done
}
english="NAME SYNOPSIS DESCRIPTION OPTIONS EXIT.STATUS EXAMPLES"
russian="ИМЯ ОБЗОР ОПИСАНИЕ ПАРАМЕТРЫ КОД.ЗАВЕРШЕНИЯ ПРИМЕРЫ"
for folder in "$source/docs" ${build:+"$build/docs/man"}; do
    suffix=""
    [ "$folder" = "$source/docs" ] || suffix=".gz"
    # shellcheck disable=SC2086 # the headings are words
    check "$folder/ovrelan.1$suffix" $english FILES
    # shellcheck disable=SC2086
    check "$folder/ovrelan-solve.1$suffix" $english OUTPUT "MEASURED DATA" "TASK FILES"
    # shellcheck disable=SC2086
    check "$folder/ru/ovrelan.1$suffix" $russian ФАЙЛЫ
    # shellcheck disable=SC2086
    check "$folder/ru/ovrelan-solve.1$suffix" $russian ВЫВОД ИЗМЕРЕНИЯ "ФАЙЛЫ ЗАДАЧ"
done
# What the pages must say, in both languages.
for page in "$source/docs/ovrelan.1" "$source/docs/ru/ovrelan.1"; do
    for word in "Ovrelan.conf" "/usr/share/doc/ovrelan" "\\\\-\\\\-version" "^\\.B 2"; do
        grep -q "$word" "$page" || fail "no «$word» in $page"
    done
done
for page in "$source/docs/ovrelan-solve.1" "$source/docs/ru/ovrelan-solve.1"; do
    for word in messages configuration regime caption state detail written EL_V "^\\.B 3" \
                "\\\\-\\\\-fit" "\\\\-\\\\-fix" chi2_per_dof omega0 "^\\.B 4" uc_noisy.csv; do
        grep -q "$word" "$page" || fail "no «$word» in $page"
    done
done
# The English and the Russian page of each program describe the same options: the options their
# items name, in the same order, and every option either mentions.
# options PAGE: each option a line, as the page names it ("--export-graph", "-h").
options() {
    sed 's/\\%//g' "$1" |
        grep -oE '(^|[^A-Za-z0-9\\])\\-(\\-)?[A-Za-z][A-Za-z0-9]*(\\-[A-Za-z0-9]+)*' |
        sed 's/^[^\\]*//; s/\\//g'
}
# items PAGE: the options of the items (the line after each .TP), in their order.
items() {
    sed 's/\\%//g' "$1" | awk 'after { print } { after = ($0 == ".TP") }' |
        grep -oE '^\.[A-Z]+ +\\-(\\-)?[A-Za-z][A-Za-z0-9]*(\\-[A-Za-z0-9]+)*' | sed 's/^[^\\]*//; s/\\//g'
}
for program in ovrelan ovrelan-solve; do
    english="$source/docs/$program.1"
    russian="$source/docs/ru/$program.1"
    [ -n "$(items "$english")" ] || fail "no options found in the items of $english"
    [ "$(items "$english" | tr '\n' ' ')" = "$(items "$russian" | tr '\n' ' ')" ] ||
        fail "$program.1: the items name other options in English ($(items "$english" |
            tr '\n' ' ')) than in Russian ($(items "$russian" | tr '\n' ' '))"
    [ "$(options "$english" | sort -u | tr '\n' ' ')" = "$(options "$russian" | sort -u | tr '\n' ' ')" ] ||
        fail "$program.1: the English page mentions other options ($(options "$english" |
            sort -u | tr '\n' ' ')) than the Russian one ($(options "$russian" | sort -u | tr '\n' ' '))"
done
echo ok
