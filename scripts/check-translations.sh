#!/usr/bin/env bash
# Fails when the English interface could rot (run by ctest as "translations"
# and by test.sh):
#  1. lupdate finds a text of src/ that translations/sorn-editor_en.ts does
#     not translate (a new or changed text: run scripts/update-translations.sh
#     and translate it);
#  2. a Japanese string literal in src/ is not the argument of tr(),
#     translate(), QT_TRANSLATE_NOOP() or SORN_TRANSLATE_NOOP(), and is not
#     allowed by scripts/translation-allowed.txt (words of the score itself or
#     of a file format, the language menu's own names).
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
failures=0

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$root/translations/sorn-editor_en.ts" "$scratch/check.ts"
(cd "$root" && "$lupdate" -silent -locations none -no-ui-lines -source-language ja \
    -target-language en -tr-function-alias QT_TRANSLATE_NOOP+=SORN_TRANSLATE_NOOP \
    src -ts "$scratch/check.ts")
unfinished=$(grep -c 'type="unfinished"' "$scratch/check.ts" || true)
if ((unfinished > 0)); then
    echo "translations: $unfinished text(s) of src/ without an English translation:" >&2
    grep -B2 'type="unfinished"' "$scratch/check.ts" | grep -o '<source>.*' | head -20 >&2
    echo "  run scripts/update-translations.sh and translate them" >&2
    failures=$((failures + 1))
fi

python3 - "$root" <<'PY' || failures=$((failures + 1))
import pathlib, re, sys
root = pathlib.Path(sys.argv[1])
japanese = re.compile(r'[\u3040-\u30ff\u3400-\u9fff\uff00-\uffef\u3000-\u303f]')
literal = re.compile(r'(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"')
# An opening that makes the literal after it a translated text.
marker = re.compile(r'(?:\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP|SORN_TRANSLATE_NOOP)\s*\(\s*'
                    r'(?:"(?:[^"\\]|\\.)*"\s*,\s*)?$')
allowed = []
for line in (root / 'scripts/translation-allowed.txt').read_text(encoding='utf-8').splitlines():
    line = line.strip()
    if line and not line.startswith('#'):
        path, _, text = line.partition(' ')
        allowed.append((path, text.strip()))

def strip_comments(code):
    # Comments become blanks of the same length, so offsets and lines hold.
    out, i, n = [], 0, len(code)
    while i < n:
        if code.startswith('//', i):
            j = code.find('\n', i)
            j = n if j < 0 else j
            out.append(' ' * (j - i)); i = j
        elif code.startswith('/*', i):
            j = code.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r'[^\n]', ' ', code[i:j])); i = j
        elif code[i] == '"':
            m = literal.match(code, i)
            j = m.end() if m else i + 1
            out.append(code[i:j]); i = j
        elif code[i] == "'":
            m = re.compile(r"'(?:[^'\\\n]|\\.)*'").match(code, i)
            j = m.end() if m else i + 1
            out.append(code[i:j]); i = j
        else:
            out.append(code[i]); i += 1
    return ''.join(out)

found = 0
for path in sorted((root / 'src').rglob('*')):
    if path.suffix not in ('.cpp', '.h', '.in'):
        continue
    rel = path.relative_to(root).as_posix()
    code = strip_comments(path.read_text(encoding='utf-8'))
    for m in literal.finditer(code):
        text = m.group(0)
        if not japanese.search(text):
            continue
        # Adjacent literals are one text: look back over the ones before it.
        start = m.start()
        before = code[:start]
        while True:
            prev = re.search(r'"(?:[^"\\\n]|\\.)*"\s*$', before)
            if not prev or marker.search(before):
                break
            before = before[:prev.start()]
        if marker.search(before):
            continue
        if any(rel == p and (not t or t in text) for p, t in allowed):
            continue
        line = code.count('\n', 0, start) + 1
        print(f'{rel}:{line}: Japanese text outside a translation: {text[:60]}', file=sys.stderr)
        found += 1
if found:
    print(f'translations: {found} Japanese literal(s) bypass translation; mark them, or allow '
          'words of the score or of a file format in scripts/translation-allowed.txt',
          file=sys.stderr)
    sys.exit(1)
PY
exit $((failures > 0))
