#!/bin/sh
# Runs the smoke driver on a real Wayland compositor: Debian's weston with its
# headless backend, on a socket and runtime folder of this run's own. Exits 77
# (the test is skipped) only where weston is missing or cannot start.
#   smoke.sh DRIVER
set -u
driver=$1
skip=77

if ! command -v weston >/dev/null 2>&1; then
    echo "SKIP: weston is not installed (scripts/dependencies.sh installs it)"
    exit $skip
fi

# Wayland wants a private runtime folder; running as root gives no session one.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/thornax-wayland.XXXXXX") || exit 1
chmod 700 "$runtime"
socket=wayland-thornax-$$
log=$runtime/weston.log
cleanup() {
    [ -n "${weston_pid:-}" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
trap "exit 1" HUP INT PIPE TERM

XDG_RUNTIME_DIR=$runtime weston --no-config --backend=headless-backend.so \
    --width=1280 --height=1024 --socket="$socket" --idle-time=0 >"$log" 2>&1 &
weston_pid=$!
i=0
while [ ! -S "$runtime/$socket" ]; do
    if ! kill -0 "$weston_pid" 2>/dev/null || [ $i -ge 100 ]; then
        echo "SKIP: weston could not start a headless compositor:"
        tail -n 5 "$log"
        exit $skip
    fi
    i=$((i + 1))
    sleep 0.1
done

# Under the leak checker: what Qt's Wayland plugin leaves at exit is no leak of
# the program's, and telling it apart needs whole call stacks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"

# The headless compositor has no seat, no keyboard and no pointer. Qt 6.4's
# Wayland text-input context then dereferences the missing input device when it
# draws a text cursor, so Qt's compose input context, the one X11 sessions use,
# takes its place; every desktop with a keyboard has a seat.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    QT_IM_MODULE=compose \
    ${THORNAX_SMOKE_WRAPPER:-} "$driver" 2>&1
code=$?
echo "the program ended with exit code $code"
exit $code
