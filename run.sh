#!/usr/bin/env bash
# Installs what is missing, builds, prepares a device root in ./run-root,
# starts the simulated measurement board and calibrator, then the instrument program:
# in a window when a display is available, otherwise on Qt's VNC platform.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
export TAMARIND_ROOT="$top/run-root"
mkdir -p "$TAMARIND_ROOT"
# One run a root: a second would take the first one's lines, sockets and files. The lock lasts as long as
# this script, the program or a peer of its run lives (they inherit it), and goes with the last of them.
exec 9>>"$TAMARIND_ROOT/run.lock"
if ! flock -n 9; then
    echo "Another ./run.sh runs on $TAMARIND_ROOT (it, or a program it started, holds $TAMARIND_ROOT/run.lock)."
    echo "  Stop it first (Ctrl+C there), or run this one from another checkout."
    exit 1
fi
source "$top/tools/setup.sh"
# A process that has not ended a while after its terminate, or once a second Ctrl+C or terminate has come, is
# killed: nothing this script started outlives it, however long the process would take. The build gets the same
# (tools/setup.sh) while it runs.
pids=()
program=""
stop_peers() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do await_end "$p" 50 "a simulated peer"; done
    pids=()
}
stop_run() {
    leaving
    if [ -n "$program" ] && kill -0 "$program" 2>/dev/null; then
        kill -TERM "$program" 2>/dev/null || true
        await_end "$program" 100 "the program"
    fi
    stop_peers
}
trap stop_run EXIT
trap 'stop_run; exit 130' INT
trap 'stop_run; exit 143' TERM
trap 'stop_run; exit 129' HUP

install_missing_packages
# The listeners on TCP port $1 as ss lists them, one a line, and the name and process of the first of them.
listeners_on() { ss -ltnpH "sport = :$1" 2>/dev/null || true; }
holder_of() { sed -n 's/.*users:(("\([^"]*\)",pid=\([0-9]*\).*/\1, process \2/p' <<<"$1" | head -n 1; }
# The control socket $1 as a client (socat, say) reaches it from the directory ./run.sh was started in: a socket's
# address holds 107 bytes of path, fewer than the full path from a checkout a few folders deep, and the path from
# here (from the checkout: run-root/var/run/<name>) is shorter; failing that, how to reach it from its folder. Quoted
# as the shell reads it back (printf %q): a path with a space, say, pastes into a command line as one word.
client_path() {
    local relative
    if [ "$(printf %s "$1" | wc -c)" -le 107 ]; then
        printf %q "$1"
    elif relative=$(realpath -m --relative-to=. -- "$1") && [ "$(printf %s "$relative" | wc -c)" -le 107 ]; then
        printf %q "$relative"
    else
        printf '%q (from its folder: ./%q; the whole path is longer than a socket address holds)' "$1" \
            "$(basename -- "$1")"
    fi
}

# Without a display the program serves its screen over VNC, on a port that must be free and one this user may
# listen on: Qt's VNC screen goes on without one. Checked before the build, which a refused run need not wait for.
platform_args=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    vnc_port=$(port_number TAMARIND_VNC_PORT "${TAMARIND_VNC_PORT:-5900}") || exit 1
    vnc_listeners=$(listeners_on "$vnc_port")
    if [ -n "$vnc_listeners" ]; then
        name=$(holder_of "$vnc_listeners")
        echo "No display, and VNC port $vnc_port is held by another program${name:+ ($name)}: the program would"
        echo "  serve its screen nowhere. Free the port, or choose another: TAMARIND_VNC_PORT=<port> ./run.sh"
        exit 1
    fi
    platform_args=(-platform "vnc:size=800x480:port=$vnc_port")
fi

# The program, the simulated peers and the converter stand-in; ./test.sh builds the tests.
build_tree "$top" ZTM8800UI boardsim calsim serialhost usbstick ftdi_standin

prepare_device_root "$top"
echo "Device root: $TAMARIND_ROOT (commands the program asks for: var/log/commands.log)"
echo "Simulated network: eth0 $(head -n 1 "$TAMARIND_ROOT/var/lib/network/eth0" 2>/dev/null || echo absent)," \
    "OS platform ${TAMARIND_OS_PLATFORM:-1} (TAMARIND_OS_PLATFORM=1|2, TAMARIND_ETH0=absent; see simulator/README.md)"

# The peers and the program run in sessions of their own (setsid), out of the terminal's reach: Ctrl+C and a
# closed terminal reach this script alone, which ends the program first and the peers after it, as it does on
# a terminate.
# in_session_of_its_own COMMAND...: started in the background ("... &") from this script's own shell, not from a
# subshell, runs COMMAND so; should this script be killed (kill -9, which runs no trap), the system sends COMMAND
# a terminate, which ends it as this script's own would. A COMMAND whose script has ended before that terminate
# is set does not start.
in_session_of_its_own() {
    exec setsid setpriv --pdeathsig TERM -- sh -c '[ "$PPID" = "$0" ] && exec "$@"' "$$" "$@"
}
# Whether the peer whose output is in the file $1 serves its control commands: not yet, and quietly, while the
# peer's shell has still to make that file.
serves_control() { grep -qs "control commands on" "$1"; }
# Waits up to 5 s until the peer $1 is ready (the command after it succeeds) or has ended; true while it runs.
# A peer says on its output that it serves its control commands once it has taken its line and port: a link or
# socket that a killed run left, which it then replaces, is no sign of it. A peer refuses a line or control socket
# that another peer serves (one started by hand, say), which stays as it is.
peer_started() {
    local peer=$1
    shift
    for _ in $(seq 50); do
        "$@" || ! kill -0 "$peer" 2>/dev/null && break
        sleep 0.1
    done
    kill -0 "$peer" 2>/dev/null
}

if [ -x "$top/build/simulator/boardsim" ]; then
    # The board's probe memory lasts from run to run; the first run fills it
    # with a few custom probes of each kind, calibrated this month.
    probes="$TAMARIND_ROOT/var/lib/boardsim-probes.txt"
    mkdir -p "$TAMARIND_ROOT/var/lib"
    [ -e "$probes" ] ||
        sed -e "s/@YEAR@/$(date +%Y)/g" -e "s/@MONTH@/$(date +%-m)/g" "$top/simulator/demo-probes.txt" > "$probes"
    # Switch boxes and sensors the program is to find at its start.
    setup_args=()
    [ -f "$TAMARIND_ROOT/boardsim.setup" ] && setup_args=(--setup "$TAMARIND_ROOT/boardsim.setup")
    # Each run starts a log of its own: appended to from run to run, it would grow without end.
    rm -f "$TAMARIND_ROOT/var/log/board-commands.log"
    board_said="$TAMARIND_ROOT/var/log/boardsim.out"
    in_session_of_its_own "$top/build/simulator/boardsim" --control "$TAMARIND_ROOT/var/run/boardsim.sock" \
        --log "$TAMARIND_ROOT/var/log/board-commands.log" --probes "$probes" --keep-probes \
        "${setup_args[@]}" >"$board_said" &
    pids+=($!)
    board=$!
    if peer_started "$board" serves_control "$board_said"; then
        echo "Simulated measurement board on $TAMARIND_ROOT/dev/ttyO2 -> $(readlink "$TAMARIND_ROOT/dev/ttyO2" || echo '?'),"
        echo "  control commands on $(client_path "$TAMARIND_ROOT/var/run/boardsim.sock") (see simulator/README.md),"
        echo "  every command it receives in $TAMARIND_ROOT/var/log/board-commands.log"
    else
        echo "No simulated measurement board of this run: its boardsim ended (its reason above). The program finds"
        echo "  the board that serves $TAMARIND_ROOT/dev/ttyO2, if another boardsim does."
    fi
else
    echo "The simulated measurement board is not part of this build yet."
fi

if [ -x "$top/build/simulator/calsim" ]; then
    # The reference and two probes under test sit in whichever calibrator last got a set point.
    follow_inputs="${TAMARIND_FOLLOW_INPUTS:-1:0,2:0.03,3:-0.2}"
    rm -f "$TAMARIND_ROOT/var/run/boardsim.sock.follow"
    if [ "${TAMARIND_REAL_FTDI:-0}" != 1 ]; then
        model="${TAMARIND_CALIBRATOR:-DWK4400-165}"
        calsim_said="$TAMARIND_ROOT/var/log/calsim.out"
        in_session_of_its_own "$top/build/simulator/calsim" --model "$model" \
            --control "$TAMARIND_ROOT/var/run/calsim.sock" --board "$TAMARIND_ROOT/var/run/boardsim.sock" \
            --inputs "$follow_inputs" >"$calsim_said" &
        pids+=($!)
        calsim=$!
        if peer_started "$calsim" serves_control "$calsim_said"; then
            echo "Simulated calibrator $model on the simulated USB-serial converter ($TAMARIND_ROOT/dev/ttyUSB-calibrator),"
            echo "  control commands on $(client_path "$TAMARIND_ROOT/var/run/calsim.sock") (see simulator/README.md);"
            echo "  TAMARIND_CALIBRATOR=<model> picks another serial model, TAMARIND_REAL_FTDI=1 a real converter instead."
        else
            echo "No simulated calibrator of this run: its calsim ended (its reason above). The program finds the"
            echo "  calibrator that serves $TAMARIND_ROOT/dev/ttyUSB-calibrator, if another calsim does."
        fi
    fi
    # The bath serves its control socket only once it listens on its port; a
    # port taken (by another run, say) ends it at once.
    bath_control="$TAMARIND_ROOT/var/run/calsim-bath.sock"
    bath_said="$TAMARIND_ROOT/var/log/calsim-bath.out"
    in_session_of_its_own "$top/build/simulator/calsim" --model MBK2800 --port 8101 --control "$bath_control" \
        --board "$TAMARIND_ROOT/var/run/boardsim.sock" --inputs "$follow_inputs" >"$bath_said" &
    bath=$!
    pids+=("$bath")
    if peer_started "$bath" serves_control "$bath_said"; then
        echo "Simulated network bath MBK2800 at 127.0.0.1 port 8101 (a setup names that address and port),"
        echo "  control commands on $(client_path "$bath_control")"
    elif ! kill -0 "$bath" 2>/dev/null; then
        echo "No simulated network bath: its calsim ended (its reason above), and a setup for the MBK2800 cannot"
        echo "  reach it."
        bath_port=$(listeners_on 8101)
        if [ -n "$bath_port" ]; then
            holder=$(holder_of "$bath_port")
            echo "  Another program${holder:+ ($holder)} listens on TCP port 8101: free the port and start ./run.sh"
            echo "  again for the bath."
        fi
    else
        echo "The simulated network bath MBK2800 does not listen on 127.0.0.1 port 8101 yet."
    fi
    echo "  Board inputs $follow_inputs (input:error in K) follow the calibrator that last got a set point;"
    echo "  TAMARIND_FOLLOW_INPUTS=<list> picks others."
fi
if [ -x "$top/build/simulator/serialhost" ]; then
    hosts_said="$TAMARIND_ROOT/var/log/serialhost.out"
    in_session_of_its_own "$top/build/simulator/serialhost" --option-board "${TAMARIND_OPTION_BOARD:-rs232}" \
        --control "$TAMARIND_ROOT/var/run/serialhost.sock" >"$hosts_said" &
    pids+=($!)
    hosts=$!
    if peer_started "$hosts" serves_control "$hosts_said"; then
        echo "Simulated serial hosts on $TAMARIND_ROOT/dev/ttyGS0 (USB) and $TAMARIND_ROOT/dev/ttyO1 (option board:"
        echo "  ${TAMARIND_OPTION_BOARD:-rs232}; TAMARIND_OPTION_BOARD=none|rs232|ieee488 chooses), control commands on"
        echo "  $(client_path "$TAMARIND_ROOT/var/run/serialhost.sock") (see simulator/README.md)"
    else
        echo "No simulated serial hosts of this run: its serialhost ended (its reason above). The program finds the"
        echo "  hosts that serve $TAMARIND_ROOT/dev/ttyGS0 and ttyO1, if another serialhost does."
    fi
fi
port=$(sed -n '/<ethernet>/,/<\/ethernet>/s:.*<port>\([0-9]*\)</port>.*:\1:p' \
    "$TAMARIND_ROOT/home/Settings/ZELK/settings.xml" 2>/dev/null | head -n 1 || true)
port="${port:-3000}"
# The program goes on without remote control over TCP when it cannot listen on
# its port, and says nothing: once it runs, this says whether it listens there.
# ss names the process of each listener; the program is this script's child.
# A listener that has just come up may be listed before ss has matched it to
# its process, or to the right one: another program's is told only once it
# has stayed so for a second.
report_remote_port() {
    local listeners pid holder="" foreign=0
    for _ in $(seq 300); do
        # Nothing to say once this script has ended (killed, its trap not run).
        kill -0 "$$" 2>/dev/null || return
        listeners=$(listeners_on "$port")
        if [ -n "$listeners" ]; then
            for pid in $(grep -o 'pid=[0-9]*' <<<"$listeners" | cut -d = -f 2); do
                if [ "$(cut -d ' ' -f 4 "/proc/$pid/stat" 2>/dev/null)" = "$$" ]; then
                    echo "Remote control: the program listens on TCP 127.0.0.1:$port," \
                        "for example: lxi scpi -a 127.0.0.1 -p $port -r \"*IDN?\""
                    return
                fi
            done
            holder=$(holder_of "$listeners")
            foreign=$((foreign + 1))
            if [ "$foreign" -gt 10 ]; then
                echo "Remote control: TCP port $port is held by another program${holder:+ ($holder)}, so the"
                echo "  program does not listen on it and a client there reaches that other program. Free the port and"
                echo "  start ./run.sh again, or give the program another port: main menu, Remote, the Port row."
                return
            fi
        fi
        sleep 0.1
    done
    echo "Remote control: the program does not listen on TCP 127.0.0.1:$port after 30 s."
}
report_remote_port &
pids+=($!)

if [ ${#platform_args[@]} -gt 0 ]; then
    echo "No display: the user interface is served over VNC on localhost:$vnc_port (800 x 480); connect any VNC" \
        "viewer (TAMARIND_VNC_PORT=<port> chooses another port)."
fi
echo "Starting $top/build/application/ZTM8800UI. Stop with Ctrl+C; the simulated peers stop with it."
in_session_of_its_own "$top/build/application/ZTM8800UI" "${platform_args[@]}" &
program=$!
status=0
wait "$program" || status=$?
program=""
exit "$status"
