# Sourced by the scripts that start vanta-manager the way a host does: the
# host's registry file and the device's .cfg file, and the simulator's banner.

# vanta_host_files DIR ADDRESS PORT [HELP_FILE]: DIR/registry.ini naming
# DIR/Conf/MBF/ as the host's configuration folder (and HELP_FILE as the
# help file) with the host's App Paths entry, and DIR/Conf/MBF/ADDRESS.cfg
# with the agent port and SNMPv2c.
vanta_host_files() {
    local dir=$1 address=$2 port=$3 help=${4:-}
    mkdir -p "$dir/Conf/MBF"
    {
        echo "; What a host installation would have written into the machine registry."
        printf '[SOFTWARE\\Corvane\\Quillon5.1\\MibFile]\nPath=%s/Conf/MBF/\n' "$dir"
        # The host's own entry, which the module looks for when it starts a viewer.
        printf '[SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\quillon51.exe]\nPath=%s\n' "$dir"
        if [[ -n "$help" ]]; then
            printf '[SOFTWARE\\Corvane\\Modules\\HelpPath]\n1.3.6.1.4.1.99917.10.70.1=%s\n' "$help"
        fi
    } >"$dir/registry.ini"
    printf '[Program Information]\nAgentPort=%s\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n' \
        "$port" >"$dir/Conf/MBF/$address.cfg"
}

# vanta_sim_banner FILE PID: waits up to 10 s for the simulator's first line
# and prints the address it serves ("udp:127.0.0.1:16161"); nothing when it
# did not start.
vanta_sim_banner() {
    local line=""
    for _ in $(seq 100); do
        line=$(head -n 1 "$1")
        if [[ -n "$line" ]] || ! kill -0 "$2" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [[ "$line" == "vanta-sim listening on "* ]]; then
        echo "${line#vanta-sim listening on }"
    fi
}
