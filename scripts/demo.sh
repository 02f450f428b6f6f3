#!/usr/bin/env bash
# Installs dependencies, builds, and runs vanta-sim, the simulated Vanta-A
# switch, on 127.0.0.1:16161 in the foreground (Ctrl+C stops it).
#   scripts/demo.sh [VANTA_SIM_OPTIONS...]     e.g. --seed 7, --listen 127.0.0.1:0
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build_dir"

# The simulator announces the address it really serves (another --listen, a
# port of 0) once it answers; the examples below use that one.
banner=$(mktemp)
trap 'rm -f "$banner"' EXIT
"$build_dir/tools/sim/vanta-sim" --listen 127.0.0.1:16161 "$@" >"$banner" &
sim=$!
trap 'kill -TERM "$sim" 2>/dev/null || true' INT TERM
line=""
for _ in $(seq 100); do
    line=$(head -n 1 "$banner")
    if [[ -n "$line" ]] || ! kill -0 "$sim" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if [[ "$line" != "vanta-sim listening on "* ]]; then
    # It did not start (a busy port exits with 2): its message is on stderr.
    status=0
    wait "$sim" || status=$?
    exit "$status"
fi
address=${line#vanta-sim listening on }

cat <<TEXT
$line

Query the simulated Vanta-A switch from another terminal, e.g.:
  snmpwalk -v2c -c vesper -M +$root/tools/sim/data/mibs -m VANTA-SWITCH-MIB $address 1.3.6.1.4.1.99917
  snmpget -v3 -u vanta-sha-aes -l authPriv -a SHA -A sha-auth-secret -x AES -X aes-priv-secret \\
      $address 1.3.6.1.2.1.1.5.0
  snmpset -v2c -c lantern $address 1.3.6.1.2.1.1.5.0 s my-switch
or with vanta-cli, the module's own request engine (README.md, "vanta-cli, the command line"):
  $build_dir/tools/cli/vanta-cli -v2c $address read table 1 \\
      1.3.6.1.2.1.2.2.1.1:integer:key 1.3.6.1.2.1.2.2.1.2:displaystr:ro \\
      '1.3.6.1.2.1.2.2.1.8:integer:ro:1=up;2=down'
Users, pass phrases and communities: README.md, "The simulated switch". Ctrl+C stops it.

TEXT
# wait returns early when a signal arrives; the simulator is still stopping.
status=0
while kill -0 "$sim" 2>/dev/null; do
    status=0
    wait "$sim" || status=$?
done
exit "$status"
