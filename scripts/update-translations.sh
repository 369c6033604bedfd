#!/usr/bin/env bash
# Brings translations/sorn-editor_en.ts up to date with the texts of src/:
# every tr()/translate() of the interface and every SORN_TRANSLATE_NOOP of
# the core. New texts arrive unfinished; translate them (Qt Linguist or by
# hand) before committing: scripts/check-translations.sh fails on them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
cd "$root"
"$lupdate" -locations none -no-ui-lines -source-language ja -target-language en \
    -tr-function-alias QT_TRANSLATE_NOOP+=SORN_TRANSLATE_NOOP \
    src -ts translations/sorn-editor_en.ts "$@"
