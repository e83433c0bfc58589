#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and AddressSanitizer into ./build-fuzz
# and runs the remote command handler's target for the given number of seconds
# (default 60). Findings are written to build-fuzz/fuzz-findings.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
source "$top/tools/setup.sh"
PACKAGES+=(clang)
install_missing_packages
export CCACHE_BASEDIR="$top"
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -DTAMARIND_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$top/build-fuzz" -j2 --target fuzz_remotehandler
mkdir -p "$top/build-fuzz/fuzz-corpus" "$top/build-fuzz/fuzz-findings"
LSAN_OPTIONS="suppressions=$top/tests/fuzz/lsan.supp:fast_unwind_on_malloc=0" \
    "$top/build-fuzz/tests/fuzz_remotehandler" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -artifact_prefix="$top/build-fuzz/fuzz-findings/" "$top/build-fuzz/fuzz-corpus"
