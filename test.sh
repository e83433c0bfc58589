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
run_in_group ctest --output-on-failure -j "$(nproc)" "$@"
