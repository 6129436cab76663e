#!/usr/bin/env bash
# Builds everything and runs all tests. With --sanitize, builds into
# build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer. With
# --sanitize-threads, builds what runs on several threads (the scan, the run
# and the command-line tool) into build-tsan/ with ThreadSanitizer and runs
# their tests; the window's tests stay out, as Qt itself is not instrumented.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
case ${1:-} in
  --sanitize)
    export BUILD_DIR=build-sanitize
    tools/build.sh -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_SANITIZE=ON
    ;;
  --sanitize-threads)
    cmake -S . -B build-tsan -DVORLANE_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLANE_SANITIZE_THREADS=ON >/dev/null
    cmake --build build-tsan -j"$(nproc)" --target vorlane_tests scan_differential_tests vorlane-scan vorlane-make-examples
    build-tsan/vorlane_tests
    build-tsan/scan_differential_tests
    exit
    ;;
  *)
    export BUILD_DIR=build
    tools/build.sh
    ;;
esac
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
