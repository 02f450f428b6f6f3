#!/usr/bin/env bash
# Installs dependencies, builds, and runs vanta-sim, the simulated Vanta-A
# switch, on 127.0.0.1:16161 in the foreground (Ctrl+C stops it).
#   scripts/demo.sh [VANTA_SIM_OPTIONS...]     e.g. --seed 7
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$build_dir"

cat <<'TEXT'

Starting the simulated Vanta-A switch. Query it from another terminal, e.g.:
  snmpwalk -v2c -c vesper 127.0.0.1:16161 1.3.6.1.4.1.99917
  snmpget -v3 -u vanta-sha-aes -l authPriv -a SHA -A sha-auth-secret -x AES -X aes-priv-secret \
      127.0.0.1:16161 1.3.6.1.2.1.1.5.0
  snmpset -v2c -c lantern 127.0.0.1:16161 1.3.6.1.2.1.1.5.0 s my-switch
Users, pass phrases and communities: README.md, "The simulated switch". Ctrl+C stops it.

TEXT
exec "$build_dir/tools/sim/vanta-sim" --listen 127.0.0.1:16161 "$@"
