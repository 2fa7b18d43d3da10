#!/usr/bin/env bash
# Starts and stops what a run needs around the Windows programs: an X server (Xvfb), a
# fresh Wine prefix set up for the tests, and the service stand-in. The run commands and
# the benchmarks use the whole run; the tests use its prefix as the template of their own.
# Usage: test-run.sh start RUN_DIR PORT ARCH [SAMPLE_TREE.json]
#        test-run.sh prefix RUN_DIR ARCH       (the prefix alone)
#        test-run.sh stop RUN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/run-lib.sh"

usage() {
  echo "usage: $0 start RUN_DIR PORT ARCH [SAMPLE_TREE.json] | prefix RUN_DIR ARCH | stop RUN_DIR" >&2
  exit 2
}

action=${1:-}
run_dir=${2:-}
[ -n "$run_dir" ] || usage
case "$action" in
start)
  [ $# -ge 4 ] || usage
  velora_stop_run "$run_dir"
  mkdir -p "$run_dir"
  echo "$4" >"$run_dir/arch"
  velora_start_xvfb "$run_dir"
  velora_make_prefix "$run_dir"
  velora_start_standin "$run_dir" "$3" "${5:-}"
  ;;
prefix)
  [ $# -ge 3 ] || usage
  velora_stop_run "$run_dir"
  mkdir -p "$run_dir"
  echo "$3" >"$run_dir/arch"
  velora_start_xvfb "$run_dir"
  velora_make_prefix "$run_dir"
  velora_stop_run "$run_dir"
  rm -f "$run_dir/display"
  ;;
stop) velora_stop_run "$run_dir" ;;
*) usage ;;
esac
