#!/usr/bin/env bash
# Base64 encoding of a 100 MB file: TNMUUProcessor through TS_BufferStream (corvella-encbench) against coreutils
# `base64 -w 76`. The measured pair hands the text on and keeps none of it (ours into a sink that takes every byte,
# coreutils into /dev/null), so both are timed on reading and encoding; a second pair writes both texts into files
# in the scratch folder, where storing 138 MB in the page cache costs either side more than the encoding.
# Target: at least 3 times the throughput of coreutils in the first pair.
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

run_ours() { "$BIN_DIR/corvella-encbench" "$input"; }
run_coreutils() { base64 -w 76 "$input" >/dev/null; }
run_ours_file() { "$BIN_DIR/corvella-encbench" "$input" "$BENCH_TMP/ours.txt"; }
run_coreutils_file() { base64 -w 76 "$input" >"$BENCH_TMP/coreutils.txt"; }

# time_ms NAME: runs run_NAME once and appends its wall time in milliseconds to $BENCH_TMP/NAME.runs
time_ms() {
    local start end
    start=$(now_us)
    "run_$1"
    end=$(now_us)
    echo $(((end - start) / 1000)) >>"$BENCH_TMP/$1.runs"
}

# Warms the page cache and checks the text, byte for byte, before anything is measured: lines of 60 characters
# ending in CR LF.
run_ours_file
if ! cmp -s "$BENCH_TMP/ours.txt" <(base64 -w 60 "$input" | sed 's/$/\r/'); then
    echo "encoder.sh: our text differs from coreutils' base64 -w 60 with CR LF line ends" >&2
    exit 1
fi
names=(ours coreutils ours_file coreutils_file)
for name in "${names[@]}"; do : >"$BENCH_TMP/$name.runs"; done
for _ in $(seq "$RUNS"); do
    for name in "${names[@]}"; do time_ms "$name"; done
done

mbps() { awk -v mb="$SIZE_MB" -v ms="$1" 'BEGIN { printf "%.0f", (ms > 0) ? mb * 1000 / ms : 0 }'; }
declare -A med
for name in "${names[@]}"; do med[$name]=$(median <"$BENCH_TMP/$name.runs"); done
line() { # LABEL NAME
    printf '  %-44s %6s ms  %5s MB/s   runs: %s\n' "$1" "${med[$2]}" "$(mbps "${med[$2]}")" \
        "$(tr '\n' ' ' <"$BENCH_TMP/$2.runs")"
}
printf 'base64 of %d MB, median of %d runs, load average %s\n' "$SIZE_MB" "$RUNS" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
line 'ours (TNMUUProcessor + TS_BufferStream):' ours
line 'coreutils base64 -w 76 > /dev/null:' coreutils
speedup=$(ratio "${med[coreutils]}" "${med[ours]}")
if within 3 "$speedup"; then verdict=ok; else verdict=MISSED; fi
printf '  throughput ratio %s (target >= 3.00: %s)\n' "$speedup" "$verdict"
line 'ours into a file:' ours_file
line 'coreutils into a file:' coreutils_file
printf '  throughput ratio into files %s (no target)\n' "$(ratio "${med[coreutils_file]}" "${med[ours_file]}")"
within 3 "$speedup"
