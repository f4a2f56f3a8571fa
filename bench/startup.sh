#!/usr/bin/env bash
# Startup of the program on a contact file of 1,000,000 contacts against an empty one: time until the main window
# is shown and peak memory. Targets: at most 1.3 times the empty file's time, at most 150 MB more memory.
#
# usage: bench/startup.sh            (RUNS=11 ROWS=1000000 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-11}
ROWS=${ROWS:-1000000}

need_gnu_time
bench_build corvella corvella-demodata
bench_tmp
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$BENCH_TMP/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program opens VT/Dorlune.mdb beside its executable, so each file gets its own copy of the program.
for name in big empty; do
    mkdir -p "$BENCH_TMP/$name/VT"
    cp "$BIN_DIR/corvella" "$BENCH_TMP/$name/"
done
make_contacts "$BENCH_TMP/big/VT/Dorlune.mdb" "$ROWS"
make_contacts "$BENCH_TMP/empty/VT/Dorlune.mdb" 0

# run_once NAME: appends "shown_ms wall_ms rss_kb" to $BENCH_TMP/NAME.runs
run_once() {
    local dir=$BENCH_TMP/$1 start end shown rss
    start=$(now_us)
    # The timeout only guards against a dialog waiting for an answer that never comes.
    if ! CORVELLA_BENCH_EXIT_AFTER_SHOW=1 timeout 120 /usr/bin/time -v -o "$dir/time.txt" "$dir/corvella" \
        2>"$dir/stderr.txt"; then
        echo "startup.sh: the program failed on the $1 file:" >&2
        cat "$dir/stderr.txt" >&2
        exit 1
    fi
    end=$(now_us)
    shown=$(awk '$1 == "shown" { print $2; exit }' "$dir/stderr.txt")
    rss=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$dir/time.txt")
    if [ -z "$shown" ] || [ -z "$rss" ]; then
        echo "startup.sh: no 'shown' line or no memory figure for the $1 file" >&2
        cat "$dir/stderr.txt" >&2
        exit 1
    fi
    echo "$shown $(((end - start) / 1000)) $rss" >>"$BENCH_TMP/$1.runs"
}

# One unrecorded run each warms the page cache; then the files take turns so drift hits both alike.
run_once big
run_once empty
: >"$BENCH_TMP/big.runs"
: >"$BENCH_TMP/empty.runs"
for _ in $(seq "$RUNS"); do
    run_once big
    run_once empty
done

column_median() { awk -v c="$2" '{ print $c }' "$BENCH_TMP/$1.runs" | median; }
big_shown=$(column_median big 1)
empty_shown=$(column_median empty 1)
big_wall=$(column_median big 2)
empty_wall=$(column_median empty 2)
big_rss=$(column_median big 3)
empty_rss=$(column_median empty 3)

shown_ratio=$(ratio "$big_shown" "$empty_shown")
wall_ratio=$(ratio "$big_wall" "$empty_wall")
extra_mb=$(awk -v a="$big_rss" -v b="$empty_rss" 'BEGIN { printf "%.1f", (a - b) / 1024 }')

verdict() { if within "$1" "$2"; then echo "ok"; else echo "MISSED"; fi; }
printf 'startup, median of %d runs (%s contacts vs empty file)\n' "$RUNS" "$ROWS"
printf '  main() to window shown:  %8s ms  vs %8s ms   ratio %s (target <= 1.30: %s)\n' \
    "$big_shown" "$empty_shown" "$shown_ratio" "$(verdict "$shown_ratio" 1.30)"
printf '  launch to exit (wall):   %8s ms  vs %8s ms   ratio %s\n' "$big_wall" "$empty_wall" "$wall_ratio"
printf '  peak RSS:                %8s KB  vs %8s KB   extra %s MB (target < 150 MB: %s)\n' \
    "$big_rss" "$empty_rss" "$extra_mb" "$(verdict "$extra_mb" 150)"

within "$shown_ratio" 1.30 && within "$extra_mb" 150
