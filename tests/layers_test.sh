#!/bin/sh
# The layers as the build declares them: a folder includes only itself and the layers beneath it,
# and the core never includes Qt.
root="$1"
fail=0
allowed() {
    case "$1" in
        model) echo "model" ;;
        solution) echo "model solution" ;;
        chain) echo "model solution chain" ;;
        io) echo "model solution chain io" ;;
        geometry) echo "model solution geometry" ;;
    esac
}
for layer in model solution chain io geometry; do
    for file in "$root/$layer"/*.h "$root/$layer"/*.cpp; do
        grep -o '^#include "[a-z_]*/' "$file" | sed 's/#include "//; s|/||' | while read -r used; do
            case " $(allowed "$layer") " in
                *" $used "*) ;;
                *) echo "FAIL: $file includes $used/, above $layer/"; exit 1 ;;
            esac
        done || fail=1
        if grep -q '^#include <Q' "$file"; then
            echo "FAIL: $file includes Qt"
            fail=1
        fi
    done
done
[ "$fail" -eq 0 ] && echo ok
exit "$fail"
