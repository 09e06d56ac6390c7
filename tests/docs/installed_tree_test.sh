#!/bin/sh
# What `cmake --install` (and so the Debian package, made from the same tree) puts where the
# program looks for its documents: beside bin/, in share/doc/ovrelan, the Russian documents and,
# in en/, the English ones, each PDF with its Markdown source, the instruction files and the
# figures. The English translation of the windows is embedded in the program: no .qm is installed.
cmake="$1"
build="$2"
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" > /dev/null || fail "cmake --install"
[ -x "$prefix/bin/ovrelan" ] || fail "no bin/ovrelan"
# The program looks in bin/../share/doc/ovrelan (platform/documents.cpp, document_folders).
docs="$prefix/bin/../share/doc/ovrelan"
for name in spravka kontur katushka kondensator resistor uprav \
    en/overview en/circuit en/coil en/capacitor en/resistor en/controls; do
    for extension in pdf md; do
        [ -s "$docs/$name.$extension" ] || fail "not installed: $name.$extension"
        cmp -s "$build/docs/$name.$extension" "$docs/$name.$extension" ||
            fail "$name.$extension installed is not the one built"
    done
done
for file in instruction.txt en/instruction.txt figures/glavnoe_okno.png \
    en/figures/glavnoe_okno.png en/figures/polya.png; do
    [ -s "$docs/$file" ] || fail "not installed: $file"
done
# Every figure an English source shows is installed beside it.
for source in "$docs"/en/*.md; do
    for figure in $(grep -o '](figures/[^)]*)' "$source" | sed 's/^](//; s/)$//'); do
        [ -s "$docs/en/$figure" ] || fail "$(basename "$source") shows $figure, not installed"
    done
done
if find "$prefix" -name '*.qm' | grep -q .; then
    fail "a .qm installed: the translation is embedded in the program"
fi
echo ok
