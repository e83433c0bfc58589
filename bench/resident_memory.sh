#!/usr/bin/env bash
# The program's resident memory as a user drives it for a long while: the
# program on Qt's VNC platform, as the device's frame buffer composes it, one
# viewer connected throughout, the simulated board giving readings of every
# length on channels 1 to 4 (noise on every third), and in each round scan
# mode over channels 1 to 4 on the home view with the unit changed six times,
# then the two-, three- and four-channel scan views, 40 s each. It prints the
# program's VmRSS at the start of each round and the highest seen, sampled
# every 10 s, and ends the program and the board. A round takes about 3.5
# minutes.
#
#   bench/resident_memory.sh [minutes]      (35 if not given)
#
# TAMARIND_BENCH_VNC_PORT picks the VNC port (5958 if not given). The program
# takes remote control on TCP port 3958, not on the 3000 of ./run.sh's
# program. The device root is build/resident-root, made anew each time.
# Ctrl+C or a terminate ends it at once, with all it started.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
minutes="${1:-35}"
remote_port=3958
source "$top/tools/setup.sh"
port=$(port_number TAMARIND_BENCH_VNC_PORT "${TAMARIND_BENCH_VNC_PORT:-5958}") || exit 1

# Each command in the background runs in a process group of its own, which a stop ends with all it started. The
# script waits for what it runs in the foreground, so that a signal's trap runs at once, not after a pause.
pids=()
foreground_pid=""
in_group() {
    set -m
    "$@" &
    set +m
}
foreground() {
    in_group "$@"
    foreground_pid=$!
    local status=0
    wait "$foreground_pid" || status=$?
    foreground_pid=""
    return "$status"
}
pause() { foreground sleep "$1"; }
stop() {
    trap '' INT TERM HUP
    for pid in "${pids[@]}" $foreground_pid; do kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

install_missing_packages
foreground build_tree "$top" ZTM8800UI boardsim ftdi_standin > /dev/null

root="$top/build/resident-root"
mkdir -p "$top/build"
exec 9>>"$top/build/resident-root.lock"
if ! flock -n 9; then
    echo "Another bench/resident_memory.sh runs in this checkout; wait for it or stop it."
    exit 1
fi
if [ -n "$(ss -ltnH "sport = :$port" 2>/dev/null || true)" ]; then
    echo "TCP port $port is taken; give another: TAMARIND_BENCH_VNC_PORT=<port> bench/resident_memory.sh"
    exit 1
fi
rm -rf "$root"
export TAMARIND_ROOT="$root"
prepare_device_root "$top"
mkdir -p "$root/var/run" "$root/var/lib" "$root/home/Settings/ZELK"
printf '<settings><ethernet><port>%s</port></ethernet></settings>\n' "$remote_port" \
    > "$root/home/Settings/ZELK/settings.xml"
sed -e "s/@YEAR@/$(date +%Y)/g" -e "s/@MONTH@/$(date +%-m)/g" "$top/simulator/demo-probes.txt" \
    > "$root/var/lib/boardsim-probes.txt"
unset DISPLAY WAYLAND_DISPLAY

board_control="$root/var/run/boardsim.sock"
in_group "$top/build/simulator/boardsim" --control "$board_control" --log "$root/var/log/board-commands.log" \
    --probes "$root/var/lib/boardsim-probes.txt" > "$root/boardsim.out" 2>&1
pids+=("$!")
for _ in $(seq 50); do [ -e "$root/dev/ttyO2" ] && break; sleep 0.1; done
in_group "$top/build/application/ZTM8800UI" -platform "vnc:size=800x480:port=$port" > "$root/program.out" 2>&1
program=$!
pids+=("$program")
for _ in $(seq 100); do [ -n "$(ss -ltnH "sport = :$port" 2>/dev/null || true)" ] && break; sleep 0.1; done
# The start's own work is over before the viewer connects.
pause 5
# Out of the terminal's group: the script ends it after the program.
exec 7> >(exec setsid python3 "$top/bench/vncviewer.py" "$port")
pids+=("$!")
pause 1

tap() {
    echo "$1 $2" >&7
    pause "${3:-0.8}"
}
# From the socket's folder: a socket's address holds 107 bytes of path, fewer than a deep checkout's full one.
board() {
    printf '%s\n' "$@" | (cd "$(dirname "$board_control")" && socat -t 1 - UNIX-CONNECT:boardsim.sock) > /dev/null
}
resident() { awk '/^VmRSS/ { print $2 }' "/proc/$program/status" 2>/dev/null || echo 0; }

# Readings of one to nine characters and both signs; the platinum inputs
# (channels 1 and 2) stay within their range.
values=(0.01 5 23.4567 -38.83 100 150.5 -195.7813 419.527 660.323 999.99 1000.01 -0.0002 0.0003 9.9999 10.0001
    -10.0001 1134.5 55.55 -99.999 321.1234 7.5 -5.25)
give_readings() {
    local turn=0 channel value
    board "probe 4 tc-k"
    while kill -0 "$program" 2>/dev/null; do
        for channel in 1 2 3 4; do
            value=${values[$(((turn * 7 + channel * 5) % ${#values[@]}))]}
            if [ "$channel" -le 2 ]; then
                case $value in 999.99 | 1000.01 | 1134.5 | 419.527 | 660.323 | -195.7813 | 321.1234 | -99.999 | 150.5)
                    value=55.55 ;;
                esac
            fi
            if ((turn % 3 == 0)); then board "noise $channel $value 0.3"; else board "temp $channel $value"; fi
        done
        turn=$((turn + 1))
        sleep 1.3
    done
}
in_group give_readings
pids+=("$!")
sample() {
    while kill -0 "$program" 2>/dev/null; do
        resident
        sleep 10
    done
}
in_group sample > "$root/resident.log"
pids+=("$!")

# Scan mode's page: stop the scan, choose the channels, start it again.
scanned=""
scan_over() {
    local wanted="$1" channel was is
    tap 571 450
    tap 724 180 1.2
    tap 491 158 1.0
    tap 270 87 1.0
    for channel in 1 2 3 4; do
        was=0
        is=0
        [[ " $scanned " == *" $channel "* ]] && was=1
        [[ " $wanted " == *" $channel "* ]] && is=1
        if [ $was != $is ]; then
            case $channel in
                1) tap 611 128 0.4 ;;
                2) tap 724 128 0.4 ;;
                3) tap 611 164 0.4 ;;
                4) tap 724 164 0.4 ;;
            esac
        fi
    done
    tap 704 450 1.0
    tap 410 158 1.0
    scanned="$wanted"
}

echo "Driving the program for $minutes minutes (VNC port $port, device root $root)"
start=$SECONDS
round=0
unit=0
while ((SECONDS - start < minutes * 60)); do
    round=$((round + 1))
    printf 'round %2d  %3d min  %6.1f MB\n' "$round" $(((SECONDS - start) / 60)) "$(resident | awk '{ print $1 / 1024 }')"
    # The home view, scanning channels 1 to 4, in each unit in turn.
    scan_over "1 2 3 4"
    tap 571 450
    tap 604 80 1.0
    for _ in 1 2 3 4 5 6; do
        tap 468 288
        tap 667 $((62 + 36 * (unit % 4)))
        unit=$((unit + 1))
        pause 8
    done
    # The scan views of two, three and four channels.
    for channels in "1 2" "1 2 3" "1 2 3 4"; do
        scan_over "$channels"
        tap 273 259 1.0
        pause 40
    done
done
if ! kill -0 "$program" 2>/dev/null; then
    echo "The program ended before the last round (see $root/program.out)."
    exit 1
fi
resident >> "$root/resident.log"
printf 'end       %3d min  %6.1f MB; highest %.1f MB\n' $(((SECONDS - start) / 60)) \
    "$(resident | awk '{ print $1 / 1024 }')" "$(sort -n "$root/resident.log" | tail -n 1 | awk '{ print $1 / 1024 }')"
