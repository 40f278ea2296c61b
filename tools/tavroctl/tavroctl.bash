# bash completion for tavroctl. The names come from tavroctl itself (its help and
# "tavroctl names"), so they always match the program that is installed.

_tavroctl_run() {
    "$_tavroctl_program" "$@" 2>/dev/null
}

# Offers each candidate that begins with the word being typed. Bash replaces only the
# part of the word after its last break character ("=" and ":" by default), so that
# much is cut from the front of every candidate.
_tavroctl_offer() {
    local word=$1 candidate keep=""
    shift
    local i
    for ((i = ${#word} - 1; i >= 0; i--)); do
        if [[ $COMP_WORDBREAKS == *"${word:i:1}"* ]]; then
            keep=${word:0:i+1}
            break
        fi
    done
    for candidate in "$@"; do
        if [[ $candidate == "$word"* ]]; then
            COMPREPLY+=("${candidate#"$keep"}")
            if [[ $candidate == *[=:] ]]; then
                compopt -o nospace 2>/dev/null
            fi
        fi
    done
}

_tavroctl() {
    COMPREPLY=()
    _tavroctl_program=${COMP_WORDS[0]}
    local line=${COMP_LINE:0:COMP_POINT}
    local cur=${line##*[[:space:]]}
    local -a before
    read -ra before <<<"${line%"$cur"}"
    local prev=${before[${#before[@]} - 1]}

    local command="" word
    local -a positionals=()
    for word in "${before[@]:1}"; do
        if [[ $word == -* ]]; then
            continue
        elif [[ -z $command ]]; then
            command=$word
        else
            positionals+=("$word")
        fi
    done

    if [[ $prev == --from-json || $prev == -o || $prev == --macros || $prev == --dir ]]; then
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        return
    fi
    if [[ $cur == -* ]]; then
        local -a options
        mapfile -t options < <(_tavroctl_run ${command:+"$command"} --help |
            grep -o -- '--[a-z][a-z-]*' | sort -u)
        _tavroctl_offer "$cur" "${options[@]}"
        return
    fi
    if [[ -z $command ]]; then
        local -a commands
        mapfile -t commands < <(_tavroctl_run --help | awk '$1 == "tavroctl" { print $2 }')
        _tavroctl_offer "$cur" "${commands[@]}"
        return
    fi

    local -a names
    case $command in
    get | set)
        if ((${#positionals[@]} == 0)); then
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
        fi
        if [[ $command == set && $cur == *=* ]]; then
            local setting=${cur%%=*} value=${cur#*=}
            if [[ $setting == button.* && ${value,,} == key:* ]]; then
                mapfile -t names < <(_tavroctl_run names keys)
                names=("${names[@]/#/$setting=key:}")
            elif [[ $setting == button.* && ${value,,} == macro:* ]]; then
                mapfile -t names < <(_tavroctl_run macros | cut -f 2)
                names=("${names[@]/#/$setting=macro:}")
            else
                mapfile -t names < <(_tavroctl_run names values "$setting")
                names=("${names[@]/#/$setting=}")
            fi
            _tavroctl_offer "$cur" "${names[@]}"
            return
        fi
        mapfile -t names < <(_tavroctl_run names settings)
        if [[ $command == set ]]; then
            names=("${names[@]/%/=}")
        fi
        _tavroctl_offer "$cur" "${names[@]}"
        ;;
    macros)
        if ((${#positionals[@]} == 0)); then
            _tavroctl_offer "$cur" add rm rename
            mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -d -- "$cur")
        elif [[ ${positionals[0]} == rm || ${positionals[0]} == rename ]] &&
            ((${#positionals[@]} == 1)); then
            mapfile -t names < <(_tavroctl_run macros | cut -f 2)
            _tavroctl_offer "$cur" "${names[@]}"
        elif [[ ${positionals[0]} == add ]] && ((${#positionals[@]} >= 2)); then
            mapfile -t names < <(_tavroctl_run names keys)
            _tavroctl_offer "$cur" "${names[@]}"
        fi
        ;;
    names)
        if ((${#positionals[@]} == 0)); then
            _tavroctl_offer "$cur" settings functions keys values
        elif [[ ${positionals[0]} == values ]]; then
            mapfile -t names < <(_tavroctl_run names settings)
            _tavroctl_offer "$cur" "${names[@]}"
        fi
        ;;
    *)
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
        ;;
    esac
}

complete -F _tavroctl tavroctl
