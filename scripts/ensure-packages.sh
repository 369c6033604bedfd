#!/usr/bin/env bash
# Installs whatever of scripts/packages.txt is missing. Sourced by run.sh and test.sh.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
missing=()
while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done <"$here/packages.txt"
if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}" >&2
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then
        if command -v sudo >/dev/null; then sudo=sudo; else
            echo "Please install as root: apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi
