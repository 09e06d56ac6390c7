#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-tests/ and runs every test through CTest; then builds the
# core, ovrelan-solve and their tests without Qt in build-core/ and runs those.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ovrelan_install_packages

# Every source file as .clang-format has it.
mapfile -t sources < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${sources[@]}"; then
    echo "Some files differ from .clang-format: run clang-format -i on them." >&2
    exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
jobs="$(nproc)"

BUILD_DIR=build-tests
cmake -S . -B "$BUILD_DIR" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOVRELAN_SANITIZE=ON -DOVRELAN_ASSERTIONS=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$BUILD_DIR" --parallel "$jobs"
ctest --test-dir "$BUILD_DIR" --output-on-failure --parallel "$jobs" --timeout 300

# The core and the solver build and pass their tests on a machine without Qt. Unoptimised and
# without debugging information: this build only shows that nothing needs Qt, and the sanitizer
# build above has run the same tests optimised.
CORE_DIR=build-core
cmake -S . -B "$CORE_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
    -DOVRELAN_BUILD_GUI=OFF \
    -DOVRELAN_ASSERTIONS=ON \
    -DOVRELAN_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$CORE_DIR" --parallel "$jobs"
ctest --test-dir "$CORE_DIR" --output-on-failure --parallel "$jobs" --timeout 300
