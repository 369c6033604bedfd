#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as
# errors, AddressSanitizer and UndefinedBehaviorSanitizer, and runs every
# test. Arguments go to ctest (e.g. ./test.sh -L core).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/ensure-packages.sh"

# Formatting first: it takes a second and names the file to fix. The
# translation check runs in ctest, as "translations", beside "layers".
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git -C "$root" ls-files '*.cpp' '*.h')
else
    mapfile -t sources < <(cd "$root" && find src tests bench fuzz tools -name '*.cpp' -o -name '*.h')
fi
(cd "$root" && clang-format --dry-run -Werror "${sources[@]}")

build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSORN_SANITIZE=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
exec ctest --output-on-failure -j2 "$@"
