#!/usr/bin/env bash
# Walks a synthetic 10,000-row table served by snmpsim with vanta-cli and with
# net-snmp's snmptable -v1 (both: one get-next of all columns per row), checks
# that both print the same rows, and prints the time ratio ours/snmptable
# (target <= 1.10). Then measures the extra latency of an asynchronous
# completion over the round trip (target < 1 ms) with bench/async_latency.
#
#   bench/walk.sh [BUILD_DIR]        default: build-release/ in the repository
#   environment:  ROWS (10000)  REPS (5)  LATENCY_COUNT (500)
#
# Traffic goes to 127.0.0.1 only; the agent is stopped by its PID on exit.
set -euo pipefail

source "$(dirname "$0")/agent.sh"
root=$bench_root
build_dir=${1:-"$root/build-release"}
rows=${ROWS:-10000}
reps=${REPS:-5}
latency_count=${LATENCY_COUNT:-500}
ratio_target=1.10
latency_target_us=1000

command -v snmptable >/dev/null || fail "snmptable is missing (scripts/install-deps.sh)"
[[ "$rows" =~ ^[0-9]+$ && "$rows" -ge 1 && "$rows" -le 100000 ]] || fail "bad ROWS"
[[ "$reps" =~ ^[0-9]+$ && "$reps" -ge 1 && "$reps" -le 50 ]] || fail "bad REPS"

bench_build_release "$build_dir"
cli="$build_dir/tools/cli/vanta-cli"
latency="$build_dir/bench/async_latency"
[[ -x "$cli" && -x "$latency" ]] || fail "vanta-cli or async_latency not built"

bench_start_agent "$rows"
ours=("$cli" -v 1 -c "$community" -t 100 -r 1 "$agent" read 2 1 "$entry.1:2:1"
    "$entry.2:0x4C:2" "$entry.3:0x41:2" "$entry.4:2:2:1=up;2=down" "$entry.5:0x40:2")
# -Cf: no column alignment; -CH: no headings; -Ci: the index first, as ours prints it.
theirs=(snmptable -v 1 -c "$community" -t 1 -r 1 -M "$root/bench" -m VANTA-BENCH-MIB
    -Cf "$(printf '\t')" -CH -Ci -Cl "$agent" VANTA-BENCH-MIB::benchTable)

# The first walks also warm the agent up; their output is checked.
echo "== walking $rows rows x 4 columns on $agent"
"${ours[@]}" >"$work/ours.txt"
"${theirs[@]}" >"$work/theirs.txt"
ours_rows=$(wc -l <"$work/ours.txt")
theirs_rows=$(grep -c . "$work/theirs.txt" || true)
echo "rows: vanta-cli $ours_rows, snmptable $theirs_rows"
[[ "$ours_rows" -eq "$rows" && "$theirs_rows" -eq "$rows" ]] || fail "row counts differ"
# snmptable quotes strings; otherwise the texts agree.
if tr -d '"' <"$work/theirs.txt" | grep . | cmp -s - "$work/ours.txt"; then
    echo "printed values: identical"
else
    echo "printed values: differ (first lines below)"
    diff <(tr -d '"' <"$work/theirs.txt" | grep .) "$work/ours.txt" | head -6 || true
fi

# Alternating runs so that drift of the agent affects both alike.
TIMEFORMAT='%R %U %S'
: >"$work/ours.times"
: >"$work/theirs.times"
for i in $(seq 1 "$reps"); do
    { time "${ours[@]}" >/dev/null; } 2>>"$work/ours.times"
    { time "${theirs[@]}" >/dev/null; } 2>>"$work/theirs.times"
    echo "run $i/$reps: ours $(tail -1 "$work/ours.times" | cut -d' ' -f1) s," \
        "snmptable $(tail -1 "$work/theirs.times" | cut -d' ' -f1) s"
done

ours_s=$(median 1 "$work/ours.times")
theirs_s=$(median 1 "$work/theirs.times")
ratio=$(awk -v a="$ours_s" -v b="$theirs_s" 'BEGIN { printf "%.3f", a / b }')
ratio_ok=$(awk -v r="$ratio" -v t="$ratio_target" 'BEGIN { print (r <= t) ? "met" : "MISSED" }')
echo "walk median over $reps runs: vanta-cli ${ours_s} s, snmptable ${theirs_s} s"
echo "client CPU (user+sys) median: vanta-cli $(cpu_median "$work/ours.times") s," \
    "snmptable $(cpu_median "$work/theirs.times") s"
echo "RATIO ours/snmptable = $ratio (target <= $ratio_target: $ratio_ok)"

echo "== async completion latency ($latency_count single gets each)"
latency_out=$("$latency" "$agent" "$community" 1.3.6.1.4.1.99999.2 "$latency_count") ||
    fail "async_latency failed"
echo "$latency_out" | grep -v '^value:'
extra=$(echo "$latency_out" | sed -n 's/^async_extra_us=//p')
latency_ok=$(awk -v e="$extra" -v t="$latency_target_us" 'BEGIN { print (e < t) ? "met" : "MISSED" }')
echo "ASYNC EXTRA LATENCY = ${extra} us (target < ${latency_target_us} us: $latency_ok)"

[[ "$ratio_ok" == met && "$latency_ok" == met ]]
