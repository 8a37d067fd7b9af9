#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One entry point for a fresh Debian 12 machine (run as root, or with sudo available):
#   scripts/dev.sh run     install what is missing, build, start the program
#   scripts/dev.sh test    install what is missing, build, run every test (plain and sanitized)
#   scripts/dev.sh bench   build and run the benchmark (pass its options after the word)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
          qt6-qpa-plugins libgl-dev fonts-dejavu-core libxml2-utils)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "${JOBS:-$(nproc)}"
}

# Tests get a throw-away home so they never see the user's settings or documents.
with_temp_home() {
    local home
    home=$(mktemp -d)
    trap 'rm -rf "$home"' RETURN
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/.run" XDG_STATE_HOME="$home/.local/state" \
        QT_QPA_PLATFORM=offscreen "$@"
}

case "${1:-}" in
run)
    install_missing
    build default
    shift
    exec ./build/bin/lexivane "$@"
    ;;
test)
    install_missing
    build default
    with_temp_home ctest --preset default
    build asan
    with_temp_home ctest --preset asan
    ;;
bench)
    install_missing
    build default
    shift
    ./build/bin/lexivane-bench "$@"
    ;;
*)
    echo "usage: $0 run|test|bench [args]" >&2
    exit 2
    ;;
esac
