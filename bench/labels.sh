#!/usr/bin/env bash
# Labels for generated contacts printed to PDF through the list window's label button: time, labels per second and
# peak memory at two list sizes, against a plain reportlab canvas script drawing the same labels with the same
# embedded font (bench/peer_reportlab.py, Debian's python3-reportlab), taking turns with it. Targets: linear time
# (time per label at the large size at most 1.3 times that at the small one), flat memory (the large run at most
# 50 MB above the small one), at least as fast as the peer at both sizes, the preview's first page of the large
# list shown within one second, and `corvella labels --pdf` (the whole process) within 1.1 times the window's run on
# the large list.
#
# usage: bench/labels.sh            (RUNS=3 SMALL=10000 LARGE=100000 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-3}
SMALL=${SMALL:-10000}
LARGE=${LARGE:-100000}

command -v pdfinfo >/dev/null || { echo "labels.sh: needs pdfinfo (apt-get install poppler-utils)" >&2; exit 1; }
need_reportlab
need_gnu_time
bench_build corvella-labelbench corvella-previewbench corvella-demodata corvella
bench_tmp
FONT_FILE=$(fc-match -f '%{file}' Arial)
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$BENCH_TMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

for rows in "$SMALL" "$LARGE"; do
    mkdir -p "$BENCH_TMP/$rows/VT"
    make_contacts "$BENCH_TMP/$rows/VT/Dorlune.mdb" "$rows"
done

# run_once ROWS: appends "labels ms peak_kb pages" to $BENCH_TMP/ROWS.runs
run_once() {
    local dir=$BENCH_TMP/$1 out
    out=$("$BIN_DIR/corvella-labelbench" "$dir" "$dir/labels.pdf" 2>"$dir/stderr.txt") || {
        echo "labels.sh: the label run failed on $1 contacts:" >&2
        cat "$dir/stderr.txt" >&2
        exit 1
    }
    local labels ms kb pages
    labels=$(awk '$1 == "labels" { print $2 }' <<<"$out")
    ms=$(awk '$1 == "ms" { print $2 }' <<<"$out")
    kb=$(awk '$1 == "peak_kb" { print $2 }' <<<"$out")
    pages=$(pdfinfo "$dir/labels.pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')
    echo "$labels $ms $kb ${pages:-?}" >>"$BENCH_TMP/$1.runs"
    rm -f "$dir/labels.pdf"
}

# peer_once ROWS: appends "ms peak_kb" of the reportlab script to $BENCH_TMP/ROWS.peer
peer_once() {
    local dir=$BENCH_TMP/$1 out
    out=$(/usr/bin/time -f 'peak_kb %M' "$BENCH_DIR/peer_reportlab.py" labels "$dir/VT/Dorlune.mdb" \
        "$dir/peer.pdf" "$FONT_FILE" 2>&1) || { echo "labels.sh: the peer failed: $out" >&2; exit 1; }
    echo "$(awk '$1 == "ms" { print $2 }' <<<"$out") $(awk '$1 == "peak_kb" { print $2 }' <<<"$out")" \
        >>"$BENCH_TMP/$1.peer"
    rm -f "$dir/peer.pdf"
}

# cli_once ROWS: appends the wall time in ms of `corvella labels --pdf` on the same file to $BENCH_TMP/ROWS.cli
cli_once() {
    local dir=$BENCH_TMP/$1 start end
    start=$(now_us)
    "$BIN_DIR/corvella" --file "$dir/VT/Dorlune.mdb" labels --pdf "$dir/cli.pdf" >/dev/null 2>"$dir/cli.err" || {
        echo "labels.sh: corvella labels failed on $1 contacts:" >&2
        cat "$dir/cli.err" >&2
        exit 1
    }
    end=$(now_us)
    echo $(((end - start) / 1000)) >>"$BENCH_TMP/$1.cli"
    rm -f "$dir/cli.pdf"
}

# The sizes and the two programs take turns so that drift in the machine's load hits all alike.
for _ in $(seq "$RUNS"); do
    run_once "$SMALL"
    peer_once "$SMALL"
    run_once "$LARGE"
    peer_once "$LARGE"
    cli_once "$LARGE"
done

column_median() { awk -v c="$2" '{ print $c }' "$BENCH_TMP/$1.runs" | median; }
verdict() { if within "$1" "$2"; then echo "ok"; else echo "MISSED"; fi; }

printf 'labels to PDF, median of %d runs (A4, 3 x 8 labels of 70 x 37 mm, 8 texts a label)\n' "$RUNS"
printf '  %9s %8s %10s %11s %8s %10s %8s %7s\n' contacts pages ms labels/s "peak MB" "peer ms" "peer MB" ratio
peer_ok=true
for rows in "$SMALL" "$LARGE"; do
    ms=$(column_median "$rows" 2)
    kb=$(column_median "$rows" 3)
    peer_ms=$(awk '{ print $1 }' "$BENCH_TMP/$rows.peer" | median)
    peer_kb=$(awk '{ print $2 }' "$BENCH_TMP/$rows.peer" | median)
    pages=$(awk 'NR == 1 { print $4 }' "$BENCH_TMP/$rows.runs")
    rate=$(awk -v n="$rows" -v t="$ms" 'BEGIN { printf "%.0f", (t > 0) ? n * 1000 / t : 0 }')
    printf '  %9s %8s %10s %11s %8.1f %10s %8.1f %7s\n' "$rows" "$pages" "$ms" "$rate" \
        "$(awk -v k="$kb" 'BEGIN { print k / 1024 }')" "$peer_ms" "$(awk -v k="$peer_kb" 'BEGIN { print k / 1024 }')" \
        "$(ratio "$ms" "$peer_ms")"
    within "$(ratio "$ms" "$peer_ms")" 1.00 || peer_ok=false
done
small_ms=$(column_median "$SMALL" 2)
large_ms=$(column_median "$LARGE" 2)
per_label_ratio=$(awk -v a="$large_ms" -v b="$small_ms" -v na="$LARGE" -v nb="$SMALL" \
    'BEGIN { printf "%.2f", (b > 0) ? (a / na) / (b / nb) : 0 }')
extra_mb=$(awk -v a="$(column_median "$LARGE" 3)" -v b="$(column_median "$SMALL" 3)" \
    'BEGIN { printf "%.1f", (a - b) / 1024 }')
printf '  time per label, %s vs %s: ratio %s (target <= 1.30: %s)\n' "$LARGE" "$SMALL" "$per_label_ratio" \
    "$(verdict "$per_label_ratio" 1.30)"
printf '  peak memory, %s vs %s: %s MB more (target <= 50 MB: %s)\n' "$LARGE" "$SMALL" "$extra_mb" \
    "$(verdict "$extra_mb" 50)"

printf '  time against the reportlab script (target <= 1.00 at both sizes): %s\n' \
    "$($peer_ok && echo ok || echo MISSED)"

cli_ms=$(median <"$BENCH_TMP/$LARGE.cli")
cli_ratio=$(ratio "$cli_ms" "$large_ms")
printf '  corvella labels --pdf on %s contacts: %s ms, %s the window run (target <= 1.10: %s)\n' "$LARGE" "$cli_ms" \
    "$cli_ratio" "$(verdict "$cli_ratio" 1.10)"

preview=$("$BIN_DIR/corvella-previewbench" "$BENCH_TMP/$LARGE" 2>"$BENCH_TMP/preview.err") || {
    echo "labels.sh: the preview failed:" >&2
    cat "$BENCH_TMP/preview.err" >&2
    exit 1
}
first_ms=$(awk '$1 == "first_ms" { print $2 }' <<<"$preview")
printf '  preview of %s labels: first page shown in %s ms (target <= 1000: %s), last page (%s) in %s ms\n' \
    "$LARGE" "$first_ms" "$(verdict "$first_ms" 1000)" "$(awk '$1 == "pages" { print $2 }' <<<"$preview")" \
    "$(awk '$1 == "last_ms" { print $2 }' <<<"$preview")"

within "$per_label_ratio" 1.30 && within "$extra_mb" 50 && $peer_ok && within "$first_ms" 1000 && within "$cli_ratio" 1.10
