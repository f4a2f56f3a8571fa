#!/usr/bin/env bash
# From "&View " to the list window shown with its count and first rows, on 1,000,000 contacts, for three searches:
# (a) nothing ticked, (b) a company range of about 6 % of the rows, (c) a name range of about half of them. Each is
# compared with the sqlite3 shell running the same statement to completion on a copy without the collation.
# Targets: within 1.5x of the shell; peak memory under 200 MB above the program's idle figure.
#
# usage: bench/search.sh          (ROWS=1000000 RUNS=3 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ROWS=${ROWS:-1000000}
RUNS=${RUNS:-3}

command -v sqlite3 >/dev/null || { echo "search.sh: needs the sqlite3 shell (apt-get install sqlite3)" >&2; exit 1; }
bench_build corvella-demodata corvella-searchbench
bench_tmp
mkdir -p "$BENCH_TMP/program/VT"
file=$BENCH_TMP/program/VT/Dorlune.mdb
peer=$BENCH_TMP/peer.db
make_contacts "$file" "$ROWS"
columns=$(sqlite3 "$file" "select group_concat('[' || name || '] collate binary as [' || name || ']', ', ')
                           from pragma_table_info('kayit')")
sqlite3 "$peer" "attach '$file' as source; create table kayit as select $columns from source.kayit;"

status=0
for mode in all company name; do
    : >"$BENCH_TMP/ours.runs"
    : >"$BENCH_TMP/peer.runs"
    extra_kb=0
    for _ in $(seq "$RUNS"); do
        QT_QPA_PLATFORM=offscreen "$BIN_DIR/corvella-searchbench" "$BENCH_TMP/program" "$mode" >"$BENCH_TMP/out" 2>/dev/null
        awk '$1 == "ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/ours.runs"
        idle=$(awk '$1 == "idle_kb" { print $2 }' "$BENCH_TMP/out")
        peak=$(awk '$1 == "peak_kb" { print $2 }' "$BENCH_TMP/out")
        extra_kb=$((peak - idle > extra_kb ? peak - idle : extra_kb))
        sql=$(sed -n 's/^sql //p' "$BENCH_TMP/out")
        start=$(now_us)
        sqlite3 "$peer" "$sql" >/dev/null
        end=$(now_us)
        echo $(((end - start) / 1000)) >>"$BENCH_TMP/peer.runs"
    done
    rows=$(awk '$1 == "rows" { print $2 }' "$BENCH_TMP/out")
    ours=$(median <"$BENCH_TMP/ours.runs")
    theirs=$(median <"$BENCH_TMP/peer.runs")
    r=$(ratio "$ours" "$theirs")
    extra_mb=$((extra_kb / 1024))
    if within "$r" 1.5 && [ "$extra_mb" -lt 200 ]; then verdict=ok; else verdict=MISSED; status=1; fi
    printf '%-8s %8s rows  ours %6s ms  sqlite3 %6s ms  ratio %s (<= 1.50)  extra memory %s MB (< 200): %s\n' \
        "$mode" "$rows" "$ours" "$theirs" "$r" "$extra_mb" "$verdict"
done
exit $status
