#!/usr/bin/env bash
# The bash completion of vanta-cli, driven as bash drives it, against the
# built vanta-cli. Usage: completion_test.sh COMPLETION_SCRIPT CLI_FOLDER
set -u
source "$1"
PATH=$2:$PATH
failures=0

expect() {  # expect "WANTED" WORD... : the replies for the last word, in order
    local wanted=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _vanta_cli
    local got
    got=$(printf '%s|' "${COMPREPLY[@]}")
    if [[ $got != "$wanted" ]]; then
        echo "FAIL: ${COMP_WORDS[*]}: got '$got', wanted '$wanted'"
        failures=$((failures + 1))
    fi
}

expect "PowerTable1|" vanta-cli describe Power
expect "AlarmControl1|" vanta-cli -v 2c 127.0.0.1:161 page AlarmC
expect "page|" vanta-cli -c public 127.0.0.1 pa
expect "set|" vanta-cli 127.0.0.1 page AlarmControl1 s
expect "swL2DevAlarmNewRoot=|" vanta-cli 127.0.0.1 page AlarmControl1 set swL2DevAlarmN
expect "swL2DevAlarmNewRoot=disabled|swL2DevAlarmNewRoot=enabled|" \
    vanta-cli 127.0.0.1 page AlarmControl1 set swL2DevAlarmNewRoot=
# Labels with blanks come quoted, as the shell needs them.
expect 'Status\ \ \ \ \ \ \ \ =|State\ \ =|' vanta-cli 127.0.0.1 page PortTable edit Sta
expect 'State\ \ =enabled|State\ \ =disabled|' vanta-cli 127.0.0.1 page PortTable edit 'State\ \ ='
expect "1|2c|3|" vanta-cli -v ""
expect "AES-192|AES-256|" vanta-cli -x AES-
# Options stand anywhere: after AGENT, glued to their value, before TYPE.
expect "read|" vanta-cli 127.0.0.1 -v2c --verbose -t 5s re
expect "table|table-updown|" vanta-cli -v 2c 127.0.0.1 read -r 0 ta
expect "--verbose|" vanta-cli 127.0.0.1 --v

exit $((failures > 0))
