#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero on any failure.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
# The tests run in the build tree: a relative TMPDIR means the one beside the caller.
case "${TMPDIR:-/}" in
/*) ;;
*) export TMPDIR="$PWD/$TMPDIR" ;;
esac
source "$top/tools/setup.sh"
# A terminate or hang-up ends this script; while packages go in, once apt is through (install_missing_packages).
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP
install_missing_packages
build_tree "$top"
cd "$top/build"
# A test program ended so leaves its root as a crash does, and Qt Test answers a terminate with a stack written
# through gdb, of no use here and slow: killed after 2 s.
run_in_group 20 ctest --output-on-failure -j "$(nproc)" "$@"
