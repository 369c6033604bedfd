#!/usr/bin/env bash
# Rewrites the golden recordings of tests/golden/ from the current drawing
# code, after a deliberate change to it; review them with `git diff tests/golden`.
# Builds the golden test alone, in the test build folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-test"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    "$root/scripts/ensure-packages.sh"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSORN_SANITIZE=ON >/dev/null
fi
cmake --build "$build" -j2 --target golden_tests
SORN_UPDATE_GOLDEN=1 "$build/bin/golden_tests" --gtest_brief=1
git -C "$root" status --short -- tests/golden || true
