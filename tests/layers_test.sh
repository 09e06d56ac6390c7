#!/bin/sh
# The layers as the build declares them: a folder includes only itself and the layers beneath it,
# the core never includes Qt, the platform knows nothing of circuits, and the siblings of the
# window (run, scene, graphs) never include each other or the main window's ui/.
root="$1"
fail=0
allowed() {
    case "$1" in
        model) echo "model" ;;
        solution) echo "model solution" ;;
        chain) echo "model solution chain" ;;
        io) echo "model solution chain io" ;;
        geometry) echo "model solution geometry" ;;
        platform) echo "platform" ;;
        simulation) echo "model solution chain io geometry simulation" ;;
        run | scene | graphs) echo "model solution chain io geometry platform simulation $1" ;;
        ui) echo "model solution chain io geometry platform simulation run scene graphs ui" ;;
        app) echo "ui app" ;;
    esac
}
core="model solution chain io geometry"
for layer in model solution chain io geometry platform simulation run scene graphs ui app; do
    for file in "$root/$layer"/*.h "$root/$layer"/*.cpp; do
        [ -f "$file" ] || continue
        grep -o '^#include "[a-z_]*/' "$file" | sed 's/#include "//; s|/||' | while read -r used; do
            case " $(allowed "$layer") " in
                *" $used "*) ;;
                *) echo "FAIL: $file includes $used/, above $layer/"; exit 1 ;;
            esac
        done || fail=1
        case " $core " in *" $layer "*) ;; *) continue ;; esac
        if grep -q '^#include <Q' "$file"; then
            echo "FAIL: $file includes Qt"
            fail=1
        fi
    done
done
[ "$fail" -eq 0 ] && echo ok
exit "$fail"
