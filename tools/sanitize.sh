#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs the whole suite there. Run it
# before resolving work that touches buffers, sockets or parsers. Extra arguments go to ctest (e.g. -R smtp).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVELLA_SANITIZE=ON >/dev/null
cmake --build build-asan
cd build-asan
# Qt and fontconfig keep some allocations for the life of the process; leaks are not what this run is after.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 "$@"
