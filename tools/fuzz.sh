#!/usr/bin/env bash
# Builds the fuzz targets (clang's libFuzzer with ASan and UBSan) and runs
# each from its seeds in tests/fuzz/corpus, printing per target the
# executions, executions per second, coverage and findings.
#   tools/fuzz.sh                 1,000,000 executions a target
#   tools/fuzz.sh --runs N        N executions a target
#   tools/fuzz.sh --seconds S     S seconds a target (CI's short run)
# A finding (crash, leak, hang, memory blow-up) keeps its input in
# build-fuzz/findings/ and makes the script exit non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-runs=1000000)
case "${1:-}" in
--runs) limit=(-runs="$2") ;;
--seconds) limit=(-max_total_time="$2") ;;
"") ;;
*) echo "usage: tools/fuzz.sh [--runs N | --seconds S]" >&2; exit 2 ;;
esac

tools/install-deps.sh --fuzz
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target velmora_fuzz_targets >/dev/null

found=0
mkdir -p build-fuzz/findings
for target in stored_text_fuzz drill_progress_fuzz saved_layouts_fuzz settings_fuzz; do
    # New inputs go to a scratch folder, so the committed seeds stay as they are.
    scratch=$(mktemp -d)
    log=build-fuzz/$target.log
    status=0
    build-fuzz/tests/fuzz/$target "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "$scratch" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    rm -rf "$scratch"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    findings=$(ls build-fuzz/findings | grep -c "^$target-" || true)
    printf '%-20s %9s runs %7s/s  coverage %4s edges  findings %s\n' \
        "$target" "${runs:-?}" "${speed:-?}" "${cov:-?}" "$findings"
    if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
        found=1
        grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -n 5 || true
    fi
done
exit "$found"
