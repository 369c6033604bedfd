#!/usr/bin/env bash
# Builds the Release benchmarks and runs them; each prints its figures
# against their peers measured in the same run, and at the end one table
# gathers every figure with its target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/ensure-packages.sh"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DSORN_BENCH=ON -DSORN_TESTS=OFF >/dev/null
benches=(startup_bench file_bench redraw_bench history_bench midi_bench musicxml_bench
         audition_bench print_bench wav_bench export_latency_bench timbre_bench playback_bench
         audio_bench lilypond_bench)
cmake --build "$build" -j2 --target "${benches[@]}" memory_check >&2
table=$(mktemp)
trap 'rm -f "$table"' EXIT
export SORN_BENCH_TABLE="$table"
for bench in "${benches[@]}"; do
    echo "== $bench"
    "$build/bin/$bench" --benchmark_report_aggregates_only=true "$@"
done
echo "== memory"
"$build/bin/memory_check"
echo
echo "== All figures (ms unless stated; ratio = this program / the peer in the same run)"
printf '%-34s %12s %12s %9s %10s %s\n' figure ms "peer ms" ratio target ""
cat "$table"
