#!/usr/bin/env bash
# From "&View " to the list window shown with its count and first rows, on 1,000,000 contacts in a file made by the
# stock sqlite3 shell (the contact table's columns with no collation), for three searches: (a) nothing ticked, (b) a
# company range of about 6 % of the rows, (c) a name range of about half of them. The program compares the Turkish
# way whatever the file declares. Each search is compared with the sqlite3 shell running the same statement to
# completion on a copy whose text columns are folded to a key that byte order sorts the Turkish way (and the
# statement's bounds folded alike), so both select the same rows in the same order; the script checks the counts.
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
generated=$BENCH_TMP/generated.mdb
file=$BENCH_TMP/program/VT/Dorlune.mdb
peer=$BENCH_TMP/peer.db
make_contacts "$generated" "$ROWS"

# The program's file as the shell makes it: the same tables and columns, declared without a collation.
sqlite3 "$generated" .schema | sed -E 's/ COLLATE [A-Za-z_]+//g' >"$BENCH_TMP/schema.sql"
sqlite3 "$file" <"$BENCH_TMP/schema.sql"
sqlite3 "$file" "attach '$generated' as source;
                 insert into kayit select * from source.kayit; insert into YAYAR select * from source.YAYAR;"
rm -f "$generated"

# fold_sql EXPR: EXPR as a text that byte order sorts as the Turkish collation sorts the generated names. Capitals
# become small letters (I becomes ı, İ becomes i); each Turkish letter becomes its base letter followed by U+10FFFF,
# whose bytes follow every character of the names, so that c < ç < d, g < ğ < h, h < ı < i, o < ö < p, s < ş < t and
# u < ü < v; each accented foreign letter becomes its base letter followed by U+10FFFE, just after the base letter
# and before a Turkish letter on the same base (o < ó < ö). Letters with no base letter (ø, ł) follow z by their
# code, as in the collation.
fold_sql() {
    local e="replace(replace($1, 'I', 'ı'), 'İ', 'i')" pair
    for pair in Ç:ç Ğ:ğ Ö:ö Ş:ş Ü:ü É:é Ó:ó Ø:ø Ł:ł; do
        e="replace($e, '${pair%%:*}', '${pair##*:}')"
    done
    e="lower($e)"
    for pair in ç:c ğ:g ı:h ö:o ş:s ü:u; do
        e="replace($e, '${pair%%:*}', '${pair##*:}' || char(1114111))"
    done
    for pair in á:a ä:a é:e è:e ë:e í:i ó:o; do
        e="replace($e, '${pair%%:*}', '${pair##*:}' || char(1114110))"
    done
    printf '%s' "$e"
}
columns=$(sqlite3 "$file" "select name from pragma_table_info('kayit')" | while IFS= read -r name; do
    if [ "$name" = No ]; then printf '[No], '; else printf '%s as [%s], ' "$(fold_sql "[$name]")" "$name"; fi
done)
sqlite3 "$peer" "attach '$file' as source; create table kayit as select ${columns%, } from source.kayit;"
# The program's statement with each text literal folded as the peer's columns are.
peer_statement() {
    FOLDED=$(fold_sql @@) perl -pe 's/(\x27(?:[^\x27]|\x27\x27)*\x27)/my $l = $1; (my $f = $ENV{FOLDED}) =~ s{\@\@}{$l}; $f/ge'
}

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
        sql=$(sed -n 's/^sql //p' "$BENCH_TMP/out" | peer_statement)
        start=$(now_us)
        sqlite3 "$peer" "$sql" >/dev/null
        end=$(now_us)
        echo $(((end - start) / 1000)) >>"$BENCH_TMP/peer.runs"
    done
    rows=$(awk '$1 == "rows" { print $2 }' "$BENCH_TMP/out")
    peer_rows=$(sqlite3 "$peer" "select count(*) from ($sql)")
    if [ "$rows" != "$peer_rows" ]; then
        echo "search.sh: $mode: ours listed $rows rows, the shell $peer_rows" >&2
        exit 1
    fi
    ours=$(median <"$BENCH_TMP/ours.runs")
    theirs=$(median <"$BENCH_TMP/peer.runs")
    r=$(ratio "$ours" "$theirs")
    extra_mb=$((extra_kb / 1024))
    if within "$r" 1.5 && [ "$extra_mb" -lt 200 ]; then verdict=ok; else verdict=MISSED; status=1; fi
    printf '%-8s %8s rows  ours %6s ms  sqlite3 %6s ms  ratio %s (<= 1.50)  extra memory %s MB (< 200): %s\n' \
        "$mode" "$rows" "$ours" "$theirs" "$r" "$extra_mb" "$verdict"
done
printf 'load average %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
