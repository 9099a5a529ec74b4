#!/usr/bin/env bash
# Runs each fuzz target for SECONDS (default 300) on the launch name and on
# make_copies' CSV reading; crashes are written to build/fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
scripts/setup-machine.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null
mkdir -p build/fuzz/crashes
for target in launch copies; do
  mkdir -p "build/fuzz/corpus-$target"
  build/fuzz/fuzz_$target -max_total_time="$seconds" -artifact_prefix=build/fuzz/crashes/ \
    "build/fuzz/corpus-$target"
done
