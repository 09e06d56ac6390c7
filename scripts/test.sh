#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-tests/, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ovrelan_install_packages

BUILD_DIR=build-tests
cmake -S . -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOVRELAN_SANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$BUILD_DIR" --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$(nproc)" --timeout 300
