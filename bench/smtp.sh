#!/usr/bin/env bash
# 10,000 recipients in 50 messages of 200 blind copies, one connection per message, to postfix's smtp-sink on
# 127.0.0.1: corvella-smtpbench (TNMSMTP) against postfix's `smtp-source -m 50 -r 200`, which makes the same
# exchange (HELO, MAIL, 200 RCPT, DATA, QUIT, no pipelining) per message. Target: within 1.5 times smtp-source's
# wall time.
#
# usage: bench/smtp.sh               (RUNS=7 MESSAGES=50 RECIPIENTS=200 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-7}
MESSAGES=${MESSAGES:-50}
RECIPIENTS=${RECIPIENTS:-200}

for tool in /usr/sbin/smtp-sink /usr/sbin/smtp-source; do
    if [ ! -x "$tool" ]; then
        echo "smtp.sh: $tool is missing; tools/install-deps.sh installs postfix for it" >&2
        exit 1
    fi
done
bench_build corvella-smtpbench
bench_tmp

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
sink_user=()
[ "$(id -u)" -eq 0 ] && sink_user=(-u nobody)
/usr/sbin/smtp-sink "${sink_user[@]}" -c "127.0.0.1:$port" 64 >"$BENCH_TMP/sink.log" 2>&1 &
sink_pid=$!
trap 'kill "$sink_pid" 2>/dev/null; rm -rf "$BENCH_TMP"' EXIT
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.1
done

run_ours() { "$BIN_DIR/corvella-smtpbench" "$port" "$MESSAGES" "$RECIPIENTS"; }
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
for _ in $(seq "$RUNS"); do
    time_ms ours
    time_ms source
done

ours=$(median <"$BENCH_TMP/ours.runs")
peer=$(median <"$BENCH_TMP/source.runs")
slowdown=$(ratio "$ours" "$peer")
printf '%d messages x %d blind copies to smtp-sink, one connection each, median of %d runs\n' \
    "$MESSAGES" "$RECIPIENTS" "$RUNS"
printf '  ours (TNMSMTP):  %6s ms   runs: %s\n' "$ours" "$(tr '\n' ' ' <"$BENCH_TMP/ours.runs")"
printf '  smtp-source:     %6s ms   runs: %s\n' "$peer" "$(tr '\n' ' ' <"$BENCH_TMP/source.runs")"
if within "$slowdown" 1.5; then verdict=ok; else verdict=MISSED; fi
printf '  wall-time ratio %s (target <= 1.50: %s)\n' "$slowdown" "$verdict"
within "$slowdown" 1.5
