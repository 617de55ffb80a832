#!/usr/bin/env bash
# Builds the DLL and the demo of each architecture and packs each build into a release archive
# with CPack: build/vorlane-VERSION-win32.zip and build/vorlane-VERSION-win64.zip (the DLL, its
# import library, the headers, the CMake package, the demo, the README and the licence), then
# lists what each archive holds. VERSION is the project version in CMakeLists.txt. The 32-bit
# archive needs only the cross-compiler, so it is made on every machine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
archives=()
for arch in win32 win64; do
    VORLANE_BUILD_DIR=$root/build/$arch "$root/scripts/build.sh" "$arch" vorlane vorlane_demo
    output=$(cd "$root/build/$arch" && cpack -G ZIP -B "$root/build")
    archive=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$output")
    if [ -z "$archive" ]; then
        echo "$output"
        echo "package: CPack made no $arch archive" >&2
        exit 1
    fi
    archives+=("$archive")
done
for archive in "${archives[@]}"; do
    echo
    echo "package: $archive"
    python3 -m zipfile -l "$archive"
done
