#!/usr/bin/env bash
# Installs dependencies, builds from scratch with sanitizers and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"

"$root/scripts/install-deps.sh"
rm -rf "$build_dir"
"$root/scripts/build.sh" "$build_dir"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure --parallel "$(nproc)"
