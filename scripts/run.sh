#!/usr/bin/env bash
# Sets up a fresh Debian machine (as needed), builds, and runs Velora under Wine against
# the local stand-in service with a small sample category tree. With no display it runs
# under Xvfb for a while and saves a screenshot (build/run/velora.png).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"

"$here/setup.sh"
velora_choose_test_arch
"$here/configure.sh"

run_dir="$VELORA_BUILD/run"
user_display=${DISPLAY:-}
"$here/test-run.sh" start "$run_dir" "$(cat "$VELORA_BUILD/standin-port")" "$VELORA_TEST_ARCH" \
  "$VELORA_ROOT/tests/service/sample-tree.json"
trap '"$here/test-run.sh" stop "$run_dir"' EXIT
[ -n "$user_display" ] && echo "$user_display" >"$run_dir/display"
# The test prefix leaves windows unmanaged (no window manager runs on Xvfb); on a real
# display the desktop's window manager looks after them.
[ -n "$user_display" ] && "$here/wine-exec.sh" "$run_dir" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1

# Velora keeps its account in data\config.vr beside itself: an install folder of its own,
# with the sample account stored so that it logs in at start.
install="$run_dir/install"
mkdir -p "$install/data"
cp "$VELORA_BUILD/velora/Velora.exe" "$install/"
if [ -d "$VELORA_ROOT/Skins" ]; then cp -r "$VELORA_ROOT/Skins" "$install/"; fi
[ -s "$install/data/config.vr" ] || printf '\011traveller\007secret1' >"$install/data/config.vr"

if [ -n "$user_display" ]; then
  echo "run: Velora is starting on $user_display; close its window to end."
  "$here/wine-exec.sh" "$run_dir" "$install/Velora.exe"
else
  echo "run: no display: Velora runs under Xvfb for 20 seconds."
  "$here/wine-exec.sh" "$run_dir" "$install/Velora.exe" &
  sleep 20
  DISPLAY=$(cat "$run_dir/display") import -window root "$run_dir/velora.png"
  echo "run: screenshot saved to $run_dir/velora.png"
fi
