#!/bin/sh
# Subclock as a media player on a private session bus: driven by playerctl, its Seeked signals
# watched by dbus-monitor. Run under dbus-run-session; $1 is the subclock binary.
set -u
subclock=$1
dir=$(mktemp -d)
trap 'kill $player $monitor 2>/dev/null; rm -rf "$dir"' EXIT
export HOME="$dir" XDG_CONFIG_HOME="$dir/config" XDG_DATA_HOME="$dir/data"
export QT_QPA_PLATFORM=offscreen
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Subtitles at 5, 15 and 25 seconds; CRLF, the line ending read on a first run.
printf '1\r\n00:00:05,000 --> 00:00:06,000\r\nOne\r\n\r\n2\r\n00:00:15,000 --> 00:00:16,000\r\nTwo\r\n\r\n3\r\n00:00:25,000 --> 00:00:26,000\r\nThree\r\n' >"$dir/clip.srt"

dbus-monitor --session "type='signal',interface='org.mpris.MediaPlayer2.Player',member='Seeked'" \
    >"$dir/monitor" 2>&1 &
monitor=$!
"$subclock" "$dir/clip.srt" >"$dir/out" 2>&1 &
player=$!

for _ in $(seq 100); do
    playerctl -l 2>/dev/null | grep -qx subclock && break
    sleep 0.1
done
playerctl -l | grep -qx subclock || { echo "FAIL: subclock never appeared on the bus"; exit 1; }

pc() { playerctl -p subclock "$@"; }
# Waits up to 2 s for a command's output to be the one expected.
expect() {
    want=$1
    shift
    for _ in $(seq 20); do
        got=$(pc "$@" 2>&1)
        [ "$got" = "$want" ] && return 0
        sleep 0.1
    done
    fail "playerctl $*: '$got', expected '$want'"
}
# Position in whole tenths, to be compared exactly.
tenths() { pc position | awk '{ printf "%.1f\n", $1 }'; }

expect "clip.srt" metadata xesam:title
expect "file://$dir/clip.srt" metadata xesam:url
expect "26000000" metadata mpris:length
pc play
expect Playing status
sleep 0.5
pc pause
expect Paused status
played=$(tenths)
awk -v p="$played" 'BEGIN { exit !(p >= 0.3 && p <= 1.5) }' || fail "played to $played s"
pc position 12
[ "$(tenths)" = "12.0" ] || fail "position 12 read back as $(tenths)"
pc next
[ "$(tenths)" = "15.0" ] || fail "next went to $(tenths), not the subtitle at 15 s"
pc previous
[ "$(tenths)" = "5.0" ] || fail "previous went to $(tenths), not the subtitle at 5 s"
pc position 3-
[ "$(tenths)" = "2.0" ] || fail "3 s back from 5 read back as $(tenths)"
pc stop
expect Stopped status

# One Seeked for each jump asked for: position, next, previous, relative, stop.
sleep 0.3
seeked=$(grep -c 'member=Seeked' "$dir/monitor")
[ "$seeked" -eq 5 ] || fail "dbus-monitor saw $seeked Seeked signals, expected 5"
grep -A1 'member=Seeked' "$dir/monitor" | grep -q 'int64 12000000' || fail "no Seeked at 12 s"

[ "$failures" -eq 0 ] && echo "mpris-playerctl: all passed"
exit "$failures"
