#!/usr/bin/env bash
# SPDX-License-Identifier: AGPL-3.0-or-later
#
# celmora-cli diagnose against swetest, both as whole processes: the same chart
# (1 January 1980, 09:05 in Tokyo = 00:05 UT) is computed by each in turn, RUNS times
# after one warm-up run each, and the script prints the median wall time of each, the
# ratio of the medians and the median of the pair-by-pair ratios. Then it counts the
# shared libraries the dynamic loader starts for diagnose (LD_DEBUG "calling init"
# lines) and names them.
#
#   bench/cli_vs_swetest.sh [BUILD_DIR [RUNS]]     (defaults: ./build, 31)
#
# A timing, not a test: it is registered nowhere in ctest. The machine should be quiet;
# quote medians and ratios, not single runs. The person lists diagnose creates go to a
# temporary folder (--user-dir), never into the program folder.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
runs=${2:-31}
cli=$build/bin/celmora-cli
[ -x "$cli" ] || { echo "no $cli: build first (cmake --build $build)" >&2; exit 1; }
command -v swetest >/dev/null || { echo "swetest is not installed" >&2; exit 1; }

user=$(mktemp -d)
trap 'rm -rf "$user"' EXIT
diagnose=("$cli" --user-dir "$user" --now 2024/06/15 diagnose --name 試験 --date 1980/01/01 --time 09:05
          --sex 男 --place 東京)
swetest=(swetest -b1.1.1980 -ut0:05 -p0123456789m -house139.6917,35.6833,P -emos -head)

# Microseconds now. Bash 5 has the clock without starting a process; otherwise date.
now_us() {
    if [ -n "${EPOCHREALTIME:-}" ]; then
        local t=${EPOCHREALTIME/[.,]/}
        echo "${t#0}"
    else
        echo $(($(date +%s%N) / 1000))
    fi
}

# Wall time of one run in microseconds; the output is thrown away.
time_us() {
    local start end
    start=$(now_us)
    "$@" >/dev/null 2>&1 || true
    end=$(now_us)
    echo $((end - start))
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

"${diagnose[@]}" >/dev/null 2>&1 || { echo "celmora-cli diagnose failed: is the data built?" >&2; exit 1; }
"${swetest[@]}" >/dev/null 2>&1

a=() b=() pairs=()
for ((i = 0; i < runs; i++)); do
    ta=$(time_us "${diagnose[@]}")
    tb=$(time_us "${swetest[@]}")
    a+=("$ta") b+=("$tb")
    pairs+=("$(awk -v x="$ta" -v y="$tb" 'BEGIN {printf "%.4f", x / y}')")
done
ma=$(printf '%s\n' "${a[@]}" | median)
mb=$(printf '%s\n' "${b[@]}" | median)
mp=$(printf '%s\n' "${pairs[@]}" | median)

echo "whole-process wall time, median of $runs runs each, in turn:"
awk -v x="$ma" 'BEGIN {printf "  celmora-cli diagnose  %8.2f ms\n", x / 1000}'
awk -v x="$mb" 'BEGIN {printf "  swetest               %8.2f ms\n", x / 1000}'
awk -v x="$ma" -v y="$mb" -v p="$mp" 'BEGIN {printf "  ratio of medians      %8.2f   (median of pair ratios %.2f)\n", x / y, p}'

libraries=$(LD_DEBUG=libs "${diagnose[@]}" 2>&1 >/dev/null | sed -n 's/.*calling init: //p' | sort -u)
echo "shared libraries started for diagnose: $(printf '%s\n' "$libraries" | grep -c .)"
printf '%s\n' "$libraries" | sed 's/^/  /'
