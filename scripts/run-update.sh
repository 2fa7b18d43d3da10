#!/usr/bin/env bash
# Shows the update flow under Wine against the local stand-in: Velora runs from an install
# folder, the stand-in offers a newer version with release notes and a 5 MB installer, and
# Update.exe starts beside it. A stand-in "unins000.exe" writes launched.txt when started.
# With no display it runs under Xvfb until the wizard is up and saves a screenshot
# (build/run-update/update.png).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/run-display.sh"

run_dir="$VELORA_BUILD/run-update"
velora_run_start "$run_dir"
port=$velora_run_port

# A fresh install each time: Velora with its skins and its data folder, whose configuration file
# (empty: no account) makes it check its version at start.
install="$run_dir/install"
rm -rf "$install"
mkdir -p "$install/data"
cp "$VELORA_BUILD/velora/Velora.exe" "$VELORA_BUILD/velora/Update.exe" "$install/"
cp -r "$VELORA_ROOT/Skins" "$install/"
: >"$install/data/config.vr"
cp "$VELORA_BUILD/tests/fixture_update_stub.exe" "$install/unins000.exe"
head -c 5242880 /dev/urandom >"$run_dir/standin-files/setup.exe"

# The offer: downloads go to port 80 of the run's own loopback address. Velora asks too, and
# offers the update in a box of its own, behind the wizard.
python3 - "$port" <<'PY'
import json, sys, urllib.request
port = int(sys.argv[1])
offer = {"appid": 1, "errorcode": 0, "error": "", "data": {
    "updatetype": "1", "clientType": "5", "clientverno": "1.0.0.2", "updatetime": "2026-01-01",
    "downurl": "http://127.0.%d.%d/files/setup.exe" % (port // 256, port % 256),
    "info": "维罗路书 1.0.0.2|新增：离线路书|改进：下载更快|修复：登录后偶尔不显示昵称"}}
# One for Velora's own version check at start, one for Update's.
for _ in range(2):
    request = urllib.request.Request("http://127.0.0.1:%d/_standin/reply?path=/client/update/" % port,
                                     data=json.dumps(offer, ensure_ascii=False).encode("utf-8"), method="POST")
    urllib.request.urlopen(request).read()
PY

"$here/wine-exec.sh" "$run_dir" "$install/Velora.exe" &
# Update starts once Velora's offer is on the screen, so its wizard comes up in front of both.
if ! velora_wait_window "$run_dir" --name '^维罗路书$'; then
  echo "run-update: Velora offered no update within a minute" >&2
  exit 1
fi
if [ -n "$velora_user_display" ]; then
  echo "run-update: the wizard is starting on $velora_user_display; Finish and OK end Velora and start unins000.exe."
else
  echo "run-update: no display: Update runs under Xvfb until its wizard is up."
fi
velora_run_show "$run_dir" "$run_dir/update.png" "$install/Update.exe"
if [ -n "$velora_user_display" ] && [ -f "$install/launched.txt" ]; then echo "run-update: unins000.exe was started."; fi
