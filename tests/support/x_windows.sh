# Sourced by the test scripts that drive a real program on an X server with xdotool.

# The id of the visible window of that title, waiting up to $waitTenths tenths of a second
# (10 s unless set: Wine starts slower).
waitWindow() { # name -> window id
    local id
    for _ in $(seq 1 "${waitTenths:-100}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
clickIn() { # window x y
    xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1 sleep 0.3
}
# Clicks cmdEsci (twips 120,0,735,495) in the main window and waits up to 10 s for the program
# of that process id to end; fails when it is still running.
leaveByExitButton() { # window pid
    clickIn "$1" 32 16
    for _ in $(seq 1 100); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
