#!/usr/bin/env bash
# The display served for a machine without one must be reachable from this machine only, and only with the
# password: every listening socket on the port is a loopback one, and the VNC handshake offers no access without
# authentication.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
log=$(mktemp)
"$root/tools/serve-display.sh" --port "$port" sleep 60 >"$log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true; rm -f "$log"' EXIT

for _ in $(seq 200); do
    grep -q 'VNC password' "$log" && break
    kill -0 $server 2>/dev/null || { cat "$log"; echo "FAIL: the display did not start"; exit 1; }
    sleep 0.05
done
grep -q 'VNC password for this run: .\{8\}$' "$log" || { cat "$log"; echo "FAIL: no password printed"; exit 1; }

addresses=$(ss -ltnH "sport = :$port" | awk '{print $4}')
[ -n "$addresses" ] || { echo "FAIL: nothing listens on $port"; exit 1; }
for address in $addresses; do
    case $address in
    127.0.0.1:"$port" | "[::1]:$port") ;;
    *) echo "FAIL: port $port is open on $address"; exit 1 ;;
    esac
done

# RFB 3.8: the server names the security types it accepts; 1 would be "None".
types=$(/usr/bin/python3 - "$port" <<'PY'
import socket, sys
with socket.create_connection(("127.0.0.1", int(sys.argv[1])), timeout=10) as s:
    version = s.recv(12)
    assert version.startswith(b"RFB "), version
    s.sendall(b"RFB 003.008\n")
    count = s.recv(1)[0]
    print(" ".join(str(t) for t in s.recv(count)))
PY
)
echo "listening on: $addresses; security types offered: $types"
[ -n "$types" ] && [[ " $types " != *" 1 "* ]] || { echo "FAIL: the server lets a viewer in without a password"; exit 1; }
echo "PASS"
