#!/usr/bin/env bash
# Installs everything the builds and the tests need on a Debian 12 machine, through apt as this
# machine configures it. Idempotent: when every package is present it only checks and returns.
# The 32-bit Wine packages are installed only where the machine runs 32-bit programs and apt's
# i386 indexes are ones its signature check accepted; otherwise setup says why it installed none,
# and the tests run as 64-bit programs only.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)

packages=(
  cmake ninja-build g++ clang clang-format lld python3 xz-utils
  mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth fonts-wqy-microhei
  googletest libgtest-dev libbenchmark-dev libclang-rt-14-dev
)
packages_i386=(wine32:i386)

sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
export DEBIAN_FRONTEND=noninteractive

missing_of() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then echo "$p"; fi
  done
}

updated=""
apt_update() {
  if [ -z "$updated" ]; then
    $sudo_cmd apt-get update -qq >/dev/null 2>&1 || true
    updated=1
  fi
}

# Each i386 index that apt lists as a target but holds no file of: apt refused it (for example a
# mirror serving a file whose size disagrees with the signed Release file).
refused_i386_indexes() {
  apt-get indextargets --no-release-info \
    --format '$(ARCHITECTURE) $(FILENAME) $(URI) $(BASE_URI) $(METAKEY)' 2>/dev/null |
    while read -r arch file uri base key; do
      if [ "$arch" = i386 ] && ! ls "$file"* >/dev/null 2>&1; then echo "$file $uri $base $key"; fi
    done
}

# Fetches a refused index again from the address apt's configuration gives and keeps it only when
# its SHA256 equals the one in the signed InRelease that apt verified (apt-helper checks it).
fetch_verified_index() {
  local file=$1 uri=$2 base=$3 key=$4
  local release=/var/lib/apt/lists/$(echo "${base#*://}" | tr '/' '_')InRelease
  [ -f "$release" ] || return 1
  local hash
  hash=$(awk -v k="$key.xz" '/^SHA256:/ {s = 1; next} /^[^ ]/ {s = 0} s && $3 == k {print $1}' \
    "$release")
  [ -n "$hash" ] || return 1
  local tmp
  tmp=$(mktemp -d)
  if /usr/lib/apt/apt-helper download-file "$uri.xz" "$tmp/index.xz" "SHA256:$hash" \
       >/dev/null 2>&1 && xz -dc "$tmp/index.xz" >"$tmp/index"; then
    $sudo_cmd cp "$tmp/index" "$file"
    rm -rf "$tmp"
    return 0
  fi
  rm -rf "$tmp"
  return 1
}

# Succeeds when every i386 index is one apt accepted, or was fetched again and verified.
i386_indexes_sound() {
  local refused
  refused=$(refused_i386_indexes)
  if [ -n "$refused" ]; then
    echo "setup: apt refused an i386 index; updating again"
    $sudo_cmd apt-get update -qq >/dev/null 2>&1 || true
    refused=$(refused_i386_indexes)
  fi
  local line status=0
  while read -r line; do
    [ -n "$line" ] || continue
    # shellcheck disable=SC2086
    if fetch_verified_index $line; then
      echo "setup: fetched ${line%% *} again; its SHA256 matches the signed InRelease"
    else
      echo "setup: ${line%% *} is still refused and no copy matching the signed InRelease was found"
      status=1
    fi
  done <<<"$refused"
  return $status
}

missing=$(missing_of "${packages[@]}")
if [ -n "$missing" ]; then
  apt_update
  echo "setup: installing" $missing
  # shellcheck disable=SC2086
  $sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

if "$scripts/runs-32bit.sh"; then
  missing=$(missing_of "${packages_i386[@]}")
  if [ -n "$missing" ]; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
      $sudo_cmd dpkg --add-architecture i386
      updated=""
    fi
    apt_update
    if i386_indexes_sound; then
      echo "setup: installing" $missing
      # shellcheck disable=SC2086
      $sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
    else
      echo "setup: installed no i386 package: apt's i386 index could not be verified," \
        "so 32-bit Windows programs will not run here"
    fi
  fi
else
  echo "setup: this machine runs no 32-bit program; the 32-bit Wine packages are not installed"
fi
echo "setup: all packages present"
