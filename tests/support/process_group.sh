# Sourced by the test scripts that run in a process group of their own (setsid) inside
# dbus-run-session: ours() fills the array others with the processes of that group but this
# shell and its ps, the dbus-run-session around it and its bus, which ends with it. The
# listing goes to $listing.
group=$(ps -o pgid= $$ | tr -d ' ')
ours() {
    ps -o pid=,ppid=,stat=,comm= -g "$group" >"$listing"
    others=()
    local p parent stat name
    while read -r p parent stat name; do
        [ "$p" = $$ ] || [ "$p" = "$PPID" ] || [ "$parent" = "$PPID" ] && continue
        [[ $stat == Z* ]] || { [ "$parent" = $$ ] && [ "$name" = ps ]; } && continue
        others+=("$p")
    done <"$listing"
}

# Ends what ours() finds, waiting up to 5 s; false, after killing them hard, when some were
# still running.
end_ours() {
    ours
    [ ${#others[@]} -gt 0 ] && kill "${others[@]}" 2>/dev/null
    for _ in $(seq 1 50); do
        ours
        [ ${#others[@]} -eq 0 ] && return 0
        sleep 0.1
    done
    echo "FAIL: still running after the test:"
    ps -o pid=,args= -p "${others[*]}"
    kill -9 "${others[@]}" 2>/dev/null
    return 1
}
