#!/usr/bin/env bash
# Builds one libFuzzer target with clang and runs it on one core.
#
#   fuzz/run.sh TARGET [SECONDS]   fuzz TARGET for SECONDS (default 600), starting
#                                  from fuzz/corpus/TARGET; new inputs go to
#                                  build-fuzz/corpus/TARGET, crashes to
#                                  build-fuzz/findings/TARGET/
#   fuzz/run.sh --merge TARGET     add to fuzz/corpus/TARGET only those new inputs
#                                  that reach code the corpus does not (smallest
#                                  first)
#
# Targets: fuzz_score_reader, fuzz_exports, fuzz_hki2, fuzz_musicxml.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

merge=0
if [[ ${1:-} == --merge ]]; then
  merge=1
  shift
fi
target=${1:?usage: fuzz/run.sh TARGET [SECONDS] | fuzz/run.sh --merge TARGET}
seconds=${2:-600}
corpus="$root/fuzz/corpus/$target"
[[ -d $corpus ]] || { echo "no corpus folder $corpus" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DSORN_FUZZ=ON -DSORN_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "$target" -j1

work="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$work" "$findings"
# The largest score seed (256 parts) is under 9 KB. Timbres go past their
# line limit (1024 lines of about 16 bytes); the longest accepted one loads
# in a tenth of a second, some seconds with the fuzzer's instrumentation, so
# an input slower than that is a finding.
if [[ $target == fuzz_hki2 ]]; then
  options=(-max_len=65536 -dict="$root/fuzz/hki2.dict" -timeout=30)
elif [[ $target == fuzz_musicxml ]]; then
  # The example seeds are up to 34 KB of MusicXML.
  options=(-max_len=40000 -dict="$root/fuzz/musicxml.dict" -timeout=10)
else
  options=(-max_len=10000 -dict="$root/fuzz/score.dict" -timeout=10)
fi
options+=(-rss_limit_mb=2048)

if ((merge)); then
  # Edges only: counting how often each runs would keep hundreds of files.
  exec "$build/bin/$target" -merge=1 -use_counters=0 "${options[@]}" "$corpus" "$work"
fi

# With -jobs the run writes fuzz-0.log into the current folder and prints
# it when it ends.
cd "$findings"
exec "$build/bin/$target" "${options[@]}" -max_total_time="$seconds" -jobs=1 -workers=1 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$corpus"
