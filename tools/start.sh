#!/usr/bin/env bash
# Builds the program and starts the desktop program. Without a display it
# says so and runs the command-line tool on the bundled example instead: the
# synthetic scenery files and list file that vorlane-make-examples writes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
build/vorlane-make-examples build/example
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  echo "Starting build/vorlane; the example list is build/example/list.txt"
  exec build/vorlane
fi
echo "No display found, so the desktop program cannot open its window."
echo "Running the command-line tool on the bundled example instead:"
build/vorlane-scan build/example/list.txt EDDF 1
