#!/usr/bin/env bash
# The simulator as a user runs it: a bad option ends it with status 2, and a running
# simulator on loopback logs what it hears and prints its layout when terminated.
set -euo pipefail

sim=$1
work=$(mktemp -d)
sim_pid=""
cleanup() {
    [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "unitsim cli: $*" >&2
    exit 1
}

status=0
"$sim" --role X >"$work/out" 2>"$work/err" || status=$?
[[ $status -eq 2 ]] || fail "bad --role gave status $status"
[[ $(wc -l <"$work/err") -eq 1 ]] || fail "the error is not one line: $(cat "$work/err")"

port=$((20000 + RANDOM % 20000))
"$sim" --bind 127.0.0.2 --discovery-port "$port" --reply-port $((port + 1)) \
    --link-port $((port + 2)) </dev/null >"$work/log" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do
    grep -q '^running' "$work/log" && break
    sleep 0.1
done
grep -q '^running' "$work/log" || fail "did not start: $(cat "$work/log")"

printf '@ZRdev' >"/dev/udp/127.0.0.2/$port"
for _ in $(seq 50); do
    grep -q 'discovery reply' "$work/log" && break
    sleep 0.1
done
grep -q 'discovery reply .*"\*ZRdev,' "$work/log" || fail "no discovery reply logged"

kill -TERM "$sim_pid"
status=0
wait "$sim_pid" || status=$?
sim_pid=""
[[ $status -eq 0 ]] || fail "SIGTERM gave status $status"
grep -q '^layout held by' "$work/log" || fail "no layout summary at exit"
echo "unitsim cli: bad option refused, discovery answered, layout printed at exit"
