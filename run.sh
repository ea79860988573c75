#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Its data files live beside the
# executable, in build/bin.
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are empty)." >&2
    echo "Velbor Inventory is a desktop program: start it from a graphical session," >&2
    echo "or under a virtual one, e.g.  xvfb-run -s '-screen 0 1280x1024x24' ./run.sh" >&2
    exit 1
fi

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel 2 --target velbor-inventory
exec build/bin/velbor-inventory
