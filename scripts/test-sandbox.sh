#!/usr/bin/env bash
# Runs one test program under Wine in a sandbox of its own, so that test programs run side
# by side: its own network namespace (its own 127.0.0.1, where its own service stand-in
# listens on the port the build compiled in, and its own port 80 for downloads), its own
# X server, and its own copy of the run's Wine prefix with its own wineserver. Everything
# it started ends with it: nothing the program left behind keeps CTest waiting.
# Usage: test-sandbox.sh RUN_ROOT PORT [--desktop-ready READY.exe] PROGRAM.exe [ARGS...]
# (CTest's cross-compiling emulator). RUN_ROOT holds the template prefix (test-run.sh prefix);
# the sandbox is RUN_ROOT/tests/$VELORA_TEST_NAME (or the program's name). READY.exe makes a
# window and says whether it could: it brings the prefix's desktop up before the program.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ $# -lt 3 ]; then
  echo "usage: $0 RUN_ROOT PORT PROGRAM.exe [ARGS...]" >&2
  exit 2
fi

if [ -z "${VELORA_SANDBOX_NET:-}" ]; then
  # A network namespace needs root, or a user namespace that maps us to root in it.
  if [ "$(id -u)" = 0 ]; then netns=(unshare --net); else netns=(unshare --map-root-user --net); fi
  if "${netns[@]}" true 2>/dev/null; then
    VELORA_SANDBOX_NET=own exec "${netns[@]}" -- "$0" "$@"
  fi
  # No namespace to be had: one stand-in port for all, so one test program at a time.
  echo "test-sandbox: no network namespace here; test programs run one at a time" >&2
  exec 9>"$1/shared-network.lock"
  flock 9
  export VELORA_SANDBOX_NET=shared
fi

source "$here/run-lib.sh"
run_root=$1 port=$2 ready=
shift 2
if [ "${1:-}" = --desktop-ready ]; then
  ready=$2
  shift 2
fi
name=${VELORA_TEST_NAME:-$(basename "$1" .exe)}
run_dir=$run_root/tests/$name
velora_stop_run "$run_dir"
rm -rf "$run_dir"
mkdir -p "$run_dir"
cp "$run_root/arch" "$run_dir/arch"
trap 'velora_stop_run "$run_dir"' EXIT

[ "$VELORA_SANDBOX_NET" = own ] && ip link set lo up
velora_start_xvfb "$run_dir"
velora_clone_prefix "$run_root" "$run_dir"
velora_start_standin "$run_dir" "$port"
source "$here/wine-env.sh" "$run_dir"
if [ -n "$ready" ]; then velora_bring_up_desktop "$run_dir" "$ready"; fi
status=0
"$WINE" "$@" || status=$?
exit "$status"
