#!/usr/bin/env bash
# Builds the launcher and the benchmark helpers and prints the figures:
# launch time against a do-nothing program, CPU while the client runs against
# a busy-polling wait, and the size of launcher.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-machine.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench >/dev/null
preset=windows
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "note: this machine cannot run 32-bit Wine; timing the 64-bit twin"
  cmake --preset windows64 >/dev/null
  cmake --build --preset windows64 --target bench >/dev/null
  preset=windows64
fi
export LAUNCHER_EXE="$PWD/build/$preset/launcher.exe"
export STANDIN_DIR="$PWD/build/$preset/standins"
export BENCH_DIR="$PWD/build/$preset/bench"
export WINE_TEST_PREFIX="$PWD/build/$preset/bench-prefix"
export SHIPPED_EXE="$PWD/build/windows/launcher.exe"
exec python3 bench/run_benchmarks.py
