#!/usr/bin/env bash
# with-window-manager.sh PROGRAM [ARGS...]: runs a test program on Qt's X11
# platform, on an X server of its own (Xvfb on a display number it finds free,
# 1024 x 600 like the device's desktop) under the openbox window manager, and
# stops both afterwards. Which window stands in front is the window manager's
# decision, which the offscreen platform of the other tests cannot show.
# Exits 77 (CTest: skipped) where no X server with a window manager can be started.
set -u
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (./test.sh installs it)"; exit 77; }
done

# refuse WHAT PROBLEM: stops before anything ran, saying WHAT could not be made and why (the end of PROBLEM, a
# tool's message), with the advice the test programs give on a temporary directory they cannot make their roots in.
refuse() {
    local advice="Set TMPDIR to a directory this user may write to, with room left."
    [ "${2%File name too long}" = "$2" ] || advice="Set TMPDIR to a directory with a shorter path."
    echo "${0##*/}: $1: ${2##*: }; nothing ran. $advice" >&2
    exit 1
}
# From "/": openbox refuses a relative one, which a relative TMPDIR gives.
work="$(mktemp -d 2>&1)" && work="$(cd "$work" 2>&1 && pwd -P)" ||
    refuse "the scratch folder cannot be made in the temporary directory \"${TMPDIR:-/tmp}\"" "$work"
xserver=""
windowmanager=""
test=""
cleanup() {
    [ -n "$test" ] && kill "$test" 2>/dev/null
    [ -n "$windowmanager" ] && kill "$windowmanager" 2>/dev/null
    [ -n "$xserver" ] && kill "$xserver" 2>/dev/null
    wait
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
# ending_with_this_shell SIGNAL COMMAND...: started in the background ("... &") from this shell itself, runs COMMAND,
# which the system sends SIGNAL once this shell has ended, however it ended: a kill -9 of it, which runs no trap,
# leaves nothing running either. Should this shell end before the signal is set, COMMAND does not start.
ending_with_this_shell() {
    exec setpriv --pdeathsig "$1" -- sh -c '[ "$PPID" = "$0" ] && exec "$@"' "$$" "${@:2}"
}

# Both report on one pipe: Xvfb its display number once it takes clients,
# openbox "ready" once it manages the screen.
said="$(mkfifo "$work/ready" 2>&1)" || refuse "the pipe \"$work/ready\" cannot be made" "$said"
exec 3<>"$work/ready" || exit 1
# waitForLine PID: the next line on the pipe, while PID lives (up to 30 s); where none came whole, fails and prints
# what came of it. A line may come in several writes, and a read that times out between them keeps what it has read
# so far in its variable, not on the pipe: that part is kept here, or the next read would return the line's end alone
# (Xvfb's display number may arrive so on a loaded machine: its digits, then the newline).
waitForLine() {
    local line="" part
    for _ in $(seq 30); do
        if IFS= read -r -t 1 -u 3 part; then
            echo "$line$part"
            return 0
        fi
        line+=$part
        kill -0 "$1" 2>/dev/null || break
    done
    echo "$line"
    return 1
}

ending_with_this_shell TERM Xvfb -displayfd 3 -screen 0 1024x600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
display="$(waitForLine "$xserver")" || {
    echo "SKIP: no X server could be started${display:+ (Xvfb gave \"$display\" and no end to the line)}:"
    cat "$work/xvfb.log"
    exit 77
}
if ! [[ $display =~ ^[0-9]+$ ]]; then
    echo "SKIP: Xvfb gave \"$display\" for its display number, which is none:"
    cat "$work/xvfb.log"
    exit 77
fi
export DISPLAY=":$display"
# openbox keeps its cache and looks for a user configuration in the scratch
# directory. The pipe's path reaches the startup command in the environment,
# which takes it as it is, spaces and quotes included.
XDG_CACHE_HOME="$work" XDG_CONFIG_HOME="$work" READY_PIPE="$work/ready" ending_with_this_shell TERM \
    openbox --startup 'sh -c "echo ready >\"\$READY_PIPE\""' >"$work/openbox.log" 2>&1 &
windowmanager=$!
if [ "$(waitForLine "$windowmanager")" != ready ]; then
    echo "openbox did not start on $DISPLAY:"
    cat "$work/openbox.log"
    exit 1
fi

# Qt's per-user runtime files go to the scratch directory too. No OpenGL
# integration: the windows paint in software as on the device, and Mesa's GLX
# keeps memory that a run with leak detection would blame on the test. No
# session bus: without one named, the bus library looks for one through the X
# server and keeps memory of that look the same way.
XDG_RUNTIME_DIR="$work" QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none DBUS_SESSION_BUS_ADDRESS=disabled: \
    ending_with_this_shell KILL "$@" &
test=$!
status=0
wait "$test" || status=$?
test=""
exit "$status"
