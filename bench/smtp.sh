#!/usr/bin/env bash
# 10,000 recipients in 50 messages of 200 blind copies, one connection per message, to postfix's smtp-sink on
# 127.0.0.1: corvella-smtpbench (TNMSMTP) against postfix's `smtp-source -m 50 -r 200`, which makes the same
# exchange (HELO, MAIL, 200 RCPT, DATA, QUIT, no pipelining) per message. Target: within 1.5 times smtp-source's
# wall time. With SMTP_CLIENT=automail (what bench/automail.sh sets) the client is the auto-mail window's whole run
# from "Send To List" instead, with a target of 2 times. With SMTP_CLIENT=automail-pipelining (bench/pipelining.sh)
# the window logs in, which makes the session an EHLO one, and sends each batch's envelope pipelined, as smtp-sink
# announces PIPELINING; the target is then to beat smtp-source (ratio below 1).
#
# usage: bench/smtp.sh               (RUNS=7 MESSAGES=50 RECIPIENTS=200 by default)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

RUNS=${RUNS:-7}
MESSAGES=${MESSAGES:-50}
RECIPIENTS=${RECIPIENTS:-200}
SMTP_CLIENT=${SMTP_CLIENT:-component}
if [ "$SMTP_CLIENT" = automail ]; then
    program=corvella-automailbench label="auto-mail" target=2 how="from the auto-mail window"
elif [ "$SMTP_CLIENT" = automail-pipelining ]; then
    program=corvella-automailbench label="auto-mail" target=0.99 how="from the auto-mail window, pipelined"
else
    program=corvella-smtpbench label="TNMSMTP" target=1.5 how="one connection each"
fi

for tool in /usr/sbin/smtp-sink /usr/sbin/smtp-source; do
    if [ ! -x "$tool" ]; then
        echo "smtp.sh: $tool is missing; tools/install-deps.sh installs postfix for it" >&2
        exit 1
    fi
done
bench_build "$program"
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

run_ours() {
    if [ "$SMTP_CLIENT" = automail ]; then
        "$BIN_DIR/$program" "$port" "$((MESSAGES * RECIPIENTS))" "$RECIPIENTS"
    elif [ "$SMTP_CLIENT" = automail-pipelining ]; then
        "$BIN_DIR/$program" "$port" "$((MESSAGES * RECIPIENTS))" "$RECIPIENTS" pipelining
    else
        "$BIN_DIR/$program" "$port" "$MESSAGES" "$RECIPIENTS"
    fi
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
for _ in $(seq "$RUNS"); do
    time_ms ours
    time_ms source
done

ours=$(median <"$BENCH_TMP/ours.runs")
peer=$(median <"$BENCH_TMP/source.runs")
slowdown=$(ratio "$ours" "$peer")
printf '%d messages x %d blind copies to smtp-sink, %s, median of %d runs\n' \
    "$MESSAGES" "$RECIPIENTS" "$how" "$RUNS"
printf '  ours (%s): %6s ms   runs: %s\n' "$label" "$ours" "$(tr '\n' ' ' <"$BENCH_TMP/ours.runs")"
printf '  smtp-source:     %6s ms   runs: %s\n' "$peer" "$(tr '\n' ' ' <"$BENCH_TMP/source.runs")"
if within "$slowdown" "$target"; then verdict=ok; else verdict=MISSED; fi
printf '  wall-time ratio %s (target <= %s: %s)\n' "$slowdown" "$target" "$verdict"
within "$slowdown" "$target"
