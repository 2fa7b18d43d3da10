#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, then fetches
# the jsoncpp sources. Idempotent: quiet when everything is already there.
#
# A package mirror can be caught mid-sync for hours, with one index failing. Set-up then
# goes on with the lists that arrived; only 32-bit Wine may be missing afterwards (its
# libraries must match the 64-bit ones exactly), and then the tests run on the x86_64
# build. Any other package that cannot be installed stops set-up, named.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=env.sh
source "$here/env.sh"
# shellcheck source=debsrc.sh
source "$here/debsrc.sh"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }
apt_log=$(mktemp)
trap 'rm -f "$apt_log"' EXIT

apt_updated=0
apt_update_once() {
  [ "$apt_updated" = 0 ] || return 0
  apt_updated=1
  local try
  for try in 1 2 3; do
    as_root apt-get update -qq -o Acquire::Retries=3 >"$apt_log" 2>&1 && return 0
    [ "$try" = 3 ] || sleep "${VELORA_APT_RETRY_PAUSE:-10}"
  done
  local failed
  failed=$(sed -n 's/^E: Failed to fetch \([^ ]*\).*/\1/p' "$apt_log" | head -n 1)
  echo "setup: warning: apt-get update failed 3 times (${failed:-$(grep -m 1 '^E:' "$apt_log")});" \
    "going on with the package lists that arrived" >&2
}

apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >"$apt_log" 2>&1
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }

packages=(
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix cmake make googletest
  wine wine64 xvfb x11-apps imagemagick xdotool iproute2
  locales fonts-droid-fallback fonts-wqy-microhei fonts-liberation
  python3 python3-pil dpkg-dev
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  apt_updated=0
fi

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update_once
  if ! apt_install "${missing[@]}"; then
    # One at a time, to name the packages that cannot be had.
    failed=()
    for p in "${missing[@]}"; do installed "$p" || apt_install "$p" || failed+=("$p"); done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "setup: cannot install ${failed[*]}; apt-get said:" >&2
      grep -E '^(E|W):' "$apt_log" | head -n 5 >&2 || tail -n 5 "$apt_log" >&2
      exit 1
    fi
  fi
fi

# 32-bit Wine on its own: without it the tests run on the x86_64 build. After a failure
# the next hour's runs do not ask the mirror again.
wine32_failed=$VELORA_DEPS/wine32-failed
if ! installed wine32:i386; then
  if [ -n "$(find "$wine32_failed" -mmin -60 2>/dev/null)" ]; then
    echo "setup: wine32:i386 could not be installed within the last hour; the tests run on the x86_64 build" >&2
  else
    echo "setup: installing wine32:i386"
    apt_update_once
    if apt_install wine32:i386; then
      rm -f "$wine32_failed"
    else
      mkdir -p "$VELORA_DEPS" && touch "$wine32_failed"
      echo "setup: wine32:i386 cannot be installed ($(grep -m 1 '^E:' "$apt_log" | cut -c 4-100));" \
        "the tests will run on the x86_64 build" >&2
    fi
  fi
fi

# Wine's ANSI code page follows the Unix locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  as_root sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi

# jsoncpp is built for the target from Debian's source package.
if [ ! -f "$VELORA_DEPS/jsoncpp/src/lib_json/json_value.cpp" ]; then
  src_list=/etc/apt/sources.list.d/velora-deb-src.sources
  if ! apt-get source --print-uris libjsoncpp >/dev/null 2>&1; then
    if [ ! -f "$src_list" ]; then
      # The same archive as the machine's own Debian entries, for sources.
      codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
      entries=$(velora_debsrc_entries /etc/apt "$codename")
      if [ -z "$entries" ]; then
        echo "setup: apt has no Debian deb entry for $codename to derive a deb-src entry from" >&2
        exit 1
      fi
      echo "setup: adding deb-src entries for the configured Debian sources"
      echo "$entries" | as_root tee "$src_list" >/dev/null
    fi
    apt_updated=0
    apt_update_once
  fi
  echo "setup: fetching the jsoncpp sources"
  mkdir -p "$VELORA_DEPS/download"
  (cd "$VELORA_DEPS/download" && apt-get source -qq libjsoncpp >/dev/null 2>&1)
  dir=$(find "$VELORA_DEPS/download" -maxdepth 1 -type d -name 'libjsoncpp-*' | head -n 1)
  [ -n "$dir" ] || { echo "setup: apt-get source libjsoncpp failed" >&2; exit 1; }
  rm -rf "$VELORA_DEPS/jsoncpp"
  mv "$dir" "$VELORA_DEPS/jsoncpp"
  rm -rf "$VELORA_DEPS/download"
fi
