#!/usr/bin/env bash
# Builds Corvella and starts it on VT/Dorlune.mdb beside the executable, creating a demo contact file first when
# there is none. Without a display the windows are served over VNC on 127.0.0.1, behind a password printed at start.
set -euo pipefail
cd "$(dirname "$0")"

bash tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target corvella corvella-demodata

# The build folder is writable by whoever just built it and is no installed program's, so Corvella keeps its contact
# file beside the executable (README: "Where the contact file lives").
contact_file=build/bin/VT/Dorlune.mdb
if [ ! -f "$contact_file" ]; then
    echo "No contact file yet: creating $contact_file with demo contacts."
    build/bin/corvella-demodata --rows 300 "$contact_file"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display (DISPLAY and WAYLAND_DISPLAY are unset): starting a virtual one."
    exec tools/serve-display.sh build/bin/corvella
fi
exec build/bin/corvella
