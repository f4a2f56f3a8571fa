#!/usr/bin/env bash
# Ordering 1,000,000 contacts by company name with the Turkish collation, through the program's own connection and
# data layer, against the sqlite3 shell ordering the same rows of a copy of the table that has no collation (plain
# byte order). Both sides are timed from process start to exit and read every value: ours as the engine's UTF-8 text
# (as an export reads), the shell printing it. Target: at most 1.3 times the shell's time. A third line, not part of
# the target, reads every value as a QString through QSqlQuery (as a report reads), which costs the same whatever
# the order.
#
# usage: bench/collation.sh          (ROWS=1000000 RUNS=5 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ROWS=${ROWS:-1000000}
RUNS=${RUNS:-5}
COLUMN="Firma Adi"

command -v sqlite3 >/dev/null || { echo "collation.sh: needs the sqlite3 shell (apt-get install sqlite3)" >&2; exit 1; }
bench_build corvella-demodata corvella-collbench
bench_tmp
file=$BENCH_TMP/contacts.mdb
peer=$BENCH_TMP/peer.db
make_contacts "$file" "$ROWS"

# The peer copies every column under the built-in byte order: CREATE TABLE ... AS then declares plain TEXT columns.
columns=$(sqlite3 "$file" "select group_concat('[' || name || '] collate binary as [' || name || ']', ', ')
                           from pragma_table_info('kayit')")
sqlite3 "$peer" "attach '$file' as source; create table kayit as select $columns from source.kayit;"

# Both sides must have produced every row, and ours in Turkish order (checked once, outside the timing).
"$BIN_DIR/corvella-collbench" "$file" "$COLUMN" --verify >"$BENCH_TMP/verify.txt"
ours_rows=$(awk '$1 == "rows" { print $2 }' "$BENCH_TMP/verify.txt")
peer_rows=$(sqlite3 "$peer" "select [$COLUMN] from kayit order by [$COLUMN]" | wc -l)
if [ "$ours_rows" != "$ROWS" ] || [ "$peer_rows" != "$ROWS" ]; then
    echo "collation.sh: expected $ROWS rows, ours gave $ours_rows and the shell $peer_rows" >&2
    exit 1
fi

wall_ms() {
    local start end
    start=$(now_us)
    "$@" >/dev/null
    end=$(now_us)
    echo $(((end - start) / 1000))
}
: >"$BENCH_TMP/ours.runs"
: >"$BENCH_TMP/qt.runs"
: >"$BENCH_TMP/peer.runs"
for _ in $(seq "$RUNS"); do
    wall_ms "$BIN_DIR/corvella-collbench" "$file" "$COLUMN" >>"$BENCH_TMP/ours.runs"
    wall_ms sqlite3 "$peer" "select [$COLUMN] from kayit order by [$COLUMN]" >>"$BENCH_TMP/peer.runs"
    wall_ms "$BIN_DIR/corvella-collbench" "$file" "$COLUMN" --qt >>"$BENCH_TMP/qt.runs"
done
ours=$(median <"$BENCH_TMP/ours.runs")
qt=$(median <"$BENCH_TMP/qt.runs")
theirs=$(median <"$BENCH_TMP/peer.runs")
r=$(ratio "$ours" "$theirs")

printf 'order %s rows by [%s], median of %d runs (load average %s)\n' "$ROWS" "$COLUMN" "$RUNS" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '  ours (Turkish collation):    %6s ms   runs: %s\n' "$ours" "$(paste -sd' ' "$BENCH_TMP/ours.runs")"
printf '  sqlite3 (byte order):        %6s ms   runs: %s\n' "$theirs" "$(paste -sd' ' "$BENCH_TMP/peer.runs")"
printf '  ours, values through Qt:     %6s ms   runs: %s   ratio %s (no target)\n' "$qt" \
    "$(paste -sd' ' "$BENCH_TMP/qt.runs")" "$(ratio "$qt" "$theirs")"
if within "$r" 1.3; then verdict=ok; else verdict=MISSED; fi
printf '  ratio %s (target <= 1.30: %s)\n' "$r" "$verdict"
within "$r" 1.3
