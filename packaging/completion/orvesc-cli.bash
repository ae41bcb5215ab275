# bash completion for orvesc-cli. The program lists the candidates itself (orvesc-cli __complete
# WORD...), so commands, options, ports and setting entries never go out of date here.

_orvesc_cli()
{
    local i word cur candidates words=()
    # bash splits KEY=ENTRY at "=" (COMP_WORDBREAKS); the program wants each word whole.
    for ((i = 1; i <= COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]//\\/}
        if ((i > 1)) && [[ $word == = || ${COMP_WORDS[i - 1]} == = ]]; then
            words[${#words[@]} - 1]+=$word
        else
            words+=("$word")
        fi
    done
    cur=${words[${#words[@]} - 1]}
    mapfile -t candidates < <("${COMP_WORDS[0]}" __complete "${words[@]}" 2>/dev/null)
    local IFS=$'\n'
    COMPREPLY=()
    if [[ ${candidates[0]} == ":files "* ]]; then
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X "!${candidates[0]#:files }" -- "$cur"))
        return
    fi
    for word in "${candidates[@]}"; do
        # bash replaces only what follows the last "=".
        [[ $cur == *=* ]] && word=${word#"${cur%=*}="}
        COMPREPLY+=("$(printf '%q' "$word")")
    done
    [[ ${#COMPREPLY[@]} -eq 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace 2>/dev/null
}
complete -F _orvesc_cli orvesc-cli
