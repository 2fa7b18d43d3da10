#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, then fetches
# the jsoncpp sources. Idempotent: quiet when everything is already there.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=env.sh
source "$here/env.sh"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

apt_updated=0
apt_update_once() {
  if [ "$apt_updated" = 0 ]; then
    as_root apt-get update -qq
    apt_updated=1
  fi
}

packages=(
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix cmake make googletest
  wine wine32:i386 wine64 xvfb x11-apps imagemagick
  locales fonts-droid-fallback fonts-wqy-microhei fonts-liberation
  python3 python3-pil dpkg-dev
)

missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
  apt_updated=0
fi
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update_once
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
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
      echo "setup: adding a deb-src entry"
      printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' |
        as_root tee "$src_list" >/dev/null
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
