#!/usr/bin/env bash
# The long random-play soak: builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and plays 100,000 steps through the real window,
# headless. Seed and step count from the environment:
#   VELMORA_SOAK_SEED=7 VELMORA_SOAK_STEPS=5000 tools/soak.sh
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-soak -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON >/dev/null
cmake --build build-soak -j"$(nproc)" --target velmora_window_tests
export QT_QPA_PLATFORM=offscreen
export VELMORA_SOAK_SEED="${VELMORA_SOAK_SEED:-1}"
export VELMORA_SOAK_STEPS="${VELMORA_SOAK_STEPS:-100000}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tools/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
fi
echo "Soak: seed $VELMORA_SOAK_SEED, $VELMORA_SOAK_STEPS steps"
time build-soak/tests/velmora_window_tests --gtest_filter='SoakTest.*' 2> >(grep -v \
    -e 'does not support' >&2)
