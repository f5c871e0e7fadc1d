#!/usr/bin/env bash
# Builds a release build with the benchmarks and prints their figures: the
# rules alone, start-up to the first painted frame, and a spin through the
# real window, each offscreen and under Xvfb. Close other work first: the
# window figures are wall-clock times.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build-perf -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-perf -j"$(nproc)" --target velmora_core_bench velmora_startup_bench \
    velmora_startup_probe velmora_spin_bench >/dev/null
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
fi
bench=build-perf/bench
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24")
quiet() { "$@" 2> >(grep -v -e 'does not support' >&2); }

echo "Machine: $(nproc) x$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), $(date -u '+%F %H:%M UTC')," \
     "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$bench/velmora_core_bench" --benchmark_min_time=0.2 2>/dev/null | sed -n '/^---/,$p'
echo
QT_QPA_PLATFORM=offscreen quiet "$bench/velmora_startup_bench" 15
echo
quiet "${xvfb[@]}" "$bench/velmora_startup_bench" 15
echo
QT_QPA_PLATFORM=offscreen quiet "$bench/velmora_spin_bench" 10
echo
quiet "${xvfb[@]}" "$bench/velmora_spin_bench" 10
