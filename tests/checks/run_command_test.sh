#!/usr/bin/env bash
# The README's run commands, each run as a new user runs it: from the checkout, with no
# variable of ours set and no display. Each must end with exit status 0 and leave a
# screenshot with a program window on it, not an empty screen. They build into the same
# folders, so they run one after the other.
# Usage: run_command_test.sh SCRIPT SCREENSHOT [SCRIPT SCREENSHOT...]   (relative to the checkout)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${VELORA_COMMAND_NET:-}" ] && unshare --net true 2>/dev/null; then
  # A network of its own: the commands' stand-ins and port 80 collide with nothing.
  VELORA_COMMAND_NET=own exec unshare --net -- sh -c 'ip link set lo up && exec "$@"' sh "$0" "$@"
fi
for v in $(compgen -e | grep '^VELORA_'); do unset "$v"; done
unset DISPLAY

# An empty Xvfb screen is one colour (or a black and white weave); a program window brings
# its own colours over a good part of it.
check_screenshot() {
  /usr/bin/python3 - "$1" <<'PY'
import sys
from PIL import Image
image = Image.open(sys.argv[1]).convert("RGB")
pixels = list(image.getdata())
painted = sum(1 for p in pixels if p not in ((0, 0, 0), (255, 255, 255))) / len(pixels)
colours = len(set(pixels))
print("%s: %.0f%% of the screen painted, %d colours" % (sys.argv[1], painted * 100, colours))
sys.exit(0 if painted >= 0.1 and colours >= 16 else 1)
PY
}

failures=0
while [ $# -ge 2 ]; do
  script=$1 shot=$root/$2 log=$PWD/$(basename "$1" .sh).log
  shift 2
  rm -f "$shot"
  if ! (cd "$root" && bash "$script") >"$log" 2>&1; then
    echo "$script failed:"
    tail -n 20 "$log"
    failures=$((failures + 1))
  elif ! check_screenshot "$shot"; then
    echo "$script left no program window on its screenshot"
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
