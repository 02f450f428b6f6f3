# Shared by the benchmark scripts (sourced, not run): the Release build, the
# synthetic table served by snmpsim on a free loopback port, and medians.
# Traffic goes to 127.0.0.1 only; the agent is stopped by its PID on exit.
#
# After bench_start_agent ROWS: $work (a temporary folder, removed on exit),
# $agent (127.0.0.1:PORT), $community, $entry (the table's entry OID).

bench_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

fail() {
    echo "$(basename "$0"): $*" >&2
    exit 1
}

work=$(mktemp -d)
sim_pid=
bench_cleanup() {
    if [[ -n "$sim_pid" ]]; then
        kill "$sim_pid" 2>/dev/null || true
        for _ in $(seq 1 50); do  # snmpsim takes a moment to stop
            kill -0 "$sim_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap bench_cleanup EXIT
trap 'exit 130' INT TERM

# A fair comparison needs an optimised build without sanitizers. GCC 12's -O3
# warns falsely about string concatenation (-Wrestrict, GCC bug 105651): the
# warning is shown but does not stop the build.
bench_build_release() {  # BUILD_DIR
    echo "== building (Release, no sanitizers) in $1"
    "$bench_root/scripts/build.sh" "$1" -DCMAKE_BUILD_TYPE=Release -DVANTA_SANITIZE=OFF \
        -DVANTA_WERROR=ON -DCMAKE_CXX_FLAGS=-Wno-error=restrict -DVANTA_BUILD_TESTS=OFF \
        >"$work/build.log" 2>&1 || {
        tail -30 "$work/build.log" >&2
        fail "build failed"
    }
}

# net-snmp's tools read no host configuration and keep their state in $work.
bench_netsnmp_env() {
    mkdir -p "$work/conf" "$work/state"
    export SNMPCONFPATH="$work/conf" SNMP_PERSISTENT_DIR="$work/state" MIBS=""
}

bench_start_agent() {  # ROWS
    local simd
    simd=$(command -v snmpsim-command-responder || command -v snmpsimd || true)
    [[ -n "$simd" ]] || fail "snmpsim is missing (apt-get install snmpsim)"
    for tool in snmpget python3 awk; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh)"
    done
    # snmpsim drops root; the agent user must read the data and write its index.
    chmod 755 "$work"
    mkdir -p "$work/data" "$work/cache" "$work/conf" "$work/state"
    python3 "$bench_root/bench/gen_table.py" "$1" "$work/data/bench.snmprec"
    chmod -R a+rX "$work/data"
    local sim_user=()
    if [[ $(id -u) -eq 0 ]]; then
        chown nobody "$work/cache"
        sim_user=(--process-user=nobody --process-group=nogroup)
    fi

    local port
    port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
    agent="127.0.0.1:$port"
    community=bench  # the .snmprec file name
    entry=1.3.6.1.4.1.99999.1.1

    "$simd" "${sim_user[@]}" --data-dir="$work/data" --cache-dir="$work/cache" \
        --agent-udpv4-endpoint="$agent" --logging-method=null >"$work/sim.log" 2>&1 &
    sim_pid=$!

    bench_netsnmp_env

    local ready=0
    for _ in $(seq 1 60); do
        if snmpget -v1 -c "$community" -t 1 -r 0 "$agent" 1.3.6.1.4.1.99999.2.0 >/dev/null 2>&1; then
            ready=1
            break
        fi
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.5
    done
    [[ $ready -eq 1 ]] || {
        cat "$work/sim.log" >&2
        fail "snmpsim did not answer on $agent"
    }
}

median() {  # column $1 of file $2
    awk -v c="$1" '{ print $c }' "$2" | sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

cpu_median() {  # user + sys of `time` lines "REAL USER SYS" in file $1
    awk '{ print $2 + $3 }' "$1" | sort -g | awk '{ v[NR] = $1 }
        END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
