#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it with the repository's .clang-format. Checks the
# files given, or else every tracked C++ file (a superset of the changed ones).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -gt 0 ]; then
    files=("$@")
else
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
clang-format --dry-run -Werror "${files[@]}"
echo "clang-format: ${#files[@]} files checked, all formatted"
