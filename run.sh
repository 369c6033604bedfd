#!/usr/bin/env bash
# Installs what is missing, builds the Release editor and starts it.
# Arguments go to the program, so batch commands work without a display:
#   ./run.sh --export-midi out.mid score.sorn
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/ensure-packages.sh"
build="$root/build-release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target sorn-editor >&2
exe="$build/bin/sorn-editor"

batch=0
for arg in "$@"; do
    case "$arg" in -o | --*) batch=1 ;; esac
done
if [[ $batch -eq 0 && -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    cat >&2 <<MSG
There is no display to show the editor on.
  Start it on a desktop session, or under a virtual X server:
    xvfb-run -a ./run.sh [FILE.sorn]
  Batch commands need no display, for example:
    ./run.sh --save-as copy.sorn score.sorn
    ./run.sh --info score.sorn
  All commands: ./run.sh --help
MSG
    exit 2
fi
exec "$exe" "$@"
