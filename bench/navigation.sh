#!/usr/bin/env bash
# Cursor moves on a file of 1,000,000 contacts: opening the contact table, last, first and locating a record number
# near the end, through the program's data set against the sqlite3 shell running the equivalent statements.
#
# usage: bench/navigation.sh         (ROWS=1000000 REPEATS=100 SESSIONS=7 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ROWS=${ROWS:-1000000}
REPEATS=${REPEATS:-100}   # moves per kind in our program; the median is reported
SESSIONS=${SESSIONS:-7}   # sqlite3 sessions per statement; the median is used
BATCH=${BATCH:-500}       # statements per sqlite3 session

command -v sqlite3 >/dev/null || { echo "navigation.sh: needs the sqlite3 shell (apt-get install sqlite3)" >&2; exit 1; }
bench_build corvella-demodata corvella-navbench
bench_tmp
file=$BENCH_TMP/contacts.mdb
make_contacts "$file" "$ROWS"

"$BIN_DIR/corvella-navbench" "$file" "$REPEATS" >"$BENCH_TMP/ours.txt"
ours() { awk -v k="$1" '$1 == k { print $2 }' "$BENCH_TMP/ours.txt"; }
target=$(ours locate_target)

# The shell's cost of one statement: sessions running BATCH copies of it, less a session running none (process
# start, opening the file), divided by BATCH.
session_us() {
    local script=$1 start end
    start=$(now_us)
    sqlite3 -batch "$file" <"$script" >/dev/null
    end=$(now_us)
    echo $((end - start))
}
per_statement_us() {
    local statement=$2 script=$BENCH_TMP/$1.sql base full
    : >"$BENCH_TMP/empty.sql"
    for _ in $(seq "$BATCH"); do printf '%s\n' "$statement"; done >"$script"
    session_us "$script" >/dev/null # warm-up
    base=$(for _ in $(seq "$SESSIONS"); do session_us "$BENCH_TMP/empty.sql"; done | median)
    full=$(for _ in $(seq "$SESSIONS"); do session_us "$script"; done | median)
    awk -v f="$full" -v b="$base" -v n="$BATCH" 'BEGIN { v = (f - b) / n; printf "%.1f", (v > 0.1) ? v : 0.1 }'
}

# The data set reads a block of 64 rows around the cursor, so the shell is timed both for the single row the move
# shows and for the block the data set actually reads.
declare -A one=(
    [open]=".open '$file'
select * from kayit order by rowid limit 1;"
    [last]="select * from kayit order by rowid desc limit 1;"
    [first]="select * from kayit order by rowid limit 1;"
    [locate]="select * from kayit where No = $target;"
)
declare -A block=(
    [open]=".open '$file'
select rowid, * from kayit order by rowid limit 64;"
    [last]="select rowid, * from kayit order by rowid desc limit 64;"
    [first]="select rowid, * from kayit order by rowid limit 64;"
    [locate]="select rowid from kayit where No = $target order by rowid limit 1; select rowid, * from kayit where rowid >= $target order by rowid limit 64;"
)

printf 'navigation on %s contacts (locate No %s); microseconds per move\n' "$(ours rows)" "$target"
printf '  %-7s %10s %14s %8s %16s %8s\n' move ours "sqlite3 1 row" ratio "sqlite3 64 rows" ratio
for move in open last first locate; do
    mine=$(ours "${move}_us")
    peer_one=$(per_statement_us "${move}_1" "${one[$move]}")
    peer_block=$(per_statement_us "${move}_64" "${block[$move]}")
    printf '  %-7s %10s %14s %8s %16s %8s\n' "$move" "$mine" "$peer_one" "$(ratio "$mine" "$peer_one")" \
        "$peer_block" "$(ratio "$mine" "$peer_block")"
done
