#!/bin/sh
# Usage: run-under-weston.sh GAME DRIVER [ARGUMENT...]
# Starts a headless weston of its own, checks that the real game starts on
# it and keeps running, then runs the driver with its arguments, which plays
# a question there.
# weston is always stopped again.
set -u

game=$1
shift
runtime=$(mktemp -d) # private, mode 0700, as Wayland wants
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid"
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP PIPE

fail() { echo "$*" >&2; [ -f "$runtime/weston.log" ] && cat "$runtime/weston.log" >&2; exit 1; }

export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=kobu-test QT_QPA_PLATFORM=wayland HOME="$runtime/home"
unset DISPLAY
# Even a test killed outright leaves no compositor behind for long.
timeout 300 weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1280 --height=800 \
       --idle-time=0 > "$runtime/weston.log" 2>&1 &
weston_pid=$!
tries=0
until [ -S "$runtime/$WAYLAND_DISPLAY" ]; do
    tries=$((tries + 1))
    [ $tries -le 100 ] || fail "weston did not start"
    sleep 0.1
done

timeout 3 "$game"
status=$?
[ $status -eq 124 ] || fail "the game ended with status $status on Wayland instead of running"

timeout 60 "$@" || fail "the played question failed on Wayland"
