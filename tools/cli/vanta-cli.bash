# bash completion for vanta-cli: commands, page names, column labels and
# option labels, asked of vanta-cli itself.

_vanta_cli_flags="-v -c -w -u -l -a -A -x -X -n -E -t -r -s --verbose"

_vanta_cli_quoted() {
    local word
    while IFS= read -r word; do
        [[ -n $word ]] && printf '%q\n' "$word"
    done
}

_vanta_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local cli=${COMP_WORDS[0]} i page="" action=""
    COMPREPLY=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            page|describe) page=${COMP_WORDS[i+1]} ;;
            set|edit|add|delete) [[ -n $page ]] && action=${COMP_WORDS[i]} ;;
        esac
    done
    case $prev in
        page|describe)
            mapfile -t COMPREPLY < <(compgen -W "$("$cli" pages 2>/dev/null | cut -f1)" -- "$cur")
            return ;;
        -v) mapfile -t COMPREPLY < <(compgen -W "1 2c 3" -- "$cur"); return ;;
        -l) mapfile -t COMPREPLY < <(compgen -W "noAuthNoPriv authNoPriv authPriv" -- "$cur"); return ;;
        -a) mapfile -t COMPREPLY < <(compgen -W "MD5 SHA SHA-224 SHA-256 SHA-384 SHA-512" -- "$cur"); return ;;
        -x) mapfile -t COMPREPLY < <(compgen -W "DES AES AES-192 AES-256" -- "$cur"); return ;;
        -c|-w|-u|-A|-X|-n|-E|-t|-r|-s) return ;;
    esac
    if [[ -n $action ]]; then
        local records candidates line
        records=$("$cli" describe "$page" 2>/dev/null)
        if [[ $cur == *=* ]]; then
            # Option labels of the column before "=".
            local label=${cur%%=*}
            label=$(printf '%b' "${label//\\/}")
            candidates=$(while IFS=$'\t' read -r _ _ l _ _ options; do
                [[ $l == "$label" && -n $options ]] || continue
                tr ';' '\n' <<<"$options" | cut -d= -f2- | sed "s|^|$label=|"
            done <<<"$records" | _vanta_cli_quoted)
        else
            candidates=$(cut -f3 <<<"$records" | sed 's/$/=/' | _vanta_cli_quoted)
        fi
        while IFS= read -r line; do
            [[ -n $line && $line == "$cur"* ]] && COMPREPLY+=("$line")
        done <<<"$candidates"
        compopt -o nospace 2>/dev/null
        return
    fi
    if [[ -n $page ]]; then
        mapfile -t COMPREPLY < <(compgen -W "-s set edit add delete" -- "$cur")
        return
    fi
    # Options may stand anywhere; the other words are AGENT, the command and TYPE.
    local words=()
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --*|-??*|-h) ;;
            -?) ((i++)) ;;
            *) words+=("${COMP_WORDS[i]}") ;;
        esac
    done
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$_vanta_cli_flags --help" -- "$cur")
    elif ((${#words[@]} == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "page read write" -- "$cur")
    elif ((${#words[@]} == 2)) && [[ ${words[1]} == read || ${words[1]} == write ]]; then
        mapfile -t COMPREPLY < <(compgen -W "scalars row table table-updown" -- "$cur")
    elif ((${#words[@]} == 0)); then
        mapfile -t COMPREPLY < <(compgen -W "pages describe" -- "$cur")
    fi
}
complete -F _vanta_cli vanta-cli
