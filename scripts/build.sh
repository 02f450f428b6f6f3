#!/usr/bin/env bash
# Configures and builds the module.
#   scripts/build.sh [BUILD_DIR] [extra cmake options...]
# Default: a Debug build with AddressSanitizer and UndefinedBehaviorSanitizer in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}
shift || true

cmake -S "$root" -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug \
    -DVANTA_SANITIZE=ON \
    -DVANTA_WERROR=ON \
    "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
