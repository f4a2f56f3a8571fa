#!/usr/bin/env bash
# Runs a command on a virtual display that can be watched over VNC from this machine only: Xvfb, plus x11vnc
# listening on 127.0.0.1 and asking for a password made afresh for each run and printed here.
#
# usage: tools/serve-display.sh [--port PORT] COMMAND [ARG...]     (PORT defaults to $CORVELLA_VNC_PORT or 5900)
set -euo pipefail

port=${CORVELLA_VNC_PORT:-5900}
if [ "${1:-}" = "--port" ]; then
    port=$2
    shift 2
fi
[ $# -gt 0 ] || { echo "usage: $0 [--port PORT] COMMAND [ARG...]" >&2; exit 2; }

for tool in Xvfb x11vnc; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run tools/install-deps.sh" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display number itself and writes it to the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=:$(cat "$work/display")

# VNC passwords are 8 characters long; draw them from an alphabet without look-alikes.
password=$(head -c 512 /dev/urandom | LC_ALL=C tr -dc 'abcdefghjkmnpqrstuvwxyzACDEFGHJKLMNPQRSTUVWXYZ2345679')
password=${password:0:8}
x11vnc -storepasswd "$password" "$work/passwd" >/dev/null 2>&1
x11vnc -display "$display" -localhost -rfbport "$port" -rfbauth "$work/passwd" -forever -shared -noxdamage \
    -quiet -o "$work/x11vnc.log" >/dev/null &
pids+=($!)
for _ in $(seq 100); do
    ss -ltnH "sport = :$port" | grep -q . && break
    sleep 0.05
done
ss -ltnH "sport = :$port" | grep -q . || { echo "x11vnc did not listen on port $port:" >&2; cat "$work/x11vnc.log" >&2; exit 1; }

echo "The windows are served over VNC on 127.0.0.1:$port only (for example: vncviewer 127.0.0.1:$port)."
echo "VNC password for this run: $password"
# In the background so that a signal to this script is handled at once, taking the command down with it.
DISPLAY=$display "$@" &
pids+=($!)
status=0
wait $! || status=$?
exit $status
