#!/usr/bin/env bash
# Contacts in and out through the command line, on 1,000,000 generated contacts:
#  - export to CSV (`corvella export`) against the sqlite3 shell's `-csv` output of the same columns;
#  - import of that CSV into a new contact file (`corvella import --on-duplicate add`, so both store every row)
#    against the shell's `.import` into a copy of the same schema;
#  - peak memory of the import with duplicates looked up (the default), at SMALL rows and at ROWS.
# Targets: export and import within 1.5x of the shell; the import's peak memory at ROWS within 50 MB of SMALL.
#
# usage: bench/exchange.sh          (ROWS=1000000 SMALL=100000 RUNS=3 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ROWS=${ROWS:-1000000}
SMALL=${SMALL:-100000}
RUNS=${RUNS:-3}

command -v sqlite3 >/dev/null || { echo "exchange.sh: needs the sqlite3 shell (apt-get install sqlite3)" >&2; exit 1; }
need_gnu_time
bench_build corvella corvella-demodata
bench_tmp
source_db=$BENCH_TMP/source.db
csv=$BENCH_TMP/contacts.csv
make_contacts "$source_db" "$ROWS"
# The peer's schema: the same tables without the collation the shell does not have.
sqlite3 "$source_db" .schema | sed 's/ COLLATE TR_NOCASE//g' >"$BENCH_TMP/schema.sql"

# time_into RUNS OUT COMMAND...: runs the command with its standard output in OUT and appends its wall time in
# milliseconds to RUNS.
time_into() {
    local runs=$1 out=$2 start end
    shift 2
    start=$(now_us)
    "$@" >"$out"
    end=$(now_us)
    echo $(((end - start) / 1000)) >>"$runs"
}

new_contact_file() {
    rm -f "$1"
    "$BIN_DIR/corvella-demodata" --rows 0 "$1" >/dev/null
}

status=0
report() { # name ours theirs
    local r verdict
    r=$(ratio "$2" "$3")
    if within "$r" 1.5; then verdict=ok; else verdict=MISSED; status=1; fi
    printf '%-7s %8s rows  ours %6s ms  sqlite3 %6s ms  ratio %s (<= 1.50): %s\n' "$1" "$ROWS" "$2" "$3" "$r" "$verdict"
}

: >"$BENCH_TMP/ours.runs"
: >"$BENCH_TMP/peer.runs"
for _ in $(seq "$RUNS"); do
    time_into "$BENCH_TMP/ours.runs" /dev/null "$BIN_DIR/corvella" --file "$source_db" export --out "$csv"
    time_into "$BENCH_TMP/peer.runs" "$BENCH_TMP/peer.csv" sqlite3 -csv -header "$source_db" \
        "SELECT * FROM kayit ORDER BY [No]"
done
report export "$(median <"$BENCH_TMP/ours.runs")" "$(median <"$BENCH_TMP/peer.runs")"

: >"$BENCH_TMP/ours.runs"
: >"$BENCH_TMP/peer.runs"
for _ in $(seq "$RUNS"); do
    new_contact_file "$BENCH_TMP/ours.db"
    time_into "$BENCH_TMP/ours.runs" /dev/null "$BIN_DIR/corvella" --file "$BENCH_TMP/ours.db" import "$csv" \
        --on-duplicate add
    rm -f "$BENCH_TMP/peer.db"
    sqlite3 "$BENCH_TMP/peer.db" <"$BENCH_TMP/schema.sql"
    time_into "$BENCH_TMP/peer.runs" /dev/null sqlite3 "$BENCH_TMP/peer.db" ".import --csv --skip 1 $csv kayit"
done
report import "$(median <"$BENCH_TMP/ours.runs")" "$(median <"$BENCH_TMP/peer.runs")"
# Every row is stored but those with no name, surname, company or e-mail, which the import refuses.
nameless=$(sqlite3 "$BENCH_TMP/peer.db" "SELECT count(*) FROM kayit WHERE trim(Ad) = '' AND trim(Soyad) = ''
                                         AND trim([E-mail]) = '' AND trim([Firma Adi]) = ''")
[ "$(sqlite3 "$BENCH_TMP/ours.db" 'SELECT count(*) FROM kayit')" = "$((ROWS - nameless))" ] ||
    { echo "exchange.sh: the import did not store every row" >&2; status=1; }

peak_kb() { # rows: the import's peak resident set with duplicates looked up
    head -n $(($1 + 1)) "$csv" >"$BENCH_TMP/part.csv"
    new_contact_file "$BENCH_TMP/memory.db"
    /usr/bin/time -f '%M' -o "$BENCH_TMP/time.out" "$BIN_DIR/corvella" --file "$BENCH_TMP/memory.db" import \
        "$BENCH_TMP/part.csv" >/dev/null
    cat "$BENCH_TMP/time.out"
}
small_kb=$(peak_kb "$SMALL")
: >"$BENCH_TMP/large.runs"
time_into "$BENCH_TMP/large.runs" "$BENCH_TMP/large.kb" peak_kb "$ROWS"
large_kb=$(cat "$BENCH_TMP/large.kb")
large_ms=$(cat "$BENCH_TMP/large.runs")
growth_mb=$(((large_kb - small_kb) / 1024))
if [ "$growth_mb" -le 50 ]; then verdict=ok; else verdict=MISSED; status=1; fi
printf 'memory  import with duplicates looked up: %s MB at %s rows, %s MB at %s rows (%s ms); growth %s MB (<= 50): %s\n' \
    $((small_kb / 1024)) "$SMALL" $((large_kb / 1024)) "$ROWS" "$large_ms" "$growth_mb" "$verdict"
exit $status
