#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-format
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32 xvfb xauth
  googletest libgtest-dev libbenchmark-dev
  python3 curl xz-utils
  libclang-rt-14-dev
)

# The security mirror sometimes serves an i386 index whose size disagrees with its
# Release file; apt then drops the index, and the i386 halves of libraries that
# have security updates cannot match their amd64 halves. The index itself is
# sound, so it is placed where apt keeps its lists.
repair_i386_security_index() {
  local lists=/var/lib/apt/lists
  local name=deb.debian.org_debian-security_dists_bookworm-security_main_binary-i386_Packages
  if ls "$lists/$name"* >/dev/null 2>&1; then return 0; fi
  if ! grep -rqs debian-security /etc/apt/sources.list /etc/apt/sources.list.d; then return 0; fi
  local tmp
  tmp=$(mktemp)
  if curl -fsS -o "$tmp" http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz &&
     xz -dc "$tmp" > "$tmp.txt"; then
    $sudo_cmd cp "$tmp.txt" "$lists/$name"
    echo "setup: placed the i386 security index by hand"
  fi
  rm -f "$tmp" "$tmp.txt"
}

sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo_cmd dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ -n "${need_update:-}" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq || true
  repair_i386_security_index
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi
echo "setup: all packages present"
