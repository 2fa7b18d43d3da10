# shellcheck shell=bash
# What a run needs around the Windows programs (sourced, not run): an X server, a Wine
# prefix set up for the tests, and the service stand-in, each writing its pid beside the
# run's other files in RUN_DIR. Used by test-run.sh (the run commands, the benchmarks
# and the tests' template prefix) and by test-sandbox.sh (one test program).
velora_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Starts Xvfb on a display of its own; RUN_DIR/display holds its name. Xvfb's own choice
# (-displayfd) is not enough: each sandbox has its own network namespace, where display :0
# always looks free, and servers of one number compile their keymaps into one file, so
# sandboxes starting together killed each other's X server ("Failed to activate virtual
# core keyboard"). So a display number is only taken under a lock on a file of its own,
# which the server holds for as long as it runs (flock --no-fork).
velora_start_xvfb() {
  local run_dir=$1 number _
  for number in $(seq 100 499); do
    rm -f "$run_dir/displayfd"
    flock --nonblock --no-fork "/tmp/velora-display-$number.lock" \
      Xvfb ":$number" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$run_dir/displayfd" >"$run_dir/xvfb.log" 2>&1 &
    echo $! >"$run_dir/xvfb.pid"
    # It writes the number once it accepts clients; a loaded machine can take seconds.
    for _ in $(seq 300); do
      if [ -s "$run_dir/displayfd" ]; then
        echo ":$(tr -d '\n' <"$run_dir/displayfd")" >"$run_dir/display"
        return 0
      fi
      kill -0 "$(cat "$run_dir/xvfb.pid")" 2>/dev/null || break
      sleep 0.1
    done
    # Locked by another run, or taken by an X server that is not ours: the next number.
    velora_kill_pidfile "$run_dir/xvfb.pid"
  done
  echo "test-run: Xvfb did not start:" >&2
  tail -n 5 "$run_dir/xvfb.log" >&2
  return 1
}

# Makes a fresh Wine prefix in RUN_DIR/wineprefix for RUN_DIR/arch, set up for the tests.
# One Windows process, the registry editor, runs from the prefix's first start to its last
# setting: a Wine process that starts while the wineserver ends a session (a few seconds
# after the last process ended, which a loaded machine easily hits between one short
# command and the next) leaves that session's service managers running for ever, and the
# wineserver with them. The set-up has bounds all the same: one that fails or overruns
# them is made anew.
velora_make_prefix() {
  local run_dir=$1 try
  for try in 1 2 3; do
    velora_try_prefix "$run_dir" && return 0
    echo "test-run: the Wine prefix's set-up in $run_dir failed or did not end (try $try of 3)" >&2
  done
  return 1
}

# One try of velora_make_prefix: false, with everything the prefix runs ended, when a
# step failed or did not end in time.
velora_try_prefix() {
  local run_dir=$1
  (
    source "$velora_scripts/wine-env.sh" "$run_dir"
    trap '[ $? = 0 ] || timeout 30 "$WINESERVER" -k 2>/dev/null' EXIT
    rm -rf "$WINEPREFIX"
    velora_prefix_settings >"$run_dir/prefix-settings.reg"
    # About 20 s on an idle machine, a minute with a whole suite starting beside it.
    timeout 240 "$WINE" regedit /S "Z:${run_dir//\//\\}\\prefix-settings.reg" >/dev/null 2>&1 || exit
    # The set-up ends completely before anything runs: a session left behind keeps the RPC
    # service (needed by every URL moniker, so by the browser control) from starting, and
    # each navigation waits 10 s for it. A sound set-up ends within seconds.
    timeout 60 "$WINESERVER" -w || exit
    grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" && grep -q '^"CaptionHeight"="-330"' "$WINEPREFIX/user.reg"
  )
}

# The prefix's settings as a registry file (UTF-16 with its byte-order mark, CR LF lines).
# "宋体" and "Arial" get a face with both Chinese and Latin glyphs: GDI+ takes no glyph from
# a linked font, so digits in "宋体" text (the client's version) and Chinese in the
# caption's "Arial" paths would show as empty boxes. Windows are unmanaged: no window
# manager runs on the test display, and Wine would wait for one 2 s at every hide of a
# managed window. A crash ends the program with its exit code instead of a dialog. Last,
# Windows' caption, border, menu and scroll bar sizes instead of Wine's smaller ones
# (window-metrics.reg): the skinned dialogs draw their titles where Windows' caption leaves
# room for them.
velora_prefix_settings() {
  printf '\xff\xfe'
  {
    cat <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="WenQuanYi Micro Hei"
"Arial"="WenQuanYi Micro Hei"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

REG
    sed 1d "$velora_scripts/window-metrics.reg"
  } | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE
}

# Brings the desktop of a run's prefix (RUN_DIR: a test's sandbox or a run command's run) up
# with READY.exe, a program that makes a hidden window, says whether it could and keeps it.
# Wine starts a prefix's desktop (explorer.exe) at a process's first window and waits 10 s
# for it; when that explorer does not come up in time ("The explorer process failed to
# start."), the desktop stays without a display driver for the rest of the session, and no
# process of that session makes a window. Wine also closes the desktop soon after its last
# process has ended, so the next program would have to bring it up once more. On a loaded
# machine this failed whole programs from their first window on. So READY.exe stays for the
# whole run, and each try that fails ends the session and starts a new one (two minutes at
# most). The wineserver is kept running from here on: a session that ends between one Wine
# process and the next (seconds after the last one ended) leaves its service managers
# running for ever. velora_stop_run ends it, and READY.exe with it.
velora_bring_up_desktop() {
  local run_dir=$1 ready=$2
  [ -f "$ready" ] || return 0
  (
    source "$velora_scripts/wine-env.sh" "$run_dir"
    local deadline=$((SECONDS + 120)) said=$run_dir/desktop.ready pid
    while :; do
      "$WINESERVER" -p >/dev/null 2>&1 || true
      rm -f "$said"
      "$WINE" "$ready" --keep >"$said" 2>/dev/null </dev/null &
      pid=$!
      # A try that hangs counts against the two minutes too.
      while [ ! -s "$said" ] && kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.2; done
      [ -s "$said" ] && exit 0
      if [ "$SECONDS" -ge "$deadline" ]; then
        echo "test-run: the Wine desktop in $run_dir did not come up within two minutes" >&2
        exit 0
      fi
      echo "test-run: the Wine desktop in $run_dir did not come up; starting its session anew" >&2
      "$WINESERVER" -k >/dev/null 2>&1 || true
      timeout 30 "$WINESERVER" -w >/dev/null 2>&1 || true
    done
  )
}

# Copies the prefix of TEMPLATE_RUN_DIR into RUN_DIR: the system folder (hundreds of MB that
# no program writes) as hard links, the registry and the user's folders as real copies.
velora_clone_prefix() {
  local template=$1/wineprefix prefix=$2/wineprefix
  rm -rf "$prefix"
  mkdir -p "$prefix/drive_c"
  (cd "$template" && find . -mindepth 1 -maxdepth 1 ! -name drive_c -exec cp -a {} "$prefix/" \;)
  (cd "$template/drive_c" && find . -mindepth 1 -maxdepth 1 ! -name windows -exec cp -a {} "$prefix/drive_c/" \;)
  cp -al "$template/drive_c/windows" "$prefix/drive_c/windows"
}

# Starts the stand-in on 127.0.0.1:PORT, serving downloads on port 80 of the run's own loopback
# address, 127.0.<port/256>.<port%256>, so that runs on one network do not collide.
velora_start_standin() {
  local run_dir=$1 port=$2 sample=()
  [ -n "${3:-}" ] && sample=(--sample "$3")
  rm -f "$run_dir/standin.port"
  python3 "$velora_scripts/../tests/service/standin.py" --port "$port" --files "$run_dir/standin-files" \
    --download-port 80 --download-host "127.0.$((port / 256)).$((port % 256))" \
    --port-file "$run_dir/standin.port" "${sample[@]}" >"$run_dir/standin.log" 2>&1 &
  echo $! >"$run_dir/standin.pid"
  local _
  for _ in $(seq 200); do
    [ -s "$run_dir/standin.port" ] && return 0
    sleep 0.05
  done
  echo "test-run: the service stand-in did not start (port $port)" >&2
  cat "$run_dir/standin.log" >&2
  return 1
}

velora_kill_pidfile() {
  local f=$1
  if [ -f "$f" ]; then
    kill "$(cat "$f")" 2>/dev/null || true
    rm -f "$f"
  fi
}

# Ends everything RUN_DIR started.
velora_stop_run() {
  local run_dir=$1
  if [ -d "$run_dir/wineprefix" ]; then
    (source "$velora_scripts/wine-env.sh" "$run_dir" && "$WINESERVER" -k 2>/dev/null) || true
  fi
  velora_kill_pidfile "$run_dir/standin.pid"
  velora_kill_pidfile "$run_dir/xvfb.pid"
}
