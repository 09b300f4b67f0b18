#!/usr/bin/env bash
# Starts the real program on a private Xvfb display with an empty home folder,
# dismisses the first-start message as a user would, checks that the main window
# appears, quits with the keyboard and expects exit status 0.
set -euo pipefail

program=$1
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "smoke: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"

mkdir -p "$work/home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$work/home" QT_QPA_PLATFORM=xcb \
    "$program" >"$work/app.log" 2>&1 &
app_pid=$!

# The first window is the "config file missing" message; the main window waits behind it.
message=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1) ||
    fail "no window appeared; program output: $(cat "$work/app.log")"
if xdotool search --onlyvisible --name '^VAZero-Ruv/Ovi$' >/dev/null; then
    fail "the main window opened before the first-start message was dismissed"
fi
xdotool windowfocus --sync "$message" key Return

main=$(timeout 30 xdotool search --sync --onlyvisible --name '^VAZero-Ruv/Ovi$' | head -n 1) ||
    fail "the main window did not appear"
[[ "$(xdotool getwindowname "$main")" == "VAZero-Ruv/Ovi" ]] || fail "wrong window title"

xdotool windowfocus --sync "$main" key ctrl+q

for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end after Ctrl+Q"
status=0
wait "$app_pid" || status=$?
app_pid=""
[[ $status -eq 0 ]] || fail "exit status $status; program output: $(cat "$work/app.log")"
[[ -f "$work/home/.local/share/vk-2.ini" ]] || fail "no settings file was written"
echo "smoke: main window shown and closed, exit status 0"
