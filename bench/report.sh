#!/usr/bin/env bash
# The contact report of 10,000 and of 100,000 generated contacts printed to PDF: time, pages per second and peak
# memory, against a plain reportlab canvas script drawing the same pages with the same embedded font
# (bench/peer_reportlab.py, Debian's python3-reportlab), the two taking turns. Targets: time grows linearly
# (100,000 rows within 11x of 10,000), memory stays flat (within 1.2x), and at least as fast as the peer.
#
# usage: bench/report.sh            (RUNS=1 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-1}
command -v pdfinfo >/dev/null || { echo "report.sh: needs pdfinfo (apt-get install poppler-utils)" >&2; exit 1; }
need_reportlab
need_gnu_time
bench_build corvella-demodata corvella-reportbench
bench_tmp
FONT_FILE=$(fc-match -f '%{file}' Arial)

declare -A ms peak peer_ms peer_peak
peer_ok=true
for rows in 10000 100000; do
    mkdir -p "$BENCH_TMP/$rows/VT"
    make_contacts "$BENCH_TMP/$rows/VT/Dorlune.mdb" "$rows"
    : >"$BENCH_TMP/$rows.ours"
    : >"$BENCH_TMP/$rows.peer"
    for _ in $(seq "$RUNS"); do
        QT_QPA_PLATFORM=offscreen "$BIN_DIR/corvella-reportbench" "$BENCH_TMP/$rows" "$BENCH_TMP/$rows.pdf" \
            >"$BENCH_TMP/out" 2>/dev/null
        echo "$(awk '$1 == "ms" { print $2 }' "$BENCH_TMP/out") $(awk '$1 == "peak_kb" { print $2 }' "$BENCH_TMP/out")" \
            >>"$BENCH_TMP/$rows.ours"
        /usr/bin/time -f 'peak_kb %M' "$BENCH_DIR/peer_reportlab.py" report "$BENCH_TMP/$rows/VT/Dorlune.mdb" \
            "$BENCH_TMP/$rows.peer.pdf" "$FONT_FILE" >"$BENCH_TMP/peer" 2>&1
        echo "$(awk '$1 == "ms" { print $2 }' "$BENCH_TMP/peer") $(awk '$1 == "peak_kb" { print $2 }' "$BENCH_TMP/peer")" \
            >>"$BENCH_TMP/$rows.peer"
    done
    ms[$rows]=$(awk '{ print $1 }' "$BENCH_TMP/$rows.ours" | median)
    peak[$rows]=$(awk '{ print $2 }' "$BENCH_TMP/$rows.ours" | median)
    peer_ms[$rows]=$(awk '{ print $1 }' "$BENCH_TMP/$rows.peer" | median)
    peer_peak[$rows]=$(awk '{ print $2 }' "$BENCH_TMP/$rows.peer" | median)
    pages=$(pdfinfo "$BENCH_TMP/$rows.pdf" | awk '/^Pages:/ { print $2 }')
    peer_pages=$(pdfinfo "$BENCH_TMP/$rows.peer.pdf" | awk '/^Pages:/ { print $2 }')
    pps=$(awk -v p="$pages" -v t="${ms[$rows]}" 'BEGIN { printf "%.0f", (t > 0) ? p * 1000 / t : 0 }')
    peer_ratio=$(ratio "${ms[$rows]}" "${peer_ms[$rows]}")
    within "$peer_ratio" 1.00 || peer_ok=false
    printf '%7s rows: %6s ms, %5s pages, %5s pages/s, peak %s MB; reportlab %6s ms, %5s pages, peak %s MB; ratio %s\n' \
        "$rows" "${ms[$rows]}" "$pages" "$pps" "$((peak[$rows] / 1024))" "${peer_ms[$rows]}" "$peer_pages" \
        "$((peer_peak[$rows] / 1024))" "$peer_ratio"
done
time_ratio=$(ratio "${ms[100000]}" "${ms[10000]}")
memory_ratio=$(ratio "${peak[100000]}" "${peak[10000]}")
if within "$time_ratio" 11 && within "$memory_ratio" 1.2 && $peer_ok; then verdict=ok; else verdict=MISSED; fi
printf 'time 100k/10k %s (<= 11), peak memory 100k/10k %s (<= 1.20), against reportlab <= 1.00 at both sizes: %s\n' \
    "$time_ratio" "$memory_ratio" "$verdict"
[ "$verdict" = ok ]
