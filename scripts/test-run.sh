#!/usr/bin/env bash
# Starts and stops what a test run needs around the Windows programs: an X server
# (Xvfb), a fresh Wine prefix set up for the tests, and the service stand-in.
# Usage: test-run.sh start RUN_DIR PORT ARCH [SAMPLE_TREE.json] | stop RUN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
action=$1
run_dir=$2

wine_env() {
  source "$here/wine-env.sh" "$run_dir"
}

start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  echo $! >"$run_dir/xvfb.pid"
  echo ":$n" >"$run_dir/display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return 0; sleep 0.1; done
  echo "test-run: Xvfb did not start" >&2
  return 1
}

make_prefix() {
  wine_env
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1
  local fonts='HKCU\Software\Wine\Fonts\Replacements'
  # A face with both Chinese and Latin glyphs for both names the client draws with: GDI+
  # takes no glyph from a linked font, so digits in "宋体" text (the client's version) and
  # Chinese in the caption's "Arial" paths would show as empty boxes.
  "$WINE" reg add "$fonts" /v "宋体" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  "$WINE" reg add "$fonts" /v "Arial" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  # No window manager runs on the test display: Wine would wait for one 2 s at every hide of a managed window.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # The prefix's first start can leave two service managers behind; the RPC service
  # (needed by every URL moniker, so by the browser control) then never starts and each
  # navigation waits 10 s for it. So the set-up ends completely first...
  "$WINESERVER" -w
  # ...then one persistent server for the whole run (each program then starts quickly),
  # whose system processes start once, with this first program.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null
  "$WINE" reg query 'HKCU\Software\Wine\WineDbg' >/dev/null 2>&1
}

start_standin() {
  local port=$1
  local sample=()
  [ -n "${2:-}" ] && sample=(--sample "$2")
  rm -f "$run_dir/standin.port"
  # Downloads always go to port 80: each run serves it on its own loopback address,
  # 127.0.<port/256>.<port%256>, so parallel runs do not collide.
  python3 "$here/../tests/service/standin.py" --port "$port" --files "$run_dir/standin-files" \
    --download-port 80 --download-host "127.0.$((port / 256)).$((port % 256))" \
    --port-file "$run_dir/standin.port" "${sample[@]}" >"$run_dir/standin.log" 2>&1 &
  echo $! >"$run_dir/standin.pid"
  for _ in $(seq 100); do [ -s "$run_dir/standin.port" ] && return 0; sleep 0.1; done
  echo "test-run: the service stand-in did not start (port $port)" >&2
  cat "$run_dir/standin.log" >&2
  return 1
}

kill_pidfile() {
  local f=$1
  if [ -f "$f" ]; then
    kill "$(cat "$f")" 2>/dev/null || true
    rm -f "$f"
  fi
}

case "$action" in
start)
  port=$3
  "$0" stop "$run_dir" || true
  mkdir -p "$run_dir"
  echo "${4:-i686}" >"$run_dir/arch"
  start_xvfb
  make_prefix
  start_standin "$port" "${5:-}"
  ;;
stop)
  if [ -d "$run_dir/wineprefix" ] && [ -f "$run_dir/display" ]; then
    (wine_env && "$WINESERVER" -k 2>/dev/null) || true
  fi
  kill_pidfile "$run_dir/standin.pid"
  kill_pidfile "$run_dir/xvfb.pid"
  ;;
*)
  echo "usage: $0 start RUN_DIR PORT ARCH | stop RUN_DIR" >&2
  exit 2
  ;;
esac
