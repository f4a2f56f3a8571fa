#!/usr/bin/env bash
# Builds Corvella with its tests and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")"

bash tools/install-deps.sh
werror=OFF
if [ -n "${CI:-}" ]; then
    werror=ON
fi
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVELLA_WERROR=$werror >/dev/null
cmake --build build-test
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
