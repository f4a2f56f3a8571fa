#!/usr/bin/env bash
# The contact database on a PostgreSQL 15 server of the script's own (a new cluster in the scratch folder, on
# 127.0.0.1 at a free port, stopped and removed at the end), holding 1,000,000 generated contacts loaded with COPY:
#  - the list window's searches, built by the search window's statement builder and opened through the data layer
#    as the list window opens them (count and first page of rows): (a) a company range of about 6 % of the rows,
#    (b) a name range of about half of them. Each is compared with psql running the same statement, as the server
#    receives it, to completion on the same server; the script checks that both count the same rows. Target: within
#    1.5x of psql.
#  - contacts stored one at a time as the main window stores them, by one program and by CLIENTS programs at once
#    (INSERTS each, the same total for one): contacts per second for both; every number must be taken once.
# BENCH_HOLD and BENCH_RELEASE, when set, are commands run just before and after each measured part (to pause other
# work on a shared machine, say).
#
# usage: bench/postgres.sh          (ROWS=1000000 RUNS=3 CLIENTS=8 INSERTS=500 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ROWS=${ROWS:-1000000}
RUNS=${RUNS:-3}
CLIENTS=${CLIENTS:-8}
INSERTS=${INSERTS:-500}
PG_BIN=/usr/lib/postgresql/15/bin

command -v sqlite3 >/dev/null || { echo "postgres.sh: needs the sqlite3 shell (apt-get install sqlite3)" >&2; exit 1; }
[ -x "$PG_BIN/initdb" ] || { echo "postgres.sh: needs PostgreSQL 15 (tools/install-deps.sh)" >&2; exit 1; }
bench_build corvella-demodata corvella-pgbench
bench_tmp

# The cluster belongs to an unprivileged account: the postgres one when run as root.
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    as_owner=(runuser -u postgres --)
    chown postgres:postgres "$BENCH_TMP"
fi
cluster=$BENCH_TMP/cluster
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
held=no
hold() {
    [ -z "${BENCH_HOLD:-}" ] || { held=yes; eval "$BENCH_HOLD" || true; }
}
release() {
    [ "$held" = no ] || { held=no; eval "$BENCH_RELEASE" || true; }
}
finish() {
    release
    [ ! -f "$cluster/postmaster.pid" ] ||
        "${as_owner[@]}" "$PG_BIN/pg_ctl" -D "$cluster" -m immediate -w stop >/dev/null
    rm -rf "$BENCH_TMP"
}
trap finish EXIT
"${as_owner[@]}" "$PG_BIN/initdb" -D "$cluster" -U postgres -A trust --encoding=UTF8 --locale=C.UTF-8 --no-sync \
    >/dev/null
"${as_owner[@]}" "$PG_BIN/pg_ctl" -D "$cluster" -l "$BENCH_TMP/server.log" -w -t 60 \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $BENCH_TMP ${PG_OPTIONS:-}" start >/dev/null
run_psql() {
    local database=$1
    shift
    "$PG_BIN/psql" -X -q -A -t -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U postgres -d "$database" "$@"
}
address() {
    echo "postgresql://postgres@127.0.0.1:$port/$1"
}
new_database() {
    run_psql postgres -c "CREATE DATABASE $1" >/dev/null
    "$BIN_DIR/corvella-pgbench" tables "$(address "$1")"
}

# The contacts: generated into a contact file, then copied over as CSV in one COPY.
generated=$BENCH_TMP/generated.mdb
make_contacts "$generated" "$ROWS"
new_database contacts
load_start=$(now_us)
sqlite3 -csv "$generated" 'select * from kayit order by No' |
    run_psql contacts -c '\copy kayit from stdin with (format csv)'
run_psql contacts -c 'VACUUM ANALYZE kayit'
load_ms=$((($(now_us) - load_start) / 1000))
rm -f "$generated"
printf 'loaded %s contacts in %s ms\n' "$(run_psql contacts -c 'select count(*) from kayit')" "$load_ms"

status=0
for mode in company name; do
    : >"$BENCH_TMP/ours.runs"
    : >"$BENCH_TMP/peer.runs"
    hold
    for _ in $(seq "$RUNS"); do
        "$BIN_DIR/corvella-pgbench" search "$(address contacts)" "$mode" >"$BENCH_TMP/out" ||
            { echo "postgres.sh: $mode: the program failed" >&2; exit 1; }
        awk '$1 == "ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/ours.runs"
        sql=$(sed -n 's/^server_sql //p' "$BENCH_TMP/out")
        start=$(now_us)
        run_psql contacts -c "$sql" >/dev/null
        end=$(now_us)
        echo $(((end - start) / 1000)) >>"$BENCH_TMP/peer.runs"
    done
    release
    rows=$(awk '$1 == "rows" { print $2 }' "$BENCH_TMP/out")
    peer_rows=$(run_psql contacts -c "select count(*) from ($sql) q")
    if [ "$rows" != "$peer_rows" ]; then
        echo "postgres.sh: $mode: ours listed $rows rows, psql $peer_rows" >&2
        exit 1
    fi
    ours=$(median <"$BENCH_TMP/ours.runs")
    theirs=$(median <"$BENCH_TMP/peer.runs")
    r=$(ratio "$ours" "$theirs")
    if within "$r" 1.5; then verdict=ok; else verdict=MISSED; status=1; fi
    printf '%-8s %8s rows  ours %6s ms  psql %6s ms  ratio %s (<= 1.50): %s\n' "$mode" "$rows" "$ours" "$theirs" \
        "$r" "$verdict"
done

# insert_rate DATABASE PROGRAMS EACH: contacts per second of PROGRAMS programs storing EACH contacts at once.
insert_rate() {
    local database=$1 programs=$2 each=$3 start end p pids=() status
    new_database "$database"
    start=$(now_us)
    for p in $(seq "$programs"); do
        "$BIN_DIR/corvella-pgbench" insert "$(address "$database")" "$each" "$p" >/dev/null &
        pids+=($!)
    done
    for p in "${pids[@]}"; do
        status=0
        wait "$p" || status=$?
        [ "$status" -eq 0 ] || { echo "postgres.sh: a program storing contacts ended with status $status" >&2; return 1; }
    done
    end=$(now_us)
    local numbers
    numbers=$(run_psql "$database" -c 'select count(distinct "No") from kayit')
    [ "$numbers" = $((programs * each)) ] || {
        echo "postgres.sh: $programs programs stored $((programs * each)) contacts under $numbers numbers" >&2
        return 1
    }
    awk -v n=$((programs * each)) -v us=$((end - start)) 'BEGIN { printf "%.0f", n * 1e6 / us }'
}
hold
single=$(insert_rate one 1 $((CLIENTS * INSERTS)))
release
hold
several=$(insert_rate several "$CLIENTS" "$INSERTS")
release
printf 'inserts  %s contacts: 1 program %s/s, %s programs at once %s/s (ratio %s)\n' $((CLIENTS * INSERTS)) \
    "$single" "$CLIENTS" "$several" "$(ratio "$several" "$single")"
printf 'load average %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
