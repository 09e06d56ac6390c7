#!/usr/bin/env bash
# Installs what is missing, builds in Release in build/ and starts the program.
# Until the main window exists this runs the command-line model on the start-up values.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ovrelan_install_packages

BUILD_DIR=build
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DOVRELAN_BUILD_TESTS=OFF -DOVRELAN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --parallel "$(nproc)"

exec "$BUILD_DIR/tools/ovrelan-solve" "$@"
