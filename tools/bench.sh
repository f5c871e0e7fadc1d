#!/usr/bin/env bash
# Builds a release build with the benchmarks and prints their figures: the
# rules alone, start-up to the first painted frame, and a spin through the
# real window, each offscreen and under Xvfb. Close other work first: the
# window figures are wall-clock times.
#   tools/bench.sh [core] [startup] [spin]    (all three when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

parts=("$@")
[ ${#parts[@]} -gt 0 ] || parts=(core startup spin)
wanted() { [[ " ${parts[*]} " == *" $1 "* ]]; }

tools/install-deps.sh
cmake -S . -B build-perf -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-perf -j"$(nproc)" --target velmora_core_bench velmora_startup_bench \
    velmora_startup_probe velmora_spin_bench >/dev/null
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$(mktemp -d)"
fi
bench=build-perf/bench
xvfb=(xvfb-run -a -s "-screen 0 1024x768x24")
# Each run starts from empty settings and data: a help or racetrack window
# remembered as open would otherwise reopen with the table and spoil the comparison.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
quiet() {
    local home
    home="$(mktemp -d "$scratch/run.XXXXXX")"
    mkdir "$home/config" "$home/data"
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        "$@" 2> >(grep -v -e 'does not support' >&2)
}

echo "Machine: $(nproc) x$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2), $(date -u '+%F %H:%M UTC')," \
     "load $(cut -d' ' -f1-3 /proc/loadavg)"
if wanted core; then
    echo
    "$bench/velmora_core_bench" --benchmark_min_time=0.2 2>/dev/null | sed -n '/^---/,$p'
fi
if wanted startup; then
    echo
    QT_QPA_PLATFORM=offscreen quiet "$bench/velmora_startup_bench" 15
    echo
    quiet "${xvfb[@]}" "$bench/velmora_startup_bench" 15
fi
if wanted spin; then
    echo
    QT_QPA_PLATFORM=offscreen quiet "$bench/velmora_spin_bench" 10
    echo
    quiet "${xvfb[@]}" "$bench/velmora_spin_bench" 10
fi
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
