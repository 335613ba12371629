#!/usr/bin/env bash
# Sets up the machine, builds the demo and runs it. Arguments go to the demo, e.g.
#   scripts/demo.sh --design              start with a design session
#   scripts/demo.sh --screenshot out.png  write a picture of a design session and exit
# Without a display it runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j 2 --target zkdemo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/demo/zkdemo "$@"
fi
exec build/demo/zkdemo "$@"
