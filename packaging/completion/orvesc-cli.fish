# fish completion for orvesc-cli: the program lists the candidates for the words typed so far.
function __orvesc_cli_complete
    set -l tokens (commandline -opc) (commandline -ct)
    set -l candidates ($tokens[1] __complete $tokens[2..-1] 2>/dev/null)
    if test "$candidates[1]" = ':files *'
        __fish_complete_path (commandline -ct)
    else if string match -q ':files *' -- $candidates[1]
        __fish_complete_suffix (string replace ':files *' '' -- $candidates[1])
    else
        printf '%s\n' $candidates
    end
end
complete -c orvesc-cli -f -a '(__orvesc_cli_complete)'
