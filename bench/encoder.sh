#!/usr/bin/env bash
# Base64 encoding of a 100 MB file: TNMUUProcessor through TS_BufferStream (corvella-encbench) against coreutils
# `base64 -w 76`, both writing their text to a file in the scratch folder. Target: at least 1.5 times the
# throughput of coreutils.
#
# usage: bench/encoder.sh            (RUNS=7 SIZE_MB=100 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-7}
SIZE_MB=${SIZE_MB:-100}

bench_build corvella-encbench
bench_tmp
input=$BENCH_TMP/input.bin
head -c "$((SIZE_MB * 1024 * 1024))" /dev/urandom >"$input"

run_ours() { "$BIN_DIR/corvella-encbench" "$input" "$BENCH_TMP/ours.txt"; }
run_coreutils() { base64 -w 76 "$input" >"$BENCH_TMP/coreutils.txt"; }

# time_ms NAME: runs run_NAME once and appends its wall time in milliseconds to $BENCH_TMP/NAME.runs
time_ms() {
    local start end
    start=$(now_us)
    "run_$1"
    end=$(now_us)
    echo $(((end - start) / 1000)) >>"$BENCH_TMP/$1.runs"
}

time_ms ours # warms the page cache and checks the output before anything is measured
if ! cmp -s <(tr -d '\r\n' <"$BENCH_TMP/ours.txt") <(base64 -w 0 "$input"); then
    echo "encoder.sh: our output differs from coreutils' base64" >&2
    exit 1
fi
: >"$BENCH_TMP/ours.runs"
: >"$BENCH_TMP/coreutils.runs"
for _ in $(seq "$RUNS"); do
    time_ms ours
    time_ms coreutils
done

ours=$(median <"$BENCH_TMP/ours.runs")
coreutils=$(median <"$BENCH_TMP/coreutils.runs")
speedup=$(ratio "$coreutils" "$ours")
mbps() { awk -v mb="$SIZE_MB" -v ms="$1" 'BEGIN { printf "%.0f", (ms > 0) ? mb * 1000 / ms : 0 }'; }
printf 'base64 of %d MB, median of %d runs\n' "$SIZE_MB" "$RUNS"
printf '  ours (TNMUUProcessor + TS_BufferStream): %6s ms  %5s MB/s   runs: %s\n' "$ours" "$(mbps "$ours")" \
    "$(tr '\n' ' ' <"$BENCH_TMP/ours.runs")"
printf '  coreutils base64 -w 76:                 %6s ms  %5s MB/s   runs: %s\n' "$coreutils" \
    "$(mbps "$coreutils")" "$(tr '\n' ' ' <"$BENCH_TMP/coreutils.runs")"
if within 1.5 "$speedup"; then verdict=ok; else verdict=MISSED; fi
printf '  throughput ratio %s (target >= 1.50: %s)\n' "$speedup" "$verdict"
within 1.5 "$speedup"
