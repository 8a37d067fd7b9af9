#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program's functions on a real X server with a real window manager, as a teacher's
# desktop has: Xvfb with a 1366 x 768 screen and openbox, which frames the windows and keeps a strip
# at the bottom free, as a panel does. Usage: under-window-manager.sh PROGRAM [ARGUMENTS...]
# Without Xvfb or openbox the test is skipped (exit status 77).
set -u
command -v Xvfb >/dev/null && command -v openbox >/dev/null || { echo "Xvfb or openbox is missing"; exit 77; }
work=$(mktemp -d "${TMPDIR:-/tmp}/lexivane-wm.XXXXXX")
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

cat >"$work/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>40</bottom><left>0</left><right>0</right></margins>
</openbox_config>
EOF
HOME="$work" openbox --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
pids+=($!)
# A window mapped before openbox manages the screen is framed late, where it already stands; give it
# the time it takes to start. The test then waits for the frame of its own window.
sleep 1
QT_QPA_PLATFORM=xcb LEXIVANE_TEST_WINDOW_MANAGER=1 "$(dirname "$0")/run-isolated.sh" "$@"
