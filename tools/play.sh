#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the table.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh --voice
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$(nproc)" --target velmora
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: the table needs a desktop (or run it under xvfb-run)." >&2
fi
exec build-release/velmora
