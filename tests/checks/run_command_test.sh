#!/usr/bin/env bash
# The README's run commands, each run as a new user runs it: from the checkout, with no
# variable of ours set and no display. Each must end with exit status 0 and leave a
# screenshot that shows what the README says: Velora's frame with its skinned caption band
# and, for the update flow, the wizard's first page with the release notes in front of it.
# They build into the same folders, so they run one after the other.
# Usage: run_command_test.sh SCRIPT SCREENSHOT velora|velora+wizard [...]   (relative to the checkout)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ -z "${VELORA_COMMAND_NET:-}" ] && unshare --net true 2>/dev/null; then
  # A network of its own: the commands' stand-ins and port 80 collide with nothing.
  VELORA_COMMAND_NET=own exec unshare --net -- sh -c 'ip link set lo up && exec "$@"' sh "$0" "$@"
fi
for v in $(compgen -e | grep '^VELORA_'); do unset "$v"; done
unset DISPLAY

check_screenshot() {
  /usr/bin/python3 - "$1" "$2" "$root/Skins/bg_title_bar.png" <<'PY'
import sys
from PIL import Image
shot, shows, skin = sys.argv[1:4]
image = Image.open(shot).convert("RGB")
pixels, band = image.load(), Image.open(skin).convert("RGB").load()
width, height = image.size
ok = True

# Velora's 920 x 680 frame is centred on the screen. Between the settings entry and the window
# buttons (and right of the wizard) its caption band shows nothing but the band's background
# image, pixel for pixel: unpainted, it is black.
left, top = width // 2 - 460, height // 2 - 340
strip = [(x, y) for y in range(57) for x in range(548, 798)]
same = sum(pixels[left + x, top + y] == band[x, y] for x, y in strip) / len(strip)
print("%s: %.0f%% of the caption band's strip shows its skin" % (shot, same * 100))
ok = ok and same >= 0.98

if shows == "velora+wizard":
    # The wizard sits centred on the screen, in front. Its first page's list shows the heading
    # and the four lines of release notes, dark text from about 255 px left of the centre, each
    # at least seven characters long: a list covered by Velora's frame or an empty one shows no
    # such lines, a black screen one block.
    cx, cy = width // 2, height // 2
    lines = []
    for y in range(cy - 170, cy - 60):
        ink = [x for x in range(cx - 270, cx + 10) if max(pixels[x, y]) < 0x60]
        if ink and lines and y - lines[-1][1] <= 3:
            lines[-1] = [max(lines[-1][0], ink[-1]), y]
        elif ink:
            lines.append([ink[-1], y])
    print("%s: the wizard's list shows %d lines of text, ending at x = %s" %
          (shot, len(lines), ", ".join(str(right) for right, _ in lines)))
    ok = ok and len(lines) == 5 and all(right > cx - 200 for right, _ in lines)
sys.exit(0 if ok else 1)
PY
}

failures=0
while [ $# -ge 3 ]; do
  script=$1 shot=$root/$2 shows=$3 log=$PWD/$(basename "$1" .sh).log
  shift 3
  rm -f "$shot"
  if ! (cd "$root" && bash "$script") >"$log" 2>&1; then
    echo "$script failed:"
    tail -n 20 "$log"
    failures=$((failures + 1))
  elif ! check_screenshot "$shot" "$shows"; then
    echo "$script did not leave on its screenshot what it shows"
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
