#!/bin/bash
# Builds the fuzz targets with clang in build-fuzz and runs each for SECONDS (default 60), one after another, then
# prints per target the executions, the coverage reached and the crashes kept. The corpus each run grows stays in
# build-fuzz/corpus/<target>; the seeds in fuzz/corpus/<target> are only read. A crashing input is kept as
# build-fuzz/crashes/<target>/crash-... (or leak-, timeout-, oom-); rerun one with build-fuzz/bin/fuzz_<target> FILE.
#   tools/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=build-fuzz

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_CXX_COMPILER=clang++ -DCORVELLA_FUZZ=ON -DBUILD_TESTING=OFF \
    $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) >/dev/null
cmake --build "$build" -j2 --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for binary in "$build"/bin/fuzz_*; do
        targets+=("$(basename "$binary" | sed 's/^fuzz_//')")
    done
fi

export QT_QPA_PLATFORM=offscreen
summary=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    crashes="$build/crashes/$target"
    mkdir -p "$corpus" "$crashes"
    log="$build/fuzz-$target.log"
    echo "== $target: $seconds s"
    # A failing run (a crash) is reported below, not fatal: the other targets still run.
    "$build/bin/fuzz_$target" "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1 || true
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    coverage=$( (grep -o 'cov: [0-9]*' "$log" || true) | tail -1 | cut -d' ' -f2)
    found=$(find "$crashes" -type f | wc -l)
    summary+=("$(printf '%-14s %10s runs %6s edges %3s crashes' "$target" "${runs:-?}" "${coverage:-?}" "$found")")
    grep -m1 -E '^==[0-9]+==ERROR|runtime error|invariant broken' "$log" || true
done
echo
printf '%s\n' "${summary[@]}"
