#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a user-visible text of the sources has no translation: brings copies of the .ts files up
# to date with the sources, exactly as the `update_translations` target would, and counts what
# lupdate leaves unfinished. The files in translations/ are not touched.
#   tests/check-translations.sh BUILD_DIR SOURCE_DIR [LUPDATE LRELEASE GENERATE_LUPDATE_PROJECT]
set -euo pipefail
build=$1 src=$2
lupdate=${3:-/usr/lib/qt6/bin/lupdate}
lrelease=${4:-/usr/lib/qt6/bin/lrelease}
generate=${5:-/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools/GenerateLUpdateProject.cmake}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/translations/*.ts "$work/"
# The list of sources and include paths that CMake gives lupdate.
cmake -DIN_FILE="$build/.lupdate/lexivane_project.cmake" -DOUT_FILE="$work/project.json" -P "$generate"
"$lupdate" -silent -project "$work/project.json" -locations none -no-obsolete -ts "$work"/*.ts 2>/dev/null
status=0
for ts in "$work"/*.ts; do
    echo "$(basename "$ts"): $("$lrelease" "$ts" -qm "$work/out.qm" | grep -i 'generated\|ignored' | tr -s ' \n' ' ')"
    if grep -q 'type="unfinished"' "$ts"; then
        status=1
        # The source text in front of each unfinished translation (the first line of a longer one).
        grep -B1 'type="unfinished"' "$ts" | sed -n 's|.*<source>\(.*\)|    untranslated: \1|p' |
            sed 's|</source>$||'
    fi
done
exit $status
