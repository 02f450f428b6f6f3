#!/usr/bin/env bash
# The forwarding-database page over a slow link: vanta-sim answers every
# request DELAY_MS late and holds FDB learned addresses. The catalogue's
# "Unicast Forwarding Information" page (filled offscreen) and vanta-cli read
# dot1qTpFdbTable with get-next and with get-bulk (25 rows a request); net-snmp
# walks the same columns with get-next (snmptable -CB) and with get-bulk
# (snmpbulkwalk -Cr25, and -Cr50, which sends as many requests as the page).
# Every run's rows are checked; prints the wall-time medians and the ratios
# bulk page/snmpbulkwalk (both, target <= 1.5) and get-next page/snmptable -CB
# (target <= 1.10); exits 0 only when all three are met.
#
#   bench/wan.sh [BUILD_DIR]         default: build-release/ in the repository
#   environment:  DELAY_MS (15)  FDB (8000)  REPS (3)
#
# Traffic goes to 127.0.0.1 only; the simulator is stopped by its PID on exit.
set -euo pipefail

source "$(dirname "$0")/agent.sh"
build_dir=${1:-"$bench_root/build-release"}
delay_ms=${DELAY_MS:-15}
fdb=${FDB:-8000}
reps=${REPS:-3}
bulk=25
bulk_target=1.5
next_target=1.10

for tool in snmptable snmpbulkwalk awk; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh)"
done
[[ "$delay_ms" =~ ^[0-9]+$ && "$delay_ms" -le 1000 ]] || fail "bad DELAY_MS"
[[ "$fdb" =~ ^[0-9]+$ && "$fdb" -ge 1 && "$fdb" -le 100000 ]] || fail "bad FDB"
[[ "$reps" =~ ^[0-9]+$ && "$reps" -ge 1 && "$reps" -le 50 ]] || fail "bad REPS"

bench_build_release "$build_dir"
sim="$build_dir/tools/sim/vanta-sim"
cli="$build_dir/tools/cli/vanta-cli"
page="$build_dir/bench/page_fill"
[[ -x "$sim" && -x "$cli" && -x "$page" ]] || fail "vanta-sim, vanta-cli or page_fill not built"

# Port 0: the simulator takes a free port and says which once it answers.
"$sim" --listen 127.0.0.1:0 --state "$work/sim-state" --delay "$delay_ms" --fdb "$fdb" \
    --pdu-log "$work/pdu.log" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
agent=
for _ in $(seq 1 300); do
    agent=$(sed -n 's/^vanta-sim listening on udp:\(127\.0\.0\.1:[0-9]*\)$/\1/p' "$work/sim.out")
    [[ -n "$agent" ]] && break
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
done
[[ -n "$agent" ]] || {
    cat "$work/sim.err" >&2
    fail "vanta-sim did not start"
}
bench_netsnmp_env
export QT_QPA_PLATFORM=offscreen

entry=1.3.6.1.2.1.17.7.1.2.2.1  # dot1qTpFdbEntry: index VLAN.MAC, columns 2 port, 3 status
statuses="1=other;2=invalid;3=learned;4=self;5=mgmt"
# All in SNMPv2c; the get-next clients send one get-next of both columns a row.
cli_vars=(read table 2 "$entry.1:integer:key" "$entry.1:macaddress:key" "$entry.2:integer:ro"
    "$entry.3:integer:ro:$statuses")
page_next=("$page" -v 2c --page UnicastForwardingInformation1 "$agent" vesper)
page_bulk=("$page" -v 2c --bulk "$bulk" --page UnicastForwardingInformation1 "$agent" vesper)
cli_next=("$cli" -v 2c -c vesper -t 100 -r 1 "$agent" "${cli_vars[@]}")
cli_bulk=("$cli" -v 2c -c vesper -t 100 -r 1 --bulk "$bulk" "$agent" "${cli_vars[@]}")
# -CB: get-next only; -Ob: the index as numbers.
snmptable=(snmptable -v2c -c vesper -CB -CH -Ci -Ob -Cf , -M "$bench_root/bench"
    -m VANTA-BENCH-FDB-MIB "$agent" VANTA-BENCH-FDB-MIB::benchFdbTable)
# The entry: both columns, one after the other. -Cr50 asks as many rows a
# request (25) as the page's 25 repetitions of its 2 columns.
bulkwalk25=(snmpbulkwalk -v2c -c vesper -Cr"$bulk" -On -Oq "$agent" "$entry")
bulkwalk50=(snmpbulkwalk -v2c -c vesper -Cr"$((2 * bulk))" -On -Oq "$agent" "$entry")
order=(page_next snmptable cli_next page_bulk bulkwalk25 bulkwalk50 cli_bulk)
declare -A label_of=(
    [page_next]="page get-next" [page_bulk]="page bulk $bulk"
    [cli_next]="vanta-cli get-next" [cli_bulk]="vanta-cli --bulk $bulk"
    [snmptable]="snmptable -CB" [bulkwalk25]="snmpbulkwalk -Cr$bulk"
    [bulkwalk50]="snmpbulkwalk -Cr$((2 * bulk))"
)

# Runs client $1 (the array of that name): the page writes its list to the
# file $2 and its own fill time to $1.stats, the others print the list to $2.
run_client() {
    local -n words=$1
    case $1 in
        page_*) "${words[@]}" "$2" >>"$work/$1.stats" ;;
        *) "${words[@]}" >"$2" ;;
    esac
}

# Every output as sorted lines VLAN, MAC (12 hex digits), port, status label.
normalise() {  # CLIENT FILE
    case $1 in
        page_* | cli_*) LC_ALL=C sort "$2" ;;
        snmptable)
            awk -F, '{
                n = split($1, i, ".")
                if (n != 7) { print "bad index " $1; next }
                printf "%s\t%02X%02X%02X%02X%02X%02X\t%s\t%s\n", i[1], i[2], i[3], i[4], i[5], i[6], i[7], $2, $3
            }' "$2" | LC_ALL=C sort
            ;;
        bulkwalk*)
            # .ENTRY.COLUMN.VLAN.M1...M6 VALUE: the columns joined by index.
            awk -v entry=".$entry." -v statuses="$statuses" '
                BEGIN { n = split(statuses, s, ";")
                        for (k = 1; k <= n; k++) { split(s[k], p, "="); label[p[1]] = p[2] } }
                index($1, entry) != 1 { print "outside " $1; next }
                {
                    n = split(substr($1, length(entry) + 1), a, ".")
                    if (n != 8) { print "bad index " $1; next }
                    key = sprintf("%s\t%02X%02X%02X%02X%02X%02X", a[2], a[3], a[4], a[5], a[6], a[7], a[8])
                    if (a[1] == 2) port[key] = $2
                    else if (a[1] == 3) status[key] = ($2 in label) ? label[$2] : $2
                    else print "column " $1
                    seen[key] = 1
                }
                END { for (key in seen) printf "%s\t%s\t%s\n", key, port[key], status[key] }
            ' "$2" | LC_ALL=C sort
            ;;
    esac
}

# The requests a run sent, by type, from the simulator's log.
requests_since() {  # LINE_COUNT_BEFORE
    tail -n +"$(($1 + 1))" "$work/pdu.log" |
        awk '{ n[$2]++ } END { for (t in n) printf "%s%s %d", sep, t, n[t]; sep = ", " }'
}

echo "== $fdb learned addresses, responses ${delay_ms} ms late, on $agent; $reps runs each"
reference=
TIMEFORMAT='%R %U %S'
for i in $(seq 1 "$reps"); do
    for client in "${order[@]}"; do
        out="$work/$client.out"
        before=$(wc -l <"$work/pdu.log")
        { time run_client "$client" "$out" 2>"$work/$client.err"; } 2>>"$work/$client.times" || {
            cat "$work/$client.err" >&2
            fail "${label_of[$client]} failed"
        }
        requests_since "$before" >"$work/$client.requests"
        normalise "$client" "$out" >"$work/$client.rows"
        rows=$(wc -l <"$work/$client.rows")
        [[ "$rows" -eq "$fdb" ]] || fail "${label_of[$client]} showed $rows rows, not $fdb"
        # The first get-next page is the reference: the same rows, values and order.
        if [[ -z "$reference" ]]; then
            reference="$work/reference.txt"
            cp "$out" "$reference"
            cp "$work/$client.rows" "$work/reference.rows"
        elif [[ $client == page_* || $client == cli_* ]] && ! cmp -s "$out" "$reference"; then
            diff "$reference" "$out" | head -6 >&2 || true
            fail "${label_of[$client]} showed other rows than the get-next page"
        elif ! cmp -s "$work/$client.rows" "$work/reference.rows"; then
            diff "$work/reference.rows" "$work/$client.rows" | head -6 >&2 || true
            fail "${label_of[$client]} showed other rows than the get-next page"
        fi
        printf '%-22s run %d/%d: %8.3f s  (%s)\n' "${label_of[$client]}" "$i" "$reps" \
            "$(tail -1 "$work/$client.times" | cut -d' ' -f1)" "$(cat "$work/$client.requests")"
    done
done
echo "rows: $fdb in every run of every client; the same (VLAN, MAC, port, status) set"

echo "median wall time over $reps runs (client CPU user+sys median; requests of a run):"
declare -A median_of
for client in "${order[@]}"; do
    median_of[$client]=$(median 1 "$work/$client.times")
    printf '  %-22s %8.3f s  (CPU %.3f s; %s)\n' "${label_of[$client]}" "${median_of[$client]}" \
        "$(cpu_median "$work/$client.times")" "$(cat "$work/$client.requests")"
done

for client in page_next page_bulk; do
    sed -n 's/.*fill_s=\([0-9.]*\).*/\1/p' "$work/$client.stats" >"$work/$client.fill"
    printf '  %-22s %8.3f s  from the window shown to the list filled\n' \
        "${label_of[$client]} alone" "$(median 1 "$work/$client.fill")"
done

ratio() {  # NAME A B TARGET: prints the ratio A/B, returns 1 when above TARGET
    local r ok
    r=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.3f", a / b }')
    ok=$(awk -v r="$r" -v t="$4" 'BEGIN { print (r <= t) ? "met" : "MISSED" }')
    echo "RATIO $1 = $r (target <= $4: $ok)"
    [[ $ok == met ]]
}
status=0
ratio "bulk page/snmpbulkwalk -Cr$bulk" "${median_of[page_bulk]}" "${median_of[bulkwalk25]}" \
    "$bulk_target" || status=1
ratio "bulk page/snmpbulkwalk -Cr$((2 * bulk)) (as many requests)" "${median_of[page_bulk]}" \
    "${median_of[bulkwalk50]}" "$bulk_target" || status=1
ratio "get-next page/snmptable -CB" "${median_of[page_next]}" "${median_of[snmptable]}" \
    "$next_target" || status=1
exit "$status"
