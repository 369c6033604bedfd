#!/usr/bin/env bash
# Builds the Release benchmarks and runs them; each prints its figures
# against their peers measured in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSORN_BENCH=ON -DSORN_TESTS=OFF >/dev/null
benches=(startup_bench file_bench redraw_bench midi_bench print_bench wav_bench)
cmake --build "$build" -j2 --target "${benches[@]}" >&2
for bench in "${benches[@]}"; do
    echo "== $bench"
    "$build/bin/$bench" "$@"
done
