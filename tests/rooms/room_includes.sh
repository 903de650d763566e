#!/usr/bin/env bash
# Each room of src/ includes only what lies at its level or below: the main window includes
# any room; a feature room (alarm, report, types, info, accessibility, installer) the other
# features and the ground; the ground (core, platform, widgets) only the ground. Includes are
# written from src/, room first. Usage: room_includes.sh SRC_DIR
set -u
src=${1:?source folder}
ground="core platform widgets"
features="alarm report types info accessibility installer"
status=0

level() { # room -> 0 ground, 1 feature, 2 the main window, 9 unknown
    case " $ground " in *" $1 "*) echo 0; return ;; esac
    case " $features " in *" $1 "*) echo 1; return ;; esac
    [ "$1" = mainwindow ] && echo 2 || echo 9
}

while IFS= read -r file; do
    room=${file#"$src"/}
    room=${room%%/*}
    from=$(level "$room")
    while IFS=: read -r line target; do
        to=${target%%/*}
        if [ "$to" = "$target" ]; then
            echo "$file:$line: \"$target\" names no room (write \"$room/$target\")"
            status=1
            continue
        fi
        [ "$to" = "$room" ] && continue
        [ -d "$src/$to" ] || continue # a generated header, such as version.rc.h's folder
        into=$(level "$to")
        # A feature may use another feature, never the level above; the ground only itself.
        if [ "$into" -gt "$from" ] || { [ "$from" -eq 0 ] && [ "$into" -ne 0 ]; }; then
            echo "$file:$line: $room includes \"$target\", a room above it"
            status=1
        fi
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
                 sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

# The main window's controls are its own.
if grep -rn 'Ui::MainWindow\b' "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/mainwindow/"; then
    echo "Ui::MainWindow named outside src/mainwindow"
    status=1
fi
[ "$status" -eq 0 ] && echo "every include of $(find "$src" -name '*.h' -o -name '*.cpp' | wc -l) files runs down or sideways"
exit "$status"
