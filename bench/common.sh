# Shared helpers for the benchmark scripts; sourced, not run.
# shellcheck shell=bash

BENCH_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
REPO_DIR=$(cd "$BENCH_DIR/.." && pwd)
BUILD_DIR=${CORVELLA_BENCH_BUILD:-$REPO_DIR/build-bench}
BIN_DIR=$BUILD_DIR/bin

# Configures a release build with the measurement programs and brings the named targets up to date, on one core
# so a parallel build elsewhere keeps the other.
bench_build() {
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ] || ! grep -q '^CORVELLA_BENCH:BOOL=ON' "$BUILD_DIR/CMakeCache.txt" ||
        ! grep -q '^CMAKE_BUILD_TYPE:STRING=Release' "$BUILD_DIR/CMakeCache.txt"; then
        cmake -S "$REPO_DIR" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
            -DCORVELLA_BENCH=ON >/dev/null || { echo "bench: configuring $BUILD_DIR failed" >&2; return 1; }
    fi
    local log
    log=$(mktemp "${TMPDIR:-/tmp}/corvella-bench-build.XXXXXX")
    if ! ninja -C "$BUILD_DIR" -j1 "$@" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        rm -f "$log"
        echo "bench: the build failed" >&2
        return 1
    fi
    rm -f "$log"
}

# A scratch folder removed when the script ends, however it ends.
bench_tmp() {
    BENCH_TMP=$(mktemp -d "${TMPDIR:-/tmp}/corvella-bench.XXXXXX")
    trap 'rm -rf "$BENCH_TMP"' EXIT
    trap 'exit 130' INT TERM
}

# /usr/bin/time (not the shell keyword) reports the peak resident set size.
need_gnu_time() {
    [ -x /usr/bin/time ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get install -y --no-install-recommends time >/dev/null
}

# Debian's reportlab for the PDF peer; /usr/bin/python3 is the interpreter that sees Debian's modules.
need_reportlab() {
    /usr/bin/python3 -c 'import reportlab' 2>/dev/null && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get install -y --no-install-recommends python3-reportlab >/dev/null
}

# Microseconds on the wall clock, without starting a process.
now_us() {
    local t=$EPOCHREALTIME
    echo $((10#${t/[.,]/}))
}

# Median of the numbers on standard input, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# ratio A B: A / B to two decimals.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'
}

# within VALUE LIMIT: succeeds when VALUE <= LIMIT.
within() {
    awk -v v="$1" -v l="$2" 'BEGIN { exit !(v <= l) }'
}

# make_contacts FILE ROWS: a contact file of ROWS generated contacts (seed 1, so every run measures the same data).
make_contacts() {
    "$BIN_DIR/corvella-demodata" --rows "$2" --seed 1 "$1" >/dev/null
}
