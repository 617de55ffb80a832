#!/usr/bin/env bash
# Builds the Windows benchmark (Release) for each architecture this machine runs, each in its own
# folder (build/bench-win32, build/bench-win64), runs each once under Wine in that folder's own
# session (virtual display, private prefix, wineserver), and writes docs/benchmark.md (also
# printed): one section per architecture that ran, and, for one that did not, why.
#
# 32-bit runs only where this machine runs 32-bit programs (scripts/runs-32bit.sh) and Wine's
# 32-bit loader is installed. It runs first, so that its largest grid fill stands beside the
# 64-bit build's fill of 10,000,000 rows; where it cannot run, the 32-bit figures shown there
# are carried over from the committed docs/benchmark.md, and say so.
#
# Extra arguments go to both benchmarks (for a quick look: --max-rows 10000, --only sort;
# --max-rows-other 100000 keeps the 10,000,000-row fill but shortens everything else).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
docs=$root/docs/benchmark.md
started=$SECONDS
today=$(date +%Y-%m-%d)
code=$(git -C "$root" describe --always --dirty 2>/dev/null || echo unknown)

# ---- which architectures run here ----------------------------------------------------------

skip32=""
if ! "$root/scripts/runs-32bit.sh"; then
    skip32="this machine runs no 32-bit Linux program (scripts/runs-32bit.sh: the kernel refuses"
    skip32+=" one, its 32-bit emulation is off), so Wine's 32-bit loader cannot start"
fi
if [ ! -e /usr/lib/wine/wine ]; then
    skip32+="${skip32:+; and }Wine's 32-bit loader (/usr/lib/wine/wine) is not installed"
fi
if [ -n "$skip32" ]; then
    echo "bench: the 32-bit benchmark is skipped: $skip32." >&2
    echo "bench: running the 64-bit benchmark only." >&2
else
    echo "bench: running the 32-bit and the 64-bit benchmark." >&2
fi

# ---- build and run ---------------------------------------------------------------------------

build_bench() {  # ARCH TOOLCHAIN
    local build=$root/build/bench-$1
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$2.cmake" >/dev/null
    cmake --build "$build" --target vorlane_winbench
}

# Runs one build's benchmark in its own Wine session; the program writes results.md next to
# itself (a path in the build folder needs no mapping between the two file systems).
run_bench() {  # ARCH [PROGRAM ARGUMENTS...]
    local build=$root/build/bench-$1
    shift
    (
        eval "$("$root/scripts/wine-session.sh" start "$build")"
        trap '"$root/scripts/wine-session.sh" stop "$build"' EXIT
        cd "$build/bin"
        rm -f results.md
        "$root/scripts/wine-run.sh" ./vorlane_winbench.exe "$@" results.md >/dev/null
    )
}

# The 32-bit build's largest grid fill as the last committed docs/benchmark.md shows it, as a
# figures file for the 64-bit benchmark: from the 32-bit lines beside a 64-bit fill where there
# are such (they name the run that measured them), else from a 32-bit section (or a file of the
# time when the benchmark was 32-bit only), named by that file's commit.
carried_32bit_figures() {  # OUTPUT
    local previous commit
    previous=$(git -C "$root" show HEAD:docs/benchmark.md 2>/dev/null) || return 0
    commit=$(git -C "$root" log -1 --format='%h of %cs' -- docs/benchmark.md)
    awk -F'|' -v commit="$commit" '
        function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
        function number(s) { s = trim(s); sub(/ .*/, "", s); return s }
        function rowcount(s) { s = trim(s); gsub(/,/, "", s); return s }
        /64-bit/ { any64 = 1 }
        /^## / { in32 = ($0 ~ /32-bit/) }
        /^# / { in32 = 0 }
        trim($3) == "fill, grid (32-bit), for comparison" {
            besideRows = rowcount($2); besideSeconds = number($4)
            run = $10; sub(/.*run: /, "", run); besideRun = trim(run)
        }
        trim($3) == "private bytes per row after the fill, grid (32-bit), for comparison" {
            besideBytes = number($4)
        }
        { old = in32 || !any64 }
        old && trim($3) == "fill, per row" && $5 ~ /bare owner-drawn list box/ {
            fillRows[rowcount($2)] = number($4)
        }
        old && trim($3) == "private bytes per row after the fill" {
            memoryRows[rowcount($2)] = number($4)
        }
        END {
            if (besideRows != "" && besideBytes != "") {
                rows = besideRows; seconds = besideSeconds; bytes = besideBytes; from = besideRun
            } else {
                for (r in fillRows) {
                    if ((r in memoryRows) && (rows == "" || r + 0 > rows + 0)) { rows = r }
                }
                if (rows == "") { exit }
                seconds = sprintf("%.3f", fillRows[rows] * rows / 1e6)
                bytes = memoryRows[rows]
                from = "the 32-bit run recorded in docs/benchmark.md at commit " commit
            }
            printf "architecture=32-bit\nrows=%s\nseconds=%s\nbytes_per_row=%s\n", rows, seconds, bytes
            printf "run=%s\nsame_run=0\n", from
        }' <<<"$previous" >"$1"
}

# A benchmark's results as a section of docs/benchmark.md: its heading one level down.
as_section() {  # RESULTS.md
    sed -e '1s/^# Vorlane Windows benchmark, /## /' -e '2,$s/^#/##/' "$1"
}

status=0
bin64=$root/build/bench-win64/bin
if [ -z "$skip32" ]; then
    build_bench win32 mingw-i686
fi
build_bench win64 mingw-x86_64
rm -f "$bin64/beside-32bit.txt"
if [ -z "$skip32" ]; then
    bin32=$root/build/bench-win32/bin
    rm -f "$bin32/fill-figures.txt"
    echo "bench: 32-bit benchmark" >&2
    run_bench win32 "$@" --figures fill-figures.txt || status=$?
    if [ -f "$bin32/fill-figures.txt" ]; then
        {
            cat "$bin32/fill-figures.txt"
            echo "run=32-bit run of $today, code at $code"
            echo "same_run=1"
        } >"$bin64/beside-32bit.txt"
    fi
else
    carried_32bit_figures "$bin64/beside-32bit.txt"
fi
echo "bench: 64-bit benchmark" >&2
run_bench win64 "$@" --beside beside-32bit.txt || status=$?

# ---- docs/benchmark.md -----------------------------------------------------------------------

elapsed=$((SECONDS - started))
took="$((elapsed / 60)) min $((elapsed % 60)) s"
{
    echo "# Vorlane Windows benchmark"
    echo
    echo "Written by \`scripts/bench.sh\` on $today, code at $code, in $took (building and"
    echo "running everything below)."
    if [ -n "$skip32" ]; then
        echo "Ran: the 64-bit build only. **The 32-bit run was skipped**: $skip32."
    else
        echo "Ran: the 32-bit and the 64-bit build, one after the other."
    fi
    echo
    echo "Command: \`scripts/bench.sh${*:+ $*}\`."
    if [ "$#" -gt 0 ]; then
        echo
        echo "Arguments given to the benchmarks: \`$*\`."
        for argument in "$@"; do
            if [ "$argument" = --max-rows-other ]; then
                echo "Every measurement but the 64-bit build's fill of 10,000,000 rows stopped at"
                echo "the size given (the full run goes to 1,000,000 rows), to keep the run's"
                echo "length bearable beside that fill."
            fi
        done
    fi
    echo
    echo "## Distance to the machine's limits: how to read it"
    echo
    echo "Each build's section opens with its **Targets** table: every target beside the ratio"
    echo "measured for it and, for a target not met, the measured cost that stands in its way."
    echo "The tables after it hold every line measured. Three baselines stand beside the control"
    echo "in the same run, each with a line that measures the part of the control's figure that"
    echo "belongs to the platform:"
    echo
    echo "- **Sort**: std::sort of the same keys as (key, row index) pairs in the grid's order, in"
    echo "  the same process, against the whole GRM_SORT with its repaint (random keys, target"
    echo "  <= 1.2 at 100,000 rows and more); every other input pattern against the grid's own"
    echo "  sort of random keys (target <= 1.2). The list pane is a list box without data"
    echo "  (LBS_NODATA): the display order lives in the store, so a sort writes no item of the"
    echo "  list box and the list box keeps no item records; what a sort pays the platform is the"
    echo "  repaint of the rows in view, timed on the grid's own list pane right after its sort."
    echo "  The line \"std::sort as above + the repaint\" adds that share: at or below 1 the grid's"
    echo "  own work is no more than std::sort's. The line \"less the repaint\" is the control's"
    echo "  own share against std::sort. The store's sort on its own, without any window, against"
    echo "  std::sort: \`sort_bench\` of bench/native (a Release build with -DVORLANE_SANITIZE=OFF)."
    echo "- **Painting**: the bare owner-drawn list box placed where the grid's list pane is, with"
    echo "  its font and row height, drawing the same texts into the same rectangles (its pixels"
    echo "  are compared with the list pane's first; target <= 1.1). The line \"repaint of the list"
    echo "  pane alone\" leaves out the grid's header, which the box has none of; the line beside"
    echo "  \"the same box with a vertical scroll bar\" gives the box the scroll bar the grid draws."
    echo "- **Memory**: the raw bytes of the rows' data, texts with their terminators and 4 bytes"
    echo "  for each of a row's four numbers (three shown, and the kind and image value) (target"
    echo "  <= 1.25 from 100,000 rows), against the private bytes after the fill and the first"
    echo "  paint of its rows (a paint tells the store the fill is over: it gives back the memory"
    echo "  it grew ahead of the rows, as after a batch of GRM_ADDROWS). The lines below it split"
    echo "  the figure: the rows' data as the store keeps it, the display order (a row offset per"
    echo "  position), the list pane's selected states (the platform's share: a list box without"
    echo "  data keeps a byte a row and no item record) and the rest."
    echo
    echo "The largest grid that keeps its rows runs only on request, 64-bit: \`--rows 100000000\`"
    echo "ends a full run with it (\`--only scale --rows N\` runs it alone): a Scale table with the"
    echo "fill, its memory, a sort by a number and by a text column beside std::sort, and a scroll"
    echo "to the last row."
    echo
    if [ -f "$bin64/results.md" ]; then
        as_section "$bin64/results.md"
    else
        echo "## 64-bit build"
        echo
        echo "The 64-bit benchmark failed before writing its results."
    fi
    echo
    if [ -n "$skip32" ]; then
        echo "## 32-bit build: skipped"
        echo
        echo "Not run here: $skip32."
        if [ -s "$bin64/beside-32bit.txt" ]; then
            echo "The 32-bit figures beside the 64-bit fill of 10,000,000 rows are carried over"
            echo "from $(sed -n 's/^run=//p' "$bin64/beside-32bit.txt")."
        fi
    elif [ -f "$bin32/results.md" ]; then
        as_section "$bin32/results.md"
    else
        echo "## 32-bit build"
        echo
        echo "The 32-bit benchmark failed before writing its results."
    fi
} >"$docs"
cat "$docs"
echo "bench: done in $took" >&2
if [ -n "$skip32" ]; then
    echo "bench: the 32-bit benchmark was skipped: $skip32." >&2
fi
exit "$status"
