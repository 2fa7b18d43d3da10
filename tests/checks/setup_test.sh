#!/usr/bin/env bash
# What set-up decides when the package mirror fails, with a fake apt on PATH (no network):
# a failing index is retried and then passed over, 32-bit Wine that cannot be installed
# means the x86_64 build is tested, and any other package that cannot be installed stops
# set-up, named. Each case: index failures, uninstallable packages, missing packages,
# whether wine32 failed within the hour; then the expected exit, architecture and output.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The fakes keep their state in $FAKE: missing (packages not installed), uninstallable,
# update-failures (how many more updates fail) and calls (every apt-get call).
mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'SH'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE/calls"
case " $* " in
*" update "*)
  n=$(cat "$FAKE/update-failures")
  if [ "$n" -gt 0 ]; then
    echo $((n - 1)) >"$FAKE/update-failures"
    echo "E: Failed to fetch http://mirror.example/pool-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    exit 100
  fi ;;
*" install "*)
  pkgs=()
  for a in "$@"; do case "$a" in -* | install) ;; *) pkgs+=("$a") ;; esac; done
  for p in "${pkgs[@]}"; do
    if grep -qx "$p" "$FAKE/uninstallable"; then
      echo "E: Unable to correct problems, you have held broken packages."
      exit 100
    fi
  done
  for p in "${pkgs[@]}"; do
    grep -vx "$p" "$FAKE/missing" >"$FAKE/missing.new"; mv "$FAKE/missing.new" "$FAKE/missing"
    [ "$p" = wine32:i386 ] && printf '#!/bin/sh\necho wine-8.0\n' >"$VELORA_WINE_LIB/wine" && chmod +x "$VELORA_WINE_LIB/wine"
  done ;;
esac
exit 0
SH
cat >"$work/bin/dpkg-query" <<'SH'
#!/usr/bin/env bash
p=${*: -1}
grep -qx "$p" "$FAKE/missing" && exit 1
echo "install ok installed"
SH
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"
printf '#!/bin/sh\necho zh_CN.utf8\n' >"$work/bin/locale"
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

failures=0
# name | index failures | uninstallable | missing | wine32 failed within the hour | exit | arch | output | apt-get update calls
cases=(
  "broken i386 index|9|wine32:i386|xvfb wine32:i386|no|0|x86_64|apt-get update failed 3 times (http://mirror.example/pool-security/dists/bookworm-security/main/binary-i386/Packages.xz)|3"
  "index back on retry|1||xvfb wine32:i386|no|0|i686|installing wine32:i386|2"
  "other package missing|0|cmake|xvfb cmake wine32:i386|no|1|x86_64|setup: cannot install cmake;|1"
  "wine32 failed lately|9|wine32:i386|wine32:i386|yes|0|x86_64|could not be installed within the last hour|0"
  "nothing missing|9|||no|0|i686||0"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name index_failures uninstallable missing lately want_exit want_arch want_output want_updates <<<"$c"
  export FAKE=$work/state VELORA_DEPS=$work/deps VELORA_WINE_LIB=$work/wine VELORA_APT_RETRY_PAUSE=0
  rm -rf "$FAKE" "$VELORA_DEPS" "$VELORA_WINE_LIB"
  mkdir -p "$FAKE" "$VELORA_DEPS/jsoncpp/src/lib_json" "$VELORA_WINE_LIB"
  touch "$VELORA_DEPS/jsoncpp/src/lib_json/json_value.cpp" "$VELORA_WINE_LIB/wine64" "$FAKE/calls"
  case " $missing " in *" wine32:i386 "*) ;; *) cp "$work/bin/locale" "$VELORA_WINE_LIB/wine" ;; esac
  [ "$lately" = yes ] && touch "$VELORA_DEPS/wine32-failed"
  echo "$index_failures" >"$FAKE/update-failures"
  tr ' ' '\n' <<<"$uninstallable" >"$FAKE/uninstallable"
  tr ' ' '\n' <<<"$missing" >"$FAKE/missing"

  output=$(PATH="$work/bin:$PATH" bash "$root/scripts/setup.sh" 2>&1)
  got_exit=$?
  got_arch=$(unset VELORA_TEST_ARCH; source "$root/scripts/env.sh" && velora_choose_test_arch && echo "$VELORA_TEST_ARCH")
  got_updates=$(grep -c 'apt-get update -qq -o Acquire::Retries=3' "$FAKE/calls")
  problems=()
  [ "$got_exit" = "$want_exit" ] || problems+=("exit $got_exit, not $want_exit")
  [ "$want_exit" != 0 ] || [ "$got_arch" = "$want_arch" ] || problems+=("architecture $got_arch, not $want_arch")
  [[ "$output" == *"$want_output"* ]] || problems+=("no \"$want_output\" in the output")
  [ "$got_updates" = "$want_updates" ] || problems+=("$got_updates updates, not $want_updates")
  if [ "$want_exit" = 0 ] && grep -qvx 'wine32:i386' <(grep . "$FAKE/missing"); then problems+=("left uninstalled: $(tr '\n' ' ' <"$FAKE/missing")"); fi
  if [ ${#problems[@]} -gt 0 ]; then
    failures=$((failures + 1))
    printf 'FAIL %s: %s\n--- output:\n%s\n' "$name" "$(IFS=';'; echo "${problems[*]}")" "$output"
  else
    echo "ok   $name"
  fi
done
exit $((failures > 0))
