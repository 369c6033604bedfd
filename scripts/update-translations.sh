#!/bin/bash
# Brings translations/sorn-editor_en.ts up to date with the texts in src/:
# the window's tr() texts and the core's SORN_TRANSLATE_NOOP-marked ones.
# New entries come in unfinished; translate them before committing.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
"$lupdate" -silent -locations none -no-obsolete \
  -source-language ja -target-language en \
  -tr-function-alias QT_TRANSLATE_NOOP+=SORN_TRANSLATE_NOOP \
  src -ts translations/sorn-editor_en.ts
