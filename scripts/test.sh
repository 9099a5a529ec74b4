#!/usr/bin/env bash
# Builds every preset and runs every test: the native unit tests, the same
# under clang's address and undefined-behaviour sanitizers with a short run of
# each fuzz target, then the Wine tests of the 32-bit launcher and of its 64-bit twin. (A machine whose
# kernel cannot run 32-bit Linux programs cannot run 32-bit Wine; the 32-bit
# Wine tests then report themselves skipped and the twin carries them.)
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/setup-machine.sh || exit 1

failed=()
for preset in native fuzz windows windows64; do
  echo "== $preset"
  if cmake --preset "$preset" >/dev/null &&
     cmake --build --preset "$preset" -j"$(nproc)" &&
     ctest --preset "$preset"; then
    :
  else
    failed+=("$preset")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED presets: ${failed[*]}"
  exit 1
fi
echo "all presets passed"
