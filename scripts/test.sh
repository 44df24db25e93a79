#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite through ctest.
# Extra arguments go to CMake's configure step (for example -DCLASSIFIER_WERROR=ON).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build --parallel
ctest --test-dir build --output-on-failure --parallel 2
