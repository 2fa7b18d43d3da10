#!/usr/bin/env bash
# Sets up a fresh Debian machine (as needed), builds, and runs Velora under Wine against
# the local stand-in service with a small sample category tree. With no display it runs
# under Xvfb until its window has filled and saves a screenshot (build/run/velora.png).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/run-display.sh"

run_dir="$VELORA_BUILD/run"
velora_run_start "$run_dir" "$VELORA_ROOT/tests/service/sample-tree.json"

# Velora keeps its account in data\config.vr beside itself: an install folder of its own,
# with the sample account stored so that it logs in at start.
install="$run_dir/install"
mkdir -p "$install/data"
cp "$VELORA_BUILD/velora/Velora.exe" "$install/"
if [ -d "$VELORA_ROOT/Skins" ]; then cp -r "$VELORA_ROOT/Skins" "$install/"; fi
[ -s "$install/data/config.vr" ] || printf '\011traveller\007secret1' >"$install/data/config.vr"

if [ -n "$velora_user_display" ]; then
  echo "run: Velora is starting on $velora_user_display; close its window to end."
else
  echo "run: no display: Velora runs under Xvfb until its window has filled."
fi
velora_run_show "$run_dir" "$run_dir/velora.png" "$install/Velora.exe"
