#!/usr/bin/env bash
# The contact report of 10,000 and of 100,000 generated contacts printed to PDF: time, pages per second and peak
# memory. Targets: time grows linearly (100,000 rows within 11x of 10,000) and memory stays flat (within 1.2x).
#
# usage: bench/report.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

command -v pdfinfo >/dev/null || { echo "report.sh: needs pdfinfo (apt-get install poppler-utils)" >&2; exit 1; }
bench_build corvella-demodata corvella-reportbench
bench_tmp

declare -A ms peak
for rows in 10000 100000; do
    mkdir -p "$BENCH_TMP/$rows/VT"
    make_contacts "$BENCH_TMP/$rows/VT/Dorlune.mdb" "$rows"
    QT_QPA_PLATFORM=offscreen "$BIN_DIR/corvella-reportbench" "$BENCH_TMP/$rows" "$BENCH_TMP/$rows.pdf" \
        >"$BENCH_TMP/out" 2>/dev/null
    ms[$rows]=$(awk '$1 == "ms" { print $2 }' "$BENCH_TMP/out")
    peak[$rows]=$(awk '$1 == "peak_kb" { print $2 }' "$BENCH_TMP/out")
    pages=$(pdfinfo "$BENCH_TMP/$rows.pdf" | awk '/^Pages:/ { print $2 }')
    pps=$(awk -v p="$pages" -v t="${ms[$rows]}" 'BEGIN { printf "%.0f", (t > 0) ? p * 1000 / t : 0 }')
    printf '%7s rows: %6s ms, %5s pages, %5s pages/s, peak %s MB\n' "$rows" "${ms[$rows]}" "$pages" "$pps" \
        "$((peak[$rows] / 1024))"
done
time_ratio=$(ratio "${ms[100000]}" "${ms[10000]}")
memory_ratio=$(ratio "${peak[100000]}" "${peak[10000]}")
if within "$time_ratio" 11 && within "$memory_ratio" 1.2; then verdict=ok; else verdict=MISSED; fi
printf 'time 100k/10k %s (<= 11), peak memory 100k/10k %s (<= 1.20): %s\n' "$time_ratio" "$memory_ratio" "$verdict"
[ "$verdict" = ok ]
