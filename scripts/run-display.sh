# shellcheck shell=bash
# The common part of the run commands (sourced, not run): run.sh and run-update.sh set up
# and build as the tests do, then show a program on the user's display, or, without one,
# under Xvfb until its window is up, and save a picture of the screen.
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/run-lib.sh"

# velora_run_start RUN_DIR [SAMPLE_TREE.json]: set-up and build (as needed), then the run's X
# server (or the user's display), prefix and stand-in on the build's port; everything ends
# when the calling script exits.
velora_run_start() {
  local run_dir=$1 sample=${2:-}
  "$velora_scripts/setup.sh"
  velora_choose_test_arch
  "$velora_scripts/configure.sh"
  velora_run_port=$(cat "$VELORA_BUILD/standin-port")
  velora_user_display=${DISPLAY:-}
  "$velora_scripts/test-run.sh" start "$run_dir" "$velora_run_port" "$VELORA_TEST_ARCH" ${sample:+"$sample"}
  # shellcheck disable=SC2064
  trap "'$velora_scripts/test-run.sh' stop '$run_dir'" EXIT
  if [ -n "$velora_user_display" ]; then
    echo "$velora_user_display" >"$run_dir/display"
    # The run's prefix leaves windows unmanaged (no window manager runs on Xvfb); on a
    # real display the desktop's window manager looks after them.
    "$velora_scripts/wine-exec.sh" "$run_dir" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f \
      >/dev/null 2>&1
  fi
  # The desktop comes up before the program, and stays up, as in each test's sandbox: a
  # program that had to bring it up itself on a busy machine showed no window at all.
  velora_bring_up_desktop "$run_dir" "$VELORA_BUILD/tests/sandbox/desktop_ready.exe"
}

# velora_run_show RUN_DIR SHOT.png PROGRAM.exe: on the user's display, runs the program until
# it ends; without one, starts it, waits for its first window and a few seconds more for it
# to fill, and saves the screen in SHOT.png; fails when no window came.
velora_run_show() {
  local run_dir=$1 shot=$2 program=$3
  if [ -n "$velora_user_display" ]; then
    "$velora_scripts/wine-exec.sh" "$run_dir" "$program"
    return 0
  fi
  "$velora_scripts/wine-exec.sh" "$run_dir" "$program" &
  # Wine names a program's X windows' class after its executable, in lower case.
  local class shown=0
  class=$(basename "$program" | tr '[:upper:]' '[:lower:]')
  velora_wait_window "$run_dir" --classname "^$class\$" && shown=1
  [ "$shown" = 0 ] || sleep 5
  DISPLAY=$(cat "$run_dir/display") timeout 60 import -window root "$shot"
  echo "run: screenshot saved to $shot"
  if [ "$shown" = 0 ]; then
    echo "run: $(basename "$program") showed no window within a minute" >&2
    return 1
  fi
}

# velora_wait_window RUN_DIR --classname|--name PATTERN: waits up to a minute for a visible
# window on the run's display whose X class name or title matches; fails when none came.
velora_wait_window() {
  local display _
  display=$(cat "$1/display")
  for _ in $(seq 120); do
    # One search was seen to wait for the X server for good: each is bounded.
    DISPLAY=$display timeout 10 xdotool search --onlyvisible "$2" "$3" >/dev/null 2>&1 && return 0
    sleep 0.5
  done
  return 1
}
