#!/bin/sh
# Runs a command on a display server of this run's own, as a desktop session
# would: "x11" is Xvfb with the openbox window manager, "wayland" is Debian's
# weston with its headless backend. A wrapper (an emulator, say) may come before
# the command. Exits 77 (the test is skipped) only where the server is missing
# or cannot start.
#   session.sh x11|wayland [WRAPPER...] COMMAND
set -u
session=$1
shift
skip=77

# Display servers want a private runtime folder; running as root gives no session one.
XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/thornax-session.XXXXXX") || exit 1
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
log=$XDG_RUNTIME_DIR/log
servers=""
cleanup() {
    [ -n "$servers" ] && kill $servers 2>/dev/null && wait
    rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT
trap "exit 1" HUP INT PIPE TERM

# Starts a server and waits up to ten seconds for the file that says it is ready:
#   start TEST FILE SERVER [ARGUMENT...]    (TEST as test(1) takes it: -e, -s, -S)
start() {
    ready=$1 file=$2
    shift 2
    "$@" >>"$log" 2>&1 &
    servers="$servers $!"
    i=0
    while ! test "$ready" "$file"; do
        if ! kill -0 "$!" 2>/dev/null || [ $i -ge 100 ]; then
            echo "SKIP: $1 could not start (scripts/dependencies.sh installs it):"
            tail -n 5 "$log"
            exit $skip
        fi
        i=$((i + 1))
        sleep 0.1
    done
}

case $session in
x11)
    # Xvfb picks a free display and writes its number when it is ready.
    start -s "$XDG_RUNTIME_DIR/display" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$XDG_RUNTIME_DIR/display"
    DISPLAY=:$(cat "$XDG_RUNTIME_DIR/display")
    export DISPLAY
    start -e "$XDG_RUNTIME_DIR/wm" openbox --startup "touch $XDG_RUNTIME_DIR/wm"
    set -- env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
    ;;
wayland)
    socket=wayland-thornax-$$
    start -S "$XDG_RUNTIME_DIR/$socket" weston --no-config --backend=headless-backend.so \
        --width=1280 --height=1024 --socket="$socket" --idle-time=0
    # The headless compositor has no seat, no keyboard and no pointer. Qt 6.4's
    # Wayland text-input context then dereferences the missing input device when
    # it draws a text cursor, so Qt's compose input context, the one X11 sessions
    # use, takes its place; every desktop with a keyboard has a seat.
    set -- env -u DISPLAY WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=compose "$@"
    ;;
*) echo "usage: session.sh x11|wayland [WRAPPER...] COMMAND" >&2 && exit 2 ;;
esac

# Under the leak checker: what Qt's platform plugins leave at exit is no leak of
# the program's, and telling it apart needs whole call stacks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$(dirname "$0")/lsan.supp"
"$@" 2>&1
code=$?
echo "the program ended with exit code $code"
exit $code
