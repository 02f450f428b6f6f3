#!/usr/bin/env bash
# Fills the generic window's table page (offscreen) from the synthetic
# 10,000-row table of walk.sh, side by side with vanta-cli reading the same
# table, checks that both show the same rows, and prints both medians, the
# ratio page/vanta-cli (target <= 1.5) and the page's peak resident set.
#
#   bench/page_fill.sh [BUILD_DIR]   default: build-release/ in the repository
#   environment:  ROWS (10000)  REPS (5)
#
# Traffic goes to 127.0.0.1 only; the agent is stopped by its PID on exit.
set -euo pipefail

source "$(dirname "$0")/agent.sh"
build_dir=${1:-"$bench_root/build-release"}
rows=${ROWS:-10000}
reps=${REPS:-5}
ratio_target=1.5

[[ "$rows" =~ ^[0-9]+$ && "$rows" -ge 1 && "$rows" -le 100000 ]] || fail "bad ROWS"
[[ "$reps" =~ ^[0-9]+$ && "$reps" -ge 1 && "$reps" -le 50 ]] || fail "bad REPS"

bench_build_release "$build_dir"
cli="$build_dir/tools/cli/vanta-cli"
page="$build_dir/bench/page_fill"
[[ -x "$cli" && -x "$page" ]] || fail "vanta-cli or page_fill not built"

bench_start_agent "$rows"
export QT_QPA_PLATFORM=offscreen
cli_read=("$cli" -v 1 -c "$community" -t 100 -r 1 "$agent" read 2 1 "$entry.1:2:1"
    "$entry.2:0x4C:2" "$entry.3:0x41:2" "$entry.4:2:2:1=up;2=down" "$entry.5:0x40:2")
page_fill=("$page" "$agent" "$community")

# The first runs also warm the agent up; what they show is checked.
echo "== filling the page and reading with vanta-cli: $rows rows x 4 columns on $agent"
"${cli_read[@]}" >"$work/cli.txt"
"${page_fill[@]}" "$work/page.txt" >"$work/page.out" 2>"$work/page.err" || {
    cat "$work/page.err" >&2
    fail "page_fill failed"
}
cli_rows=$(wc -l <"$work/cli.txt")
page_rows=$(wc -l <"$work/page.txt")
echo "rows: vanta-cli $cli_rows, page $page_rows"
[[ "$cli_rows" -eq "$rows" && "$page_rows" -eq "$rows" ]] || fail "row counts differ"
if cmp -s "$work/cli.txt" "$work/page.txt"; then
    echo "shown values: identical"
else
    echo "shown values: differ (first lines below)"
    diff "$work/cli.txt" "$work/page.txt" | head -6 || true
fi

# Alternating runs so that drift of the agent affects both alike. Both are
# timed as whole processes; the page also reports its own fill time.
TIMEFORMAT='%R %U %S'
: >"$work/cli.times"
: >"$work/page.times"
: >"$work/page.stats"
for i in $(seq 1 "$reps"); do
    { time "${cli_read[@]}" >/dev/null 2>>"$work/runs.err"; } 2>>"$work/cli.times"
    { time "${page_fill[@]}" >>"$work/page.stats" 2>>"$work/runs.err"; } 2>>"$work/page.times"
    echo "run $i/$reps: vanta-cli $(tail -1 "$work/cli.times" | cut -d' ' -f1) s," \
        "page $(tail -1 "$work/page.times" | cut -d' ' -f1) s ($(tail -1 "$work/page.stats"))"
done

cli_s=$(median 1 "$work/cli.times")
page_s=$(median 1 "$work/page.times")
sed -n 's/.*fill_s=\([0-9.]*\).*/\1/p' "$work/page.stats" >"$work/fill.times"
sed -n 's/.*peak_rss_kb=\([0-9]*\).*/\1/p' "$work/page.stats" >"$work/rss.kb"
fill_s=$(median 1 "$work/fill.times")
rss_kb=$(sort -g "$work/rss.kb" | tail -1)
ratio=$(awk -v a="$page_s" -v b="$cli_s" 'BEGIN { printf "%.3f", a / b }')
ratio_ok=$(awk -v r="$ratio" -v t="$ratio_target" 'BEGIN { print (r <= t) ? "met" : "MISSED" }')
echo "median over $reps runs: vanta-cli ${cli_s} s, page ${page_s} s (fill alone ${fill_s} s)"
echo "client CPU (user+sys) median: vanta-cli $(cpu_median "$work/cli.times") s," \
    "page $(cpu_median "$work/page.times") s"
echo "page peak RSS: $((rss_kb / 1024)) MiB ($rss_kb kB)"
echo "RATIO page/vanta-cli = $ratio (target <= $ratio_target: $ratio_ok)"

[[ "$ratio_ok" == met ]]
