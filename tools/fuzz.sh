#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and AddressSanitizer into ./build-fuzz
# and runs the remote command handler's target for the given number of seconds
# (default 60). The command headers of the handler's sources are its
# dictionary, and one seed per header (in remote mode, with parameters) starts
# its corpus. Findings are written to build-fuzz/fuzz-findings.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
source "$top/tools/setup.sh"
PACKAGES+=(clang)
install_missing_packages
export CCACHE_BASEDIR="$top"
out="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$out" -DTAMARIND_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$out" -j2 --target fuzz_remotehandler

# Qt's per-user runtime files stay in the fuzzer's own directory.
export XDG_RUNTIME_DIR="$out/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
mkdir -p "$out/fuzz-corpus" "$out/fuzz-seeds" "$out/fuzz-findings"

# Every header the handler compares with, and the bytes that cut and separate.
dictionary="$out/remotehandler.dict"
grep -hoE '"(\*[a-z]+\??|[a-z]+:[a-z:0-9]*\??)"' "$top"/application/src/remote/externalcommunicationhandler*.cpp |
    sort -u >"$dictionary"
printf '%s\n' '"\x0D"' '"\x0A"' '" "' '","' '"(@"' '")"' '"'"'"'"' '"\xFF"' >>"$dictionary"

# A seed is one chunk on the first transport: remote mode, then the header
# with an integer, a number and a channel list.
index=0
while read -r header; do
    header="${header//\"/}"
    printf '\001syst:remo\r%s 1,2.5,(@1:2)\r' "$header" >"$out/fuzz-seeds/seed-$index"
    index=$((index + 1))
done < <(grep -E '^"[a-z*]' "$dictionary")

LSAN_OPTIONS="suppressions=$top/tests/fuzz/lsan.supp:fast_unwind_on_malloc=0" \
    "$out/tests/fuzz_remotehandler" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=60 \
    -dict="$dictionary" -artifact_prefix="$out/fuzz-findings/" "$out/fuzz-corpus" "$out/fuzz-seeds"
