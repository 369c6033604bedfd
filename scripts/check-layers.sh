#!/usr/bin/env bash
# The layer rule, checked on the includes of src/ (run by ctest as "layers"):
#   model                    includes only model
#   layout, render, print,   include only the core (model, layout, render, print,
#   sound, interchange       sound, interchange)
#   the core                 no Qt header, nothing of app, dialogs or platform
#   platform                 never app or dialogs
#   dialogs                  never app
# and the writer rule: a writable SornData (a non-const reference or pointer)
# appears only in the files of the edit path and the file commands below.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root/src"

# Files that may hold the document writable.
writers=(
    app/Editing.h app/Editing.cpp   # the edit path
    app/EditHistory.h app/EditHistory.cpp model/DocumentChange.h model/DocumentChange.cpp # undo
    app/Form1.h                     # the window owns the document
    app/MdMain.cpp app/Batch.cpp    # the file commands: new, open, save
    app/Recovery.cpp                # restoring a recovery copy
    model/SornData.h model/SornData.cpp model/ScoreFile.cpp
    model/ScoreWordsFile.h model/ScoreWordsFile.cpp # the words of a score file
    interchange/MusicXmlImport.h interchange/MusicXmlImport.cpp # open a MusicXML file
)

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

# Prints "file:line:folder" for every project include and "file:line:<Q" for Qt ones.
includes() {
    grep -HnoE '^#include ["<][^">]+' "$@" | sed -E 's/#include "([a-z]+)\/.*/\1/; s/#include <(Q).*/<\1/; s/#include ["<].*//'
}

# allowed_folders FOLDER... checks every include of the files in FOLDER.
check() {
    local folder=$1
    shift
    local allowed=" $* "
    local line file dep
    while IFS= read -r line; do
        dep=${line##*:}
        file=${line%%:*}
        [[ -z "$dep" ]] && continue
        [[ "$allowed" == *" $dep "* ]] && continue
        fail "$file includes ${dep/<Q/a Qt header}: $folder may include only${allowed//<Q/Qt}"
    done < <(includes $(find "$folder" -name '*.h' -o -name '*.cpp' -o -name '*.in' | sort))
}

core="model layout render print sound interchange"
check model model
check layout $core
check render $core
check print $core
check sound $core
check interchange $core
check platform $core platform "<Q"
check dialogs $core platform dialogs "<Q"

while IFS= read -r hit; do
    file=${hit%%:*}
    [[ " ${writers[*]} " == *" $file "* ]] && continue
    fail "$hit: a writable SornData outside the edit path and the file commands"
done < <(grep -rnP '(?<!const )\bSornData\s*[&*]' --include='*.h' --include='*.cpp' . |
    sed 's#^\./##')

if ((failures)); then
    echo "$failures layer rule violations" >&2
    exit 1
fi
echo "layers: every include points down, the document is written only where allowed"
