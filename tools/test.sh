#!/usr/bin/env bash
# Builds everything and runs all tests. With --sanitize, builds into
# build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
if [[ ${1:-} == --sanitize ]]; then
  export BUILD_DIR=build-sanitize
  tools/build.sh -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_SANITIZE=ON
else
  export BUILD_DIR=build
  tools/build.sh
fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
