#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/ensure-packages.sh"
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSORN_SANITIZE=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
exec ctest --output-on-failure -j2 "$@"
