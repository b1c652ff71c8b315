#!/usr/bin/env bash
# Installs what Tournel needs (on Debian 12), builds it, and starts the desktop
# application on the example season. As root it installs the packages itself,
# otherwise through sudo. TOURNEL_SKIP_INSTALL=1 skips the installation.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh

if [ "${TOURNEL_SKIP_INSTALL:-0}" != 1 ]; then
    tournel_install_packages
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"${TOURNEL_JOBS:-2}" --target tournel tournel-cli

season=examples/season.tnd
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat <<TEXT

Tournel is built, but this session has no display to show its window on.

To run the window in a virtual display (Xvfb, installed above):
    xvfb-run -a build/app/tournel $season

Without any window, tournel-cli works on the same files:
    build/cli/tournel-cli dump $season                      # the whole season as JSON
    build/cli/tournel-cli --seed 1 schedule $season -o /tmp/planned.tnd
    build/cli/tournel-cli --help
TEXT
    exit 0
fi
exec build/app/tournel "$season"
