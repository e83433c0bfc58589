#!/usr/bin/env bash
# Puts an update file made from the built program, with its ".chk" file, onto
# the simulated USB stick of ./run.sh, for the service screen's firmware
# update: tools/firmwareupdate.sh [BUILD [MODEL]]
# BUILD is the update's build number (84982 unless given: the oldest that a
# ZTM8800v2 or ZTM9900 accepts); MODEL the simulated board's model (ZTM9900
# unless given), which names the stick directory and the file.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
program="$top/build/application/ZTM8800UI"
[ -f "$program" ] || { echo "Build first (./run.sh or ./test.sh)." >&2; exit 1; }
build="${1:-84982}"
model="${2:-ZTM9900}"
case "$model" in
    ZTM9900) name=ZTM9900 ;;
    ZTM8800 | ZTM8800v2) name=ZTM8800 ;;
    *) echo "Unknown model $model; use ZTM8800, ZTM8800v2 or ZTM9900." >&2; exit 2 ;;
esac
root="${TAMARIND_ROOT:-$top/run-root}"
target="$root/var/lib/usbstick/$name/${name}_UI_$build.dat"
python3 "$top/tools/version_trailer.py" update-file "$program" ZTM8800UI keep keep keep "$build" "$target"
echo "Wrote $target and ${target%.dat}.chk; plug the stick in with tools/usbstick.sh insert."
