#!/usr/bin/env bash
# The auto-mail window's whole run from "Send To List", its per-address log included, for 10,000 listed addresses of
# which 1 % are refused, 200 addresses per mail, against `smtp-source -m 50 -r 200` making the same fifty exchanges of
# one connection each (HELO, MAIL, 200 RCPT, DATA, QUIT). Both talk to the same small server on 127.0.0.1
# (bench/refusing_smtp.py), which refuses the list's 100 addresses that begin with "refused"; smtp-source's own names
# are all accepted, as it gives up at the first refusal. Target: the window's run (from the click on "Send To List" to
# its closing message, log included) within 1.5 times smtp-source's wall time. The whole process of ours (Qt start,
# a new contact file with its maillist of 10,000 rows, the window) is shown beside it.
#
# usage: bench/automail.sh           (RUNS=7 MESSAGES=50 RECIPIENTS=200 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-7}
MESSAGES=${MESSAGES:-50}
RECIPIENTS=${RECIPIENTS:-200}
target=1.5

if [ ! -x /usr/sbin/smtp-source ]; then
    echo "automail.sh: /usr/sbin/smtp-source is missing; tools/install-deps.sh installs postfix for it" >&2
    exit 1
fi
bench_build corvella-automailbench
bench_tmp

coproc SERVER { exec /usr/bin/python3 "$BENCH_DIR/refusing_smtp.py" 2>"$BENCH_TMP/server.log"; }
read -r port <&"${SERVER[0]}"
trap 'exec {SERVER[1]}>&-; wait "$SERVER_PID" 2>/dev/null; rm -rf "$BENCH_TMP"' EXIT

run_ours() {
    "$BIN_DIR/corvella-automailbench" "$port" "$((MESSAGES * RECIPIENTS))" "$RECIPIENTS" 2>>"$BENCH_TMP/ours.log"
}
run_source() {
    /usr/sbin/smtp-source -m "$MESSAGES" -r "$RECIPIENTS" -s 1 -M corvella.bench -f sender@example.com \
        -t recipient@example.com "127.0.0.1:$port"
}
time_ms() {
    local start end
    start=$(now_us)
    "run_$1"
    end=$(now_us)
    echo $(((end - start) / 1000)) >>"$BENCH_TMP/$1.runs"
}

time_ms ours
time_ms source
: >"$BENCH_TMP/ours.runs"
: >"$BENCH_TMP/source.runs"
: >"$BENCH_TMP/ours.log"
for _ in $(seq "$RUNS"); do
    time_ms ours
    time_ms source
done
awk '$1 == "run" { print $2 }' "$BENCH_TMP/ours.log" >"$BENCH_TMP/window.runs"

ours=$(median <"$BENCH_TMP/window.runs")
process=$(median <"$BENCH_TMP/ours.runs")
peer=$(median <"$BENCH_TMP/source.runs")
slowdown=$(ratio "$ours" "$peer")
printf '%d addresses, 1 %% refused, %d a mail, to a refusing server, median of %d runs (load %s)\n' \
    "$((MESSAGES * RECIPIENTS))" "$RECIPIENTS" "$RUNS" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '  ours, the window run:     %6s ms   runs: %s\n' "$ours" "$(tr '\n' ' ' <"$BENCH_TMP/window.runs")"
printf '  ours, the whole process:  %6s ms   runs: %s (ratio %s)\n' "$process" \
    "$(tr '\n' ' ' <"$BENCH_TMP/ours.runs")" "$(ratio "$process" "$peer")"
printf '  smtp-source:              %6s ms   runs: %s\n' "$peer" "$(tr '\n' ' ' <"$BENCH_TMP/source.runs")"
printf '  last run of ours: %s\n' "$(grep -v '^run ' "$BENCH_TMP/ours.log" | tail -n 1)"
if within "$slowdown" "$target"; then verdict=ok; else verdict=MISSED; fi
printf '  wall-time ratio %s (target <= %s: %s)\n' "$slowdown" "$target" "$verdict"
within "$slowdown" "$target"
