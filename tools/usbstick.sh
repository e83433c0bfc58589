#!/usr/bin/env bash
# Plugs the simulated USB stick into the instrument that ./run.sh runs, or
# pulls it out: tools/usbstick.sh insert [whole-disk] | remove | status
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
control="$top/build/simulator/usbstick"
[ -x "$control" ] || { echo "Build first (./run.sh or ./test.sh)." >&2; exit 1; }
export TAMARIND_ROOT="${TAMARIND_ROOT:-$top/run-root}"
mkdir -p "$TAMARIND_ROOT"
exec "$control" "$@"
