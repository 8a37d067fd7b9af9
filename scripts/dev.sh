#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One entry point for a fresh Debian 12 machine (run as root, or with sudo available):
#   scripts/dev.sh run     install what is missing, build, start the program
#   scripts/dev.sh test    install what is missing, check the formatting, build, run every test (plain
#                          and sanitized), build the Debian package and check it
#   scripts/dev.sh package install what is missing, build, make the Debian package in build/package/
#   scripts/dev.sh bench   build and run the benchmark (pass its options after the word)
#   scripts/dev.sh fuzz [seconds]  build the fuzz targets and run each for that long (default 300)
#   scripts/dev.sh fuzzcheck  build the fuzz targets and run each over a fixed number of inputs from a
#                          fixed seed (about 10 s each), so that a fault found is found again
#   scripts/dev.sh screenshots  build, then redraw dist/screenshots/ with the program on a virtual screen
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ lld pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
          qt6-qpa-plugins libgl-dev fonts-dejavu-core
          # translations: lupdate/lrelease, their CMake functions, Qt's own translations
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          # the Debian package (dependency scan) and the checks of what it installs
          dpkg-dev file appstream desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin inotify-tools
          clang-format
          # the fuzz targets (libFuzzer comes with clang's runtime libraries)
          clang libclang-rt-dev
          # reading the PDF worksheets back in the tests
          poppler-utils
          # the browser test of the interactive web page, and its HTML5 check
          chromium chromium-driver python3 python3-selenium tidy
          # well-formedness of the Moodle XML files; validity of the help pages and the XHTML
          # worksheets against the XHTML DTDs of the XML catalog
          libxml2-utils w3c-sgml-lib
          # LibreOffice reads the RTF worksheets back in the tests
          libreoffice-writer-nogui
          # sentences found in a teacher's text: PDF through poppler, word stems through Snowball
          libpoppler-qt6-dev libstemmer-dev
          # the first window under a real window manager on a virtual screen
          xvfb openbox
          # the H5P and SCORM packages are ZIP archives
          libzip-dev
          # spelling: hunspell and the dictionaries of the starter databases' and the program's languages
          libhunspell-dev hunspell-en-us hunspell-en-gb hunspell-en-ca hunspell-de-de hunspell-fr hunspell-es
          # the SCORM runtime of the browser test comes from the npm registry
          nodejs)
# Debian's npm, unless a Node.js from elsewhere brought its own.
command -v npm >/dev/null || packages+=(npm)
# Only for redrawing the screenshots.
screenshot_packages=(imagemagick)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
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

# Every C++ source as the house .clang-format lays it out.
check_format() {
    find . \( -path ./.git -o -path './build*' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
        xargs -0 clang-format --dry-run --Werror ||
        { echo "Some sources are off-format: run clang-format -i on the files named above." >&2; return 1; }
}

package() {
    rm -rf build/package
    (cd build && cpack -G DEB -B "$PWD/package" >/dev/null)
    ls build/package/lexivane_*_amd64.deb
}

# Checks what the package holds, then unpacks it into a scratch root and uses it there as an installed
# system would: desktop entry, AppStream data, the file type, and a start of the installed program.
check_package() {
    local deb root home version
    deb=$(ls build/package/lexivane_*_amd64.deb)
    version=$(sed -n 's/^project(Lexivane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    [ "$(basename "$deb")" = "lexivane_${version}_amd64.deb" ] || { echo "unexpected package name $deb" >&2; return 1; }

    local info
    info=$(dpkg-deb -I "$deb")
    grep -q "^ Package: lexivane\$" <<<"$info" || { echo "package name missing" >&2; return 1; }
    grep -q "^ Version: ${version}\$" <<<"$info" || { echo "package version is not $version" >&2; return 1; }
    for dep in libqt6svg6 libqt6widgets6 libqt6xml6 libzip4 libc6; do
        grep '^ Depends:' <<<"$info" | grep -q "$dep" || { echo "package does not depend on $dep" >&2; return 1; }
    done

    local contents
    contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
    for f in usr/bin/lexivane usr/share/lexivane/svgIcons.rcc usr/share/lexivane/help/help.htm \
        usr/share/lexivane/help/getting_started.htm usr/share/lexivane/help/lxv_main_exportH5P.htm \
        usr/share/lexivane/help/lxv_main_exportScorm.htm usr/share/lexivane/db/AmericanDB.lxv \
        usr/share/lexivane/db/BritishDB.lxv usr/share/lexivane/db/CanadianDB.lxv \
        usr/share/lexivane/templates/rtf_exercise.rtf usr/share/lexivane/templates/xhtml_exercise.htm \
        usr/share/lexivane/templates/jmatch_exercise.jmt usr/share/lexivane/templates/jcloze_exercise.jcl \
        usr/share/lexivane/templates/interactive_exercise.html \
        usr/share/lexivane/translations/lexivane_de.qm usr/share/lexivane/translations/lexivane_fr.qm \
        usr/share/lexivane/translations/lexivane_es.qm usr/share/applications/lexivane.desktop \
        usr/share/metainfo/lexivane.metainfo.xml usr/share/mime/packages/lexivane.xml \
        usr/share/icons/hicolor/scalable/apps/lexivane.svg \
        usr/share/icons/hicolor/scalable/mimetypes/application-x-lexivane-database.svg \
        usr/share/doc/lexivane/copyright; do
        grep -qx "\./$f" <<<"$contents" || { echo "package lacks /$f" >&2; return 1; }
    done
    if grep -E '/source/|tst_|lexivane-bench|README|\.ts$' <<<"$contents"; then
        echo "package holds files that are not for users (above)" >&2
        return 1
    fi

    root=$(mktemp -d)
    home=$(mktemp -d)
    trap 'rm -rf "$root" "$home"' RETURN
    dpkg-deb -x "$deb" "$root"
    desktop-file-validate "$root/usr/share/applications/lexivane.desktop"
    appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/lexivane.metainfo.xml"

    # The file type, as the file manager sees it once the package's triggers have run.
    local env=(env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_DATA_DIRS="$root/usr/share:/usr/share"
               XDG_CONFIG_HOME="$home/.config" XDG_CURRENT_DESKTOP=GNOME)
    "${env[@]}" update-mime-database "$root/usr/share/mime"
    "${env[@]}" update-desktop-database "$root/usr/share/applications"
    cp "$root/usr/share/lexivane/db/CanadianDB.lxv" "$home/no-ending"
    for f in "$root/usr/share/lexivane/db/AmericanDB.lxv" "$home/no-ending"; do
        [ "$("${env[@]}" xdg-mime query filetype "$f")" = application/x-lexivane-database ] ||
            { echo "xdg-mime does not see $f as a Lexivane database" >&2; return 1; }
    done
    [ "$("${env[@]}" xdg-mime query default application/x-lexivane-database)" = lexivane.desktop ] ||
        { echo "no desktop entry opens Lexivane databases" >&2; return 1; }

    # The installed program starts in German and finds its icons, its translation and a database
    # in ../share/lexivane; the opened files show that, and Qt's log shows the SVG plug-ins load.
    mkdir -p "$home/.config/Venhollow"
    printf '[application]\nfirstRun=false\n' >"$home/.config/Venhollow/Lexivane 3.conf"
    inotifywait -q -m -r -e open --format '%w%f' "$root/usr/share/lexivane" >"$home/opened" 2>/dev/null &
    local watcher=$! rc=0
    sleep 1
    "${env[@]}" LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1 \
        timeout 5 "$root/usr/bin/lexivane" "$root/usr/share/lexivane/db/BritishDB.lxv" 2>"$home/log" || rc=$?
    kill "$watcher"
    wait "$watcher" 2>/dev/null || true
    [ "$rc" -eq 124 ] || { cat "$home/log" >&2; echo "the installed program exited with $rc" >&2; return 1; }
    for f in svgIcons.rcc translations/lexivane_de.qm db/BritishDB.lxv; do
        grep -qx "$root/usr/share/lexivane/$f" "$home/opened" || { echo "the installed program did not open $f" >&2; return 1; }
    done
    for plugin in iconengines/libqsvgicon.so imageformats/libqsvg.so; do
        grep -q "$plugin\" loaded library" "$home/log" || { echo "the SVG plug-in $plugin did not load" >&2; return 1; }
    done
    echo "Package $(basename "$deb"): contents, metadata, file type and start checked."
}

# Runs every fuzz target for $1 seconds with random seed $2 (0, the default, a new one each run),
# from the seeds in the source tree and the corpus each run has grown in build-fuzz/corpus. A crash,
# a sanitizer report or a broken property stops the run with an error; the input that shows it is
# kept in build-fuzz/artifacts (add it to tests/fuzz/seeds/<target> so every later run tries it).
fuzz_all() {
    local seconds=$1 seed=${2:-0} target seeds dict runs maxlen
    mkdir -p build-fuzz/artifacts
    for target in linefile xml append templates import_csv import_kvtml import_jcloze import_jmatch xmlexport \
        render_sheet render_page render_moodle render_gift render_h5p render_scorm recovery finder; do
        # The XML readers get inputs large enough to reach their limits (nesting, entity expansion).
        maxlen=4096
        case $target in
        linefile) seeds="share/db tests/fuzz/seeds/linefile" dict=linefile.dict runs=3000 ;;
        append) seeds="share/db tests/fuzz/seeds/linefile" dict=linefile.dict runs=2400 ;;
        xml) seeds=tests/fuzz/seeds/xml dict=xml.dict runs=50000 maxlen=65536 ;;
        templates) seeds=share/templates dict=templates.dict runs=60000 ;;
        import_csv) seeds=tests/data/import dict=csv.dict runs=1700 ;;
        import_kvtml) seeds="tests/data/import tests/fuzz/seeds/import" dict=import.dict runs=23000 maxlen=65536 ;;
        import_jcloze) seeds="tests/data/import tests/fuzz/seeds/import" dict=import.dict runs=43000 maxlen=65536 ;;
        import_jmatch) seeds="tests/data/import tests/fuzz/seeds/import" dict=import.dict runs=20000 maxlen=65536 ;;
        xmlexport) seeds=tests/fuzz/seeds/xmlexport dict=xml.dict runs=6000 ;;
        render_sheet) seeds=tests/fuzz/seeds/render dict=templates.dict runs=1500 ;;
        render_page) seeds=tests/fuzz/seeds/render dict=templates.dict runs=5000 ;;
        render_moodle) seeds=tests/fuzz/seeds/render dict=templates.dict runs=2500 ;;
        render_gift) seeds=tests/fuzz/seeds/render dict=templates.dict runs=10000 ;;
        render_h5p) seeds=tests/fuzz/seeds/render dict=templates.dict runs=1000 ;;
        render_scorm) seeds=tests/fuzz/seeds/render dict=templates.dict runs=1500 ;;
        recovery) seeds=tests/fuzz/seeds/recovery dict=json.dict runs=100000 ;;
        finder) seeds=tests/fuzz/seeds/finder dict=xml.dict runs=6000 ;;
        esac
        # With a fixed seed the number of inputs is fixed too (about 10 s each here, 5 to 7 s for the
        # import readers), so the run tries the same inputs on a fast machine as on a slow one.
        [ "$seed" -eq 0 ] && runs=-1
        mkdir -p "build-fuzz/corpus/$target"
        echo "Fuzzing $target for $seconds s"
        local log="build-fuzz/fuzz_$target.log"
        if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
            "./build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -seed="$seed" -runs="$runs" -max_len="$maxlen" -timeout=20 \
            -rss_limit_mb=2560 -print_final_stats=1 -dict="tests/fuzz/$dict" \
            -artifact_prefix="build-fuzz/artifacts/$target-" "build-fuzz/corpus/$target" $seeds >"$log" 2>&1; then
            tail -n 80 "$log"
            echo "fuzz_$target found a fault; the input is in build-fuzz/artifacts" >&2
            return 1
        fi
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss)' "$log" || true
    done
}

# The screenshots in the README and the AppStream data: the main window with a starter database, in
# English and in German, on a virtual screen without a window manager (so without a frame).
screenshots() {
    local home display_file xvfb display
    home=$(mktemp -d)
    display_file=$(mktemp)
    trap 'kill "$xvfb" 2>/dev/null; rm -rf "$home" "$display_file"' RETURN
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb=$!
    while [ ! -s "$display_file" ]; do sleep 0.2; done
    display=":$(cat "$display_file")"
    mkdir -p dist/screenshots "$home/.config/Venhollow"
    local shot lang
    for shot in main-window:C.UTF-8 main-window-de:de_DE.UTF-8; do
        lang=${shot#*:}
        # Each shot from a fresh home: nothing of the one before (its recovery copy) carries over.
        rm -rf "${home:?}"/.[!.]* && mkdir -p "$home/.config/Venhollow"
        printf '[application]\nfirstRun=false\n' >"$home/.config/Venhollow/Lexivane 3.conf"
        DISPLAY=$display HOME="$home" XDG_CONFIG_HOME="$home/.config" LANG=$lang LC_ALL= LANGUAGE= \
            ./build/bin/lexivane share/db/BritishDB.lxv -size=1240x700 >/dev/null 2>&1 &
        local app=$!
        sleep 3
        DISPLAY=$display import -window root -crop 1240x700+0+0 +repage "dist/screenshots/${shot%%:*}.png"
        kill "$app"
        wait "$app" 2>/dev/null || true
    done
    ls dist/screenshots
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
    check_format
    build default
    with_temp_home ctest --preset default
    package
    check_package
    build asan
    with_temp_home ctest --preset asan
    ;;
package)
    install_missing
    build default
    package
    ;;
screenshots)
    install_missing "${screenshot_packages[@]}"
    build default
    screenshots
    ;;
fuzz)
    install_missing
    build fuzz
    with_temp_home fuzz_all "${2:-300}"
    ;;
fuzzcheck)
    install_missing
    build fuzz
    with_temp_home fuzz_all 10 1
    ;;
bench)
    install_missing
    build default
    shift
    ./build/bin/lexivane-bench "$@"
    ;;
*)
    echo "usage: $0 run|test|package|bench|fuzz|fuzzcheck|screenshots [args]" >&2
    exit 2
    ;;
esac
