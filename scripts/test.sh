#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: the native unit tests under the
# sanitizers, a bounded run of each libFuzzer target, then the Windows tests under Wine on a
# virtual display, as 64-bit programs everywhere and as 32-bit programs where the machine runs
# them, and a client project (tests/consumer) built against each Windows build's installed
# package. It ends with the time of each stage and one line of totals; a run it could not make
# is named and counted as skipped, never as passed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
logs=$root/build/test-logs
rm -rf "$logs"
mkdir -p "$logs"

run32=1
why32=""
if ! "$root/scripts/runs-32bit.sh"; then
    run32=0
    why32="this machine's kernel runs no 32-bit program (Exec format error)"
fi
if [ "$run32" -eq 1 ]; then
    echo "test: this machine runs 32-bit programs: the Windows tests run as 64-bit and as 32-bit programs"
else
    echo "test: the Windows tests run as 64-bit programs only: $why32"
fi

stages=()
stage_started=0
begin_stage() { stage_started=$(date +%s); }
end_stage() { stages+=("$(printf '%-34s %5d s' "$1" $(($(date +%s) - stage_started)))"); }

begin_stage
"$root/scripts/setup.sh" || { echo "test: setup failed"; exit 1; }
end_stage "setup"
if [ "$run32" -eq 1 ] && [ ! -x /usr/lib/wine/wine ]; then
    run32=0
    why32="setup installed no 32-bit Wine (see its message above)"
    echo "test: the Windows tests run as 64-bit programs only: $why32"
fi

passed=0
failed=0
skipped=0
# Runs CTest in one build folder, its output kept in a log named after the stage and its time
# in a file beside it; count_ctest adds the counts to the totals afterwards.
run_ctest() {
    local name=$1 dir=$2
    shift 2
    local started
    started=$(date +%s)
    (cd "$dir" && ctest --output-on-failure "$@") >"$logs/$name.txt" 2>&1
    echo $(($(date +%s) - started)) >"$logs/$name.seconds"
}

# Prints a stage's CTest output and adds its counts and time to the totals.
count_ctest() {
    local name=$1 log=$logs/$1.txt
    cat "$log"
    stages+=("$(printf '%-34s %5d s' "$name tests" "$(cat "$logs/$name.seconds" 2>/dev/null || echo 0)")")
    local summary
    summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
    if [ -z "$summary" ]; then
        echo "test: $name: CTest gave no summary"
        failed=$((failed + 1))
        return
    fi
    local bad total
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}

# Installs one Windows build into a fresh prefix of its own (build/ARCH/install) and builds the
# client project afresh against that package (in build/ARCH/consumer), so that the client can
# only use what was just installed; its tests run programs under Wine and try the other
# architecture's package, which must be refused.
install_and_build_client() {
    local arch=$1 toolchain=mingw-i686 other=win64
    if [ "$arch" = win64 ]; then toolchain=mingw-x86_64 other=win32; fi
    rm -rf "$root/build/$arch/install" "$root/build/$arch/consumer"
    cmake --install "$root/build/$arch" --prefix "$root/build/$arch/install" >/dev/null &&
        cmake -S "$root/tests/consumer" -B "$root/build/$arch/consumer" -G Ninja \
            -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" \
            -DCMAKE_PREFIX_PATH="$root/build/$arch/install" \
            -DVORLANE_OTHER_PREFIX="$root/build/$other/install" \
            -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" >/dev/null &&
        cmake --build "$root/build/$arch/consumer"
}

# Runs CTest in one build folder (and its client project) inside a Wine session of the build's
# architecture.
run_in_wine() {
    local dir=$1
    shift
    eval "$("$root/scripts/wine-session.sh" start "$dir")"
    while [ "$#" -gt 0 ]; do
        run_ctest "$1" "$2" -j "$(nproc)"
        shift 2
    done
    "$root/scripts/wine-session.sh" stop "$dir"
}

# Runs only the tests of one build folder that run no Windows program (those matching a pattern)
# and counts the others as skipped.
run_without_programs() {
    local name=$1 dir=$2 pattern=$3
    run_ctest "$name" "$dir" -R "$pattern" -j "$(nproc)"
    count_ctest "$name"
    local count
    count=$(cd "$dir" && ctest -N -E "$pattern" | sed -n 's/^Total Tests: //p')
    skipped=$((skipped + ${count:-0}))
}

# The 64-bit build comes first, and its Windows tests, which take one display and mostly one
# core, run while everything else is built and tested beside them; all output follows in order.
begin_stage
"$root/scripts/build.sh" win64 || exit 1
install_and_build_client win64 || exit 1
end_stage "build 64-bit"
run_in_wine "$root/build/win64" "Windows 64-bit" "$root/build/win64" &
windows64=$!

begin_stage
"$root/scripts/build.sh" native || exit 1
"$root/scripts/build.sh" fuzz || exit 1
if [ "$run32" -eq 1 ]; then
    "$root/scripts/build.sh" win32 || exit 1
else
    # The 32-bit DLL and demo are still built, installed and checked: that needs no 32-bit
    # program to run.
    "$root/scripts/build.sh" win32 vorlane vorlane_demo || exit 1
fi
install_and_build_client win32 || exit 1
end_stage "build native, fuzz, 32-bit (beside)"
# The 32-bit Windows tests take their own display and prefix: they run beside the native and
# fuzz tests, and beside what is left of the 64-bit ones.
if [ "$run32" -eq 1 ]; then
    run_in_wine "$root/build/win32" "Windows 32-bit" "$root/build/win32" \
        "client 32-bit" "$root/build/win32/consumer" &
    windows32=$!
fi
# The native tests and the fuzzers run beside each other: each fuzzer is one process.
run_ctest native "$root/build/native" -j "$(nproc)" &
native=$!
run_ctest fuzz "$root/build/fuzz" -j "$(nproc)"
wait "$native"
wait "$windows64"

count_ctest native
count_ctest fuzz
count_ctest "Windows 64-bit"
# The client's tests need both installs, so they come once both builds are done.
run_in_wine "$root/build/win64" "client 64-bit" "$root/build/win64/consumer"
count_ctest "client 64-bit"
if [ "$run32" -eq 1 ]; then
    wait "$windows32"
    count_ctest "Windows 32-bit"
    count_ctest "client 32-bit"
else
    run_without_programs "Windows 32-bit DLL and header" "$root/build/win32" '^(dll_is_|header_)'
    run_without_programs "client 32-bit package" "$root/build/win32/consumer" '^package_'
fi

echo
echo "test: time of each stage"
printf '  %s\n' "${stages[@]}"
if [ "$run32" -eq 1 ]; then
    echo "test: Windows tests ran as 64-bit and as 32-bit programs"
else
    echo "test: the 32-bit Windows test run was skipped ($skipped tests): $why32"
fi
echo "total: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
