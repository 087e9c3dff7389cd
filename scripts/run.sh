#!/usr/bin/env bash
# Sets up, builds polyvista (Release) and runs it with the given arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >&2
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target polyvista >&2
exec build/bin/polyvista "$@"
