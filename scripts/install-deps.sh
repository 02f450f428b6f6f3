#!/usr/bin/env bash
# Installs every Debian package the module needs to build, test and run.
# Idempotent: does nothing when all packages are present.
set -euo pipefail

packages=(
    build-essential g++ cmake ninja-build ccache pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev qt6-base-private-dev
    libsnmp-dev snmpd snmp snmpsim
    clang-format binutils
    smitools
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
