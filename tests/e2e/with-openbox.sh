#!/bin/sh
# Runs a command on the X server xvfb-run started, under openbox: the panel's stacking against
# dialogs depends on a real window manager restacking them. Prints a GoogleTest skip line when
# openbox or xdotool is missing, so ctest reports a skip rather than a failure.
for tool in openbox xdotool wmctrl xwininfo; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "[  SKIPPED ] $tool is not installed (scripts/install-deps.sh)"
        exit 0
    fi
done
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
# Ready when it answers as the window manager.
tries=0
until wmctrl -m >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { echo "openbox did not start" >&2; exit 1; }
    sleep 0.1
done
"$@"
