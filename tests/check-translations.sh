#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a user-visible text of the sources has no translation: brings copies of the .ts files up
# to date with the sources, as `update_translations` would, and counts what lupdate marks unfinished.
#   tests/check-translations.sh LUPDATE LRELEASE SOURCE_DIR
set -euo pipefail
lupdate=$1 lrelease=$2 src=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/translations/*.ts "$work/"
(cd "$src" && "$lupdate" -silent -I . -locations none -no-obsolete app dialogs util data models document exercise \
    -ts "$work"/*.ts)
status=0
for ts in "$work"/*.ts; do
    echo "$(basename "$ts"): $("$lrelease" "$ts" -qm "$work/out.qm" | grep -i 'generated\|ignored' | tr -s ' \n' ' ')"
    if grep -q 'type="unfinished"' "$ts"; then
        status=1
        # The source text in front of each unfinished translation.
        grep -B1 'type="unfinished"' "$ts" | sed -n 's|.*<source>\(.*\)</source>.*|    untranslated: \1|p'
    fi
done
exit $status
