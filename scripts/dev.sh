#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One entry point for a fresh Debian 12 machine (run as root, or with sudo available):
#   scripts/dev.sh run     install what is missing, build, start the program
#   scripts/dev.sh test    install what is missing, build, run every test (plain and sanitized)
#   scripts/dev.sh bench   build and run the benchmark (pass its options after the word)
#   scripts/dev.sh fuzz [seconds]   build the fuzz targets and run each for that long (default 300)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
          qt6-qpa-plugins libgl-dev fonts-dejavu-core clang libclang-rt-dev)

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

# Runs every fuzz target for $1 seconds, from the seeds in the source tree and the corpus each run
# has grown in build-fuzz/corpus. A crash, a sanitizer report or a broken property stops the run with
# an error; the input that shows it is kept in build-fuzz/artifacts.
fuzz_all() {
    local seconds=$1 target seeds dict
    mkdir -p build-fuzz/artifacts
    for target in linefile xml append templates; do
        case $target in
        linefile | append) seeds=share/db dict=linefile.dict ;;
        xml) seeds=tests/fuzz/seeds/xml dict=xml.dict ;;
        templates) seeds=share/templates dict=templates.dict ;;
        esac
        mkdir -p "build-fuzz/corpus/$target"
        echo "Fuzzing $target for $seconds s"
        local log="build-fuzz/fuzz_$target.log"
        if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
            "./build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=20 \
            -rss_limit_mb=2560 -print_final_stats=1 -dict="tests/fuzz/$dict" \
            -artifact_prefix="build-fuzz/artifacts/$target-" "build-fuzz/corpus/$target" "$seeds" >"$log" 2>&1; then
            tail -n 80 "$log"
            echo "fuzz_$target found a fault; the input is in build-fuzz/artifacts" >&2
            return 1
        fi
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss)' "$log" || true
    done
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
    build fuzz
    with_temp_home fuzz_all 30
    ;;
bench)
    install_missing
    build default
    shift
    ./build/bin/lexivane-bench "$@"
    ;;
fuzz)
    install_missing
    build fuzz
    with_temp_home fuzz_all "${2:-300}"
    ;;
*)
    echo "usage: $0 run|test|bench|fuzz [args]" >&2
    exit 2
    ;;
esac
