#!/usr/bin/env bash
# The deb-src entries derived from sample apt source files in both forms: Debian's deb
# entries give deb-src entries with their URIs, release suites, components and keyring;
# comments, deb-src lines, disabled entries and other archives give none.
set -euo pipefail
source "$(dirname "$0")/../../scripts/debsrc.sh"
apt=$(mktemp -d)
trap 'rm -rf "$apt"' EXIT
mkdir -p "$apt/sources.list.d"

cat >"$apt/sources.list" <<'LIST'
# one-line form
deb http://mirror.example/pool-main bookworm main contrib
deb-src http://mirror.example/pool-main bookworm main
deb [ arch=amd64 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg ] http://mirror.example/pool-up bookworm-updates main # note
deb [arch=amd64 signed-by=/etc/apt/keyrings/vendor.gpg] https://vendor.example/apt bookworm stable
deb http://mirror.example/pool-old bullseye main
LIST
cat >"$apt/sources.list.d/extra.list" <<'LIST'
deb https://vendor.example/pg bookworm-pgdg main
LIST
cat >"$apt/sources.list.d/main.sources" <<'SOURCES'
Types: deb
# a comment inside the entry
URIs: http://mirror.example/pool-a http://mirror.example/pool-b
Suites: bookworm bookworm-updates bookworm-security
Components: main
 non-free-firmware
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://mirror.example/pool-off
Suites: bookworm
Components: main
Enabled: no

types: deb deb-src
uris: http://mirror.example/pool-c
suites: bookworm-backports
components: main
SOURCES
cat >"$apt/sources.list.d/vendor.sources" <<'SOURCES'
Types: deb
URIs: https://vendor.example/node
Suites: nodistro
Components: main
Signed-By: /usr/share/keyrings/vendor.gpg
SOURCES
cat >"$apt/sources.list.d/ignored.list.disabled" <<'LIST'
deb http://mirror.example/pool-disabled bookworm main
LIST

expected='Types: deb-src
URIs: http://mirror.example/pool-main
Suites: bookworm
Components: main contrib

Types: deb-src
URIs: http://mirror.example/pool-up
Suites: bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://mirror.example/pool-a http://mirror.example/pool-b
Suites: bookworm bookworm-updates bookworm-security
Components: main non-free-firmware
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://mirror.example/pool-c
Suites: bookworm-backports
Components: main'
actual=$(velora_debsrc_entries "$apt" bookworm)
if [ "$actual" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
# Nothing configured: nothing derived.
rm -rf "$apt"/sources.list "$apt"/sources.list.d/*
[ -z "$(velora_debsrc_entries "$apt" bookworm)" ]
