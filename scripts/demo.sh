#!/usr/bin/env bash
# Installs dependencies, builds, starts vanta-sim (the simulated Vanta-A
# switch) and opens vanta-manager on it the way a network-management host
# does: a registry file naming the host's configuration folder, a .cfg file
# for the device in it (agent port and SNMP version) and the command line.
# Closing the window stops the simulator.
#   scripts/demo.sh [VANTA_SIM_OPTIONS...]     e.g. --seed 7
# Environment: VANTA_DEMO_DIR (default build/demo) keeps the registry file,
# the .cfg file and the module's boots counter; --sim-only keeps the old
# behaviour of serving the simulator in the foreground without the window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
source "$root/scripts/host-files.sh"

sim_only=0
sim_args=()
for arg in "$@"; do
    if [[ "$arg" == "--sim-only" ]]; then
        sim_only=1
    else
        sim_args+=("$arg")
    fi
done

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build_dir"

# The simulator announces the address it really serves once it answers.
banner=$(mktemp)
sim=""
cleanup() {
    [[ -n "$sim" ]] && kill -TERM "$sim" 2>/dev/null || true
    rm -f "$banner"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
"$build_dir/tools/sim/vanta-sim" --listen 127.0.0.1:16161 "${sim_args[@]}" >"$banner" &
sim=$!
address=$(vanta_sim_banner "$banner" "$sim")
if [[ -z "$address" ]]; then
    # It did not start (a busy port exits with 2): its message is on stderr.
    status=0
    wait "$sim" || status=$?
    sim=""
    exit "$status"
fi
echo "vanta-sim listening on $address"

if [[ "$sim_only" == 1 ]]; then
    cat <<TEXT
Query it from another terminal, e.g.:
  snmpwalk -v2c -c vesper -M +$root/tools/sim/data/mibs -m VANTA-SWITCH-MIB $address 1.3.6.1.4.1.99917
Users, pass phrases and communities: README.md, "The simulated switch". Ctrl+C stops it.
TEXT
    status=0
    while kill -0 "$sim" 2>/dev/null; do
        status=0
        wait "$sim" || status=$?
    done
    sim=""
    exit "$status"
fi

# udp:127.0.0.1:16161 -> host 127.0.0.1, port 16161
hostport=${address#udp:}
host=${hostport%:*}
port=${hostport##*:}

demo_dir=${VANTA_DEMO_DIR:-"$build_dir/demo"}
vanta_host_files "$demo_dir" "$host" "$port" "$build_dir/src/Vanta-A.html"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "demo: no display found (DISPLAY is not set); run it on a desktop, under xvfb-run," >&2
    echo "      or with --sim-only to serve the simulator alone." >&2
    exit 1
fi
echo "Opening vanta-manager for $host (agent port $port from $demo_dir/Conf/MBF/$host.cfg)"
cd "$demo_dir"
status=0
VANTA_REGISTRY="$demo_dir/registry.ini" "$build_dir/src/vanta-manager" \
    "/I$host" /Rvesper /Wlantern || status=$?
exit "$status"
