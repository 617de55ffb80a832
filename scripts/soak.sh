#!/usr/bin/env bash
# The long runs: the leak test with 10,000 create/destroy cycles, then the message fuzzer seed
# after seed until at least MESSAGES messages have been sent (1,000,000 unless told), inside a
# Wine session of their own, then the totals.
# Usage: scripts/soak.sh [BUILD_DIR] [MESSAGES] [FIRST_SEED]
#   BUILD_DIR   a Windows build holding bin/test_message_fuzz.exe (default build/win64)
#   VORLANE_SOAK_STEPS  steps per seed (default 50000)
# Exits non-zero when any seed failed; the output of a failed seed is kept in the log folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
target=${2:-1000000}
seed=${3:-1000}
steps=${VORLANE_SOAK_STEPS:-50000}
max_failures=5

# The programs are copied, so that the build can go on while the soak runs.
soak=$build/soak
mkdir -p "$soak/bin" "$soak/logs"
cp "$build/bin/test_message_fuzz.exe" "$build/bin/test_leaks.exe" "$build/bin/vorlane.dll" "$soak/bin/"

eval "$("$root/scripts/wine-session.sh" start "$soak")"
trap '"$root/scripts/wine-session.sh" stop "$soak"' EXIT

leaks=0
VORLANE_LEAK_CYCLES=10000 "$root/scripts/wine-run.sh" "$soak/bin/test_leaks.exe" || leaks=1

first_seed=$seed
total=0
failures=0
started=$(date +%s)
while [ "$total" -lt "$target" ] && [ "$failures" -lt "$max_failures" ]; do
    log=$soak/logs/seed-$seed.txt
    status=0
    VORLANE_FUZZ_SEED=$seed VORLANE_FUZZ_STEPS=$steps \
        "$root/scripts/wine-run.sh" "$soak/bin/test_message_fuzz.exe" >"$log" 2>&1 || status=$?
    line=$(grep -m1 '^fuzz seed' "$log" || true)
    messages=$(sed -n 's/.* steps, \([0-9]*\) messages.*/\1/p' <<<"$line")
    total=$((total + ${messages:-0}))
    if [ "$status" -ne 0 ] || [ -z "$line" ]; then
        failures=$((failures + 1))
        echo "seed $seed FAILED (exit $status); output in $log"
        grep -A30 'Failure' "$log" | head -40 || tail -20 "$log"
    else
        echo "$line"
        rm -f "$log"
    fi
    seed=$((seed + 1))
done
elapsed=$(($(date +%s) - started))
echo "soak: seeds $first_seed to $((seed - 1)), $total messages, $failures failed seeds, $elapsed s"
[ "$failures" -eq 0 ] && [ "$leaks" -eq 0 ]
