#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs
# (with sudo when not root) and builds the tree, or a part of it, into ./build.
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

install_missing_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build_tree TOP [TARGET...]: the whole tree, or only the targets named.
build_tree() {
    # Lets ccache share objects between checkouts of the tree: paths under the tree are made relative, and
    # the working directory that -g writes into the debug information is left out of the hash.
    export CCACHE_BASEDIR="$1"
    export CCACHE_NOHASHDIR=1
    local top="$1"
    shift
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$top/build" -j "$(nproc)" "${targets[@]}"
}
