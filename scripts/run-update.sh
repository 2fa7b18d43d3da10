#!/usr/bin/env bash
# Shows the update flow under Wine against the local stand-in: Velora runs from an install
# folder, the stand-in offers a newer version with release notes and a 5 MB installer, and
# Update.exe starts beside it. A stand-in "unins000.exe" writes launched.txt when started.
# With no display it runs under Xvfb for a while and saves a screenshot
# (build/run-update/update.png).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/env.sh"

"$here/setup.sh"
"$here/configure.sh"

run_dir="$VELORA_BUILD/run-update"
port=$(cat "$VELORA_BUILD/standin-port")
user_display=${DISPLAY:-}
"$here/test-run.sh" start "$run_dir" "$port" "$VELORA_TEST_ARCH"
trap '"$here/test-run.sh" stop "$run_dir"' EXIT
[ -n "$user_display" ] && echo "$user_display" >"$run_dir/display"
# The test prefix leaves windows unmanaged (no window manager runs on Xvfb); on a real
# display the desktop's window manager looks after them.
[ -n "$user_display" ] && "$here/wine-exec.sh" "$run_dir" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1

install="$run_dir/install"
mkdir -p "$install"
cp "$VELORA_BUILD/velora/Velora.exe" "$VELORA_BUILD/velora/Update.exe" "$install/"
cp "$VELORA_BUILD/tests/fixture_update_stub.exe" "$install/unins000.exe"
head -c 5242880 /dev/urandom >"$run_dir/standin-files/setup.exe"

# The offer: downloads go to port 80 of the run's own loopback address.
python3 - "$port" <<'PY'
import json, sys, urllib.request
port = int(sys.argv[1])
offer = {"appid": 1, "errorcode": 0, "error": "", "data": {
    "updatetype": "1", "clientType": "5", "clientverno": "1.0.0.2", "updatetime": "2026-01-01",
    "downurl": "http://127.0.%d.%d/files/setup.exe" % (port // 256, port % 256),
    "info": "维罗路书 1.0.0.2|新增：离线路书|改进：下载更快|修复：登录后偶尔不显示昵称"}}
request = urllib.request.Request("http://127.0.0.1:%d/_standin/reply?path=/client/update/" % port,
                                 data=json.dumps(offer, ensure_ascii=False).encode("utf-8"), method="POST")
urllib.request.urlopen(request).read()
PY

"$here/wine-exec.sh" "$run_dir" "$install/Velora.exe" &
sleep 3
if [ -n "$user_display" ]; then
  echo "run-update: the wizard is starting on $user_display; Finish and OK end Velora and start unins000.exe."
  "$here/wine-exec.sh" "$run_dir" "$install/Update.exe"
  [ -f "$install/launched.txt" ] && echo "run-update: unins000.exe was started."
else
  echo "run-update: no display: Update runs under Xvfb for 10 seconds."
  "$here/wine-exec.sh" "$run_dir" "$install/Update.exe" &
  sleep 10
  DISPLAY=$(cat "$run_dir/display") import -window root "$run_dir/update.png"
  echo "run-update: screenshot saved to $run_dir/update.png"
fi
