#!/usr/bin/env bash
# Builds the program and runs it on the bundled example: the synthetic
# scenery files and list file that vorlane-make-examples writes.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh
build/vorlane-make-examples build/example
build/vorlane-scan build/example/list.txt EDDF 1
