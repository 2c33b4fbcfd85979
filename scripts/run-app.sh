#!/usr/bin/env bash
# Installs what is missing, builds Polymetra and launches it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DPOLYMETRA_BUILD_TESTS=OFF -DPOLYMETRA_BUILD_BENCHMARKS=OFF > /dev/null
cmake --build build/release --target polymetra

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built build/release/app/polymetra, but there is no display to show it on." >&2
    echo "Run this from a desktop session (or set DISPLAY) to launch Polymetra." >&2
    exit 1
fi
exec build/release/app/polymetra "$@"
