#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the test run's prefix.
# Usage: wine-exec.sh RUN_DIR PROGRAM.exe [ARGS...]   (CTest's cross-compiling emulator)
set -u
run_dir=$1
shift
source "$(dirname "$0")/wine-env.sh" "$run_dir"
exec "$WINE" "$@"
