#!/usr/bin/env bash
# A README run command, run as a new user runs it: from the checkout, with no variable of
# ours set and no display. It must end with exit status 0 and leave a screenshot with a
# program window on it, not an empty screen.
# Usage: run_command_test.sh SCRIPT SCREENSHOT   (both relative to the checkout)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
script=$1 shot=$root/$2 log=$PWD/$(basename "$1" .sh).log
if [ -z "${VELORA_COMMAND_NET:-}" ] && unshare --net true 2>/dev/null; then
  # A network of its own: the command's stand-in and port 80 collide with nothing.
  VELORA_COMMAND_NET=own exec unshare --net -- sh -c 'ip link set lo up && exec "$@"' sh "$0" "$@"
fi
rm -f "$shot"
for v in $(compgen -e | grep '^VELORA_'); do unset "$v"; done
unset DISPLAY
(cd "$root" && bash "$script") >"$log" 2>&1
status=$?
if [ "$status" != 0 ]; then
  echo "$script ended with exit status $status:"
  tail -n 20 "$log"
  exit 1
fi
# An empty Xvfb screen is one colour (or a black and white weave); a program window brings
# its own colours over a good part of it.
/usr/bin/python3 - "$shot" <<'PY'
import sys
from PIL import Image
image = Image.open(sys.argv[1]).convert("RGB")
pixels = list(image.getdata())
painted = sum(1 for p in pixels if p not in ((0, 0, 0), (255, 255, 255))) / len(pixels)
colours = len(set(pixels))
print("%s: %.0f%% of the screen painted, %d colours" % (sys.argv[1], painted * 100, colours))
sys.exit(0 if painted >= 0.1 and colours >= 16 else 1)
PY
