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
