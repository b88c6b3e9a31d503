#!/usr/bin/env bash
# Gives one fuzz target FUZZ_SECONDS (default 20) of fuzzing on its corpus
# and seeds; on a finding prints the end of its log and exits 1.
# Usage: fuzz-one.sh BUILD_DIR TARGET
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
target=$2
name=$(basename "$target")
corpus=$build/fuzz-corpus/$name
mkdir -p "$corpus"
seeds=fuzz/seeds/${name%_fuzz}
log=$build/$name.log
echo "Fuzzing $name for ${FUZZ_SECONDS:-20} s"
"$target" -max_total_time="${FUZZ_SECONDS:-20}" -rss_limit_mb=4096 -print_final_stats=0 \
  "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) > "$log" 2>&1 \
  || { echo "$name found a fault:"; tail -50 "$log"; exit 1; }
