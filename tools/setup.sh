#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (with sudo when not root; without sudo it names the command for root and
# fails) and builds the tree, or a part of it, into ./build.
set -euo pipefail

# libqt5svg5 brings the image plugin that reads the SVG images of the resources;
# PyVISA with its pure-Python backend and lxi are the remote clients of the acceptance tests.
# DejaVu Sans draws the Latin, Cyrillic and Arabic texts; Noto Sans CJK the Chinese and Japanese ones.
# Xvfb, openbox, xdotool and xprop (x11-utils): the tests of which window stands in front run on an X server
# with a window manager.
PACKAGES=(cmake g++ make ccache pkg-config
    qtbase5-dev libqt5serialport5-dev libqwt-qt5-dev qttools5-dev-tools qttools5-dev
    libqt5svg5 libftdi1-2 libmodbus-dev fonts-dejavu-core fonts-noto-cjk libbenchmark-dev python3
    python3-pyvisa python3-pyvisa-py lxi-tools
    xvfb openbox xdotool x11-utils)
# socat talks to the simulated peers' control sockets, as simulator/README.md shows; ss (iproute2) tells
# run.sh whether the program listens on its remote control port and whether the VNC port is free; flock and
# setsid (util-linux) keep run.sh to one run a root and the terminal's Ctrl+C to run.sh alone.
PACKAGES+=(socat iproute2 util-linux)

# apt runs in the script's foreground: a terminate to the script waits until apt is through, and the script's trap
# then ends it, rather than cutting apt and dpkg off half-way (the terminal's Ctrl+C reaches them, as ever).
install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing packages: ${missing[*]}. This user is not root and this machine has no sudo; as root, run" >&2
            echo "    apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
            echo "and start this again." >&2
            return 1
        fi
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# port_number NAME VALUE: prints VALUE as a TCP port number (1 to 65535) that this user may listen on, or says on
# standard error why the VALUE given by NAME is none and fails. Qt's VNC platform reads the digits a port begins
# with and drops the rest without a word: "59x" would be port 59. Nor does it stop where it may not listen (below
# the system's first unprivileged port, 1024 unless set otherwise, only root may): it runs with no screen anywhere.
port_number() {
    if ! [[ $2 =~ ^[0-9]{1,5}$ ]] || ((10#$2 < 1 || 10#$2 > 65535)); then
        echo "$1=$2 is no port number: give a whole number from 1 to 65535." >&2
        return 1
    fi
    local port=$((10#$2)) first
    first=$(cat /proc/sys/net/ipv4/ip_unprivileged_port_start 2>/dev/null || echo 1024)
    if [ "$(id -u)" -ne 0 ] && [ "$port" -lt "$first" ]; then
        echo "$1=$2: only root may listen on a port below $first, and this user is not root: the program could" \
            "not listen there. Give a port from $first to 65535." >&2
        return 1
    fi
    echo "$port"
}

# 1 once a second terminate, hang-up or Ctrl+C has come while the first one's ending goes on.
hurry=0
# leaving: from here on the script is on its way out, ending what it started. A second signal hurries that on rather
# than cut it short, and nothing printed on the way (by the script, or by bash itself on a process it saw killed) can
# stop it: the terminal may have gone with a hang-up, the output be a full disk or a pipe nobody reads any more, whose
# SIGPIPE would end the script.
leaving() {
    trap 'hurry=1' INT TERM HUP
    trap '' PIPE
}
# await_end TARGET TENTHS WHAT: waits until TARGET, a process or ("-N") every process of the group N, already sent a
# terminate, has ended: at most TENTHS tenths of a second, and two once a second signal has come; then kills what is
# left of it. WHAT says what it is.
await_end() {
    local tenths=0 named="Process $1"
    [ "${1#-}" = "$1" ] || named="Process group ${1#-}"
    while kill -0 -- "$1" 2>/dev/null; do
        if [ "$tenths" -ge "$2" ] || { [ "$hurry" = 1 ] && [ "$tenths" -ge 2 ]; }; then
            kill -KILL -- "$1" 2>/dev/null || true
            echo "$named ($3) has not ended after its terminate: killed." 2>/dev/null || true
            break
        fi
        # A Ctrl+C reaches the sleep too: it ends early, and the loop goes on.
        sleep 0.1 || true
        tenths=$((tenths + 1))
    done
    wait "${1#-}" 2>/dev/null || true
}

# The group of the command run_in_group runs, its name and its grace, and the last process this shell started before
# it.
running_group=""
running_command=""
running_grace=""
started_before=""
# run_in_group TENTHS COMMAND...: runs COMMAND in a session of its own and waits for it; its status is COMMAND's.
# Called from the script's own shell, not a subshell. A script sent a terminate while it waits for a command in the
# foreground would end at once and leave the command running (a build's compilers, a test run's test programs, with
# the lock ./run.sh holds); Ctrl+C reaches them only because the terminal signals the whole foreground group. Here a
# terminate, hang-up or Ctrl+C reaches the script alone, which ends every process of COMMAND's group (a terminate,
# a kill TENTHS tenths of a second later or at a second signal) and then itself, with the status that signal gives
# (130 for Ctrl+C).
run_in_group() {
    local saved status=0
    saved=$(trap -p INT TERM HUP)
    running_group=""
    running_grace=$1
    running_command=$2
    shift
    started_before=${!:-}
    trap 'end_group_and_exit 130' INT
    trap 'end_group_and_exit 143' TERM
    trap 'end_group_and_exit 129' HUP
    # Started in the background, a child that leads no group: setsid makes the session without a fork of its own,
    # and the session's number is this child's.
    setsid "$@" &
    running_group=$!
    wait "$running_group" || status=$?
    running_group=""
    trap - INT TERM HUP
    eval "$saved"
    return "$status"
}
# end_group_and_exit STATUS
end_group_and_exit() {
    leaving
    # A signal that came as the command started, before its number was kept.
    [ -n "$running_group" ] || [ "${!:-}" = "$started_before" ] || running_group=$!
    if [ -n "$running_group" ]; then
        # The process itself too: one that has not reached its setsid yet leads no group.
        kill -TERM -- "-$running_group" "$running_group" 2>/dev/null || true
        await_end "-$running_group" "$running_grace" "$running_command"
    fi
    exit "$1"
}

# The descriptor of the build lock build_tree holds while it builds.
build_lock=""
# lock_build TOP: waits until no other build of the checkout TOP runs, then holds its lock. Two builds of one tree
# (./test.sh and ./run.sh, say) would write the same objects, and one could leave another's half-written. The build's
# processes inherit the lock: a build that runs on after its script was killed (kill -9) still holds it. Waits in
# short sleeps, so that a signal's trap runs within a tenth of a second, as it does without a wait.
lock_build() {
    local file="$1/build/build.lock" holder state=""
    mkdir -p "$1/build"
    exec {build_lock}>>"$file"
    if ! flock -n "$build_lock"; then
        holder=$(cat "$file" 2>/dev/null || true)
        # Its state follows its name in parentheses; one that has ended may wait a while to be reaped (Z).
        [[ $holder =~ ^[0-9]+$ ]] && state=$(cat "/proc/$holder/stat" 2>/dev/null) && state=${state##*) }
        if [ -n "$state" ] && [ "${state:0:1}" != Z ]; then
            echo "Another build of this checkout runs (pid $holder); waiting."
        elif [ -n "$holder" ]; then
            echo "Another build of this checkout runs (pid $holder, which has ended: the build it started runs on);" \
                "waiting."
        else
            echo "Another build of this checkout runs; waiting."
        fi
        until flock -n "$build_lock"; do sleep 0.1 || true; done
    fi
    echo "$$" >"$file"
}
unlock_build() {
    [ -z "$build_lock" ] || exec {build_lock}>&-
    build_lock=""
}

# build_tree TOP [TARGET...]: the whole tree, or only the targets named; once no other build of TOP runs.
build_tree() {
    # Lets ccache share objects between checkouts of the tree: paths under the tree are made relative, and
    # the working directory that -g writes into the debug information is left out of the hash.
    export CCACHE_BASEDIR="$1"
    export CCACHE_NOHASHDIR=1
    local top="$1" status=0
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    lock_build "$top"
    # A build tree keeps the path it was made at: CMake refuses one that came along with a moved or copied
    # checkout. It is not removed unasked (it takes some 9 GB a user may want back elsewhere).
    local made_at=""
    if [ -f "$top/build/CMakeCache.txt" ]; then
        made_at="$(sed -n 's/^CMAKE_CACHEFILE_DIR:INTERNAL=//p' "$top/build/CMakeCache.txt")"
    fi
    if [ -n "$made_at" ] && ! [ "$made_at/CMakeCache.txt" -ef "$top/build/CMakeCache.txt" ]; then
        echo "$top/build was made for the checkout at ${made_at%/build}, which CMake does not build here." \
            "Remove it (rm -rf \"$top/build\") and start again: the compiler cache rebuilds it quickly." >&2
        unlock_build
        return 1
    fi
    # make ends on a terminate once it has removed what it left half-written: a kill could leave a damaged object
    # file that looks up to date.
    run_in_group 100 cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
        run_in_group 100 cmake --build "$top/build" -j "$(nproc)" "${targets[@]}" || status=$?
    # What the script starts next (the program, the tests) does not hold up the next build.
    unlock_build
    return "$status"
}

# prepare_device_root TOP: the device's paths and files in $TAMARIND_ROOT as the program finds them on the
# device, for the build in TOP; what a user changed there earlier stays.
prepare_device_root() {
    mkdir -p "$TAMARIND_ROOT"/{dev,etc,home,media,var/log,sys/class/gpio/gpio7,proc} \
        "$TAMARIND_ROOT/sys/devices/platform/pwm-backlight/backlight/pwm-backlight"
    # A stick pulled out leaves the mount point a link to nowhere: it stays as it is.
    [ -e "$TAMARIND_ROOT/media/usb" ] || [ -L "$TAMARIND_ROOT/media/usb" ] || mkdir "$TAMARIND_ROOT/media/usb"
    # The program loads the converter library from the root's /usr/lib: the
    # simulator's stand-in, which reaches the simulated calibrator, unless
    # TAMARIND_REAL_FTDI=1 asks for Debian's library and a real converter.
    mkdir -p "$TAMARIND_ROOT/usr/lib"
    if [ "${TAMARIND_REAL_FTDI:-0}" = 1 ] && [ -e /usr/lib/x86_64-linux-gnu/libftdi1.so.2 ]; then
        ln -sfn /usr/lib/x86_64-linux-gnu/libftdi1.so.2 "$TAMARIND_ROOT/usr/lib/libftdi1.so.2"
    else
        ln -sfn "$1/build/simulator/ftdi/libftdi1.so.2" "$TAMARIND_ROOT/usr/lib/libftdi1.so.2"
    fi
    # Qt's per-user runtime files, which would otherwise go to the host's /tmp.
    export XDG_RUNTIME_DIR="$TAMARIND_ROOT/run/user/$(id -u)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    # The instrument's own serial number and manufacturing date, as the factory
    # writes them; what the user gives them later stays.
    [ -e "$TAMARIND_ROOT/home/serialnumber" ] || printf 'DEMO-0042' > "$TAMARIND_ROOT/home/serialnumber"
    [ -e "$TAMARIND_ROOT/home/manufacturingdate" ] || printf '20210322' > "$TAMARIND_ROOT/home/manufacturingdate"

    # The operating-system image's network configuration as the program finds it
    # on the device: platform 1 (ifupdown) unless TAMARIND_OS_PLATFORM=2 chooses
    # systemd-networkd, and eth0 on DHCP with the simulated network's lease. What
    # the user changes on the remote settings page stays in the root.
    echo "${TAMARIND_OS_PLATFORM:-1}.0" > "$TAMARIND_ROOT/etc/version_os_platform"
    mkdir -p "$TAMARIND_ROOT/etc/network" "$TAMARIND_ROOT/etc/systemd/network" "$TAMARIND_ROOT/var/lib/network"
    [ -e "$TAMARIND_ROOT/etc/network/interfaces.base" ] ||
        printf 'auto lo\niface lo inet loopback\n\nauto eth0\n' > "$TAMARIND_ROOT/etc/network/interfaces.base"
    [ -e "$TAMARIND_ROOT/etc/network/interfaces" ] ||
        printf 'auto lo\niface lo inet loopback\n\nauto eth0\niface eth0 inet dhcp\n' > "$TAMARIND_ROOT/etc/network/interfaces"
    [ -e "$TAMARIND_ROOT/etc/systemd/network/eth0.network" ] ||
        printf '[Match]\nName=eth0\n\n[Network]\nDHCP=ipv4\n' > "$TAMARIND_ROOT/etc/systemd/network/eth0.network"
    if [ "${TAMARIND_ETH0:-present}" = absent ]; then
        rm -f "$TAMARIND_ROOT/var/lib/network/eth0"
    else
        [ -e "$TAMARIND_ROOT/var/lib/network/eth0" ] || echo "192.0.2.50 255.255.255.0" > "$TAMARIND_ROOT/var/lib/network/eth0"
    fi
    [ -e "$TAMARIND_ROOT/var/lib/network/route" ] ||
        printf 'default via 192.0.2.1 dev eth0\n192.0.2.0/24 dev eth0 proto kernel scope link src 192.0.2.50\n' \
            > "$TAMARIND_ROOT/var/lib/network/route"
}
