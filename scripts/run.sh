#!/usr/bin/env bash
# Installs what is missing, builds in Release in build/ and starts the program.
# Without a display it runs the program on a virtual screen and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ovrelan_install_packages

BUILD_DIR=build
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DOVRELAN_BUILD_TESTS=OFF -DOVRELAN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --parallel "$(nproc)"

PROGRAM="$BUILD_DIR/app/ovrelan"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$PROGRAM"
fi

# No display: start the program on a virtual screen, take a picture of it, end it.
SHOT="$BUILD_DIR/ovrelan-screenshot.png"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$1" &
    pid=$!
    sleep 4
    import -window root "$2"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
' _ "$PROGRAM" "$SHOT"
echo "No display here: Ovrelan was started on a virtual screen; its picture is $SHOT"
