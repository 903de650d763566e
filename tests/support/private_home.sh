#!/bin/bash
# Runs one test with a home, XDG folders and runtime folder of its own, removed afterwards:
# no test writes into the user's home, autostart or menu folders.
# Usage: private_home.sh COMMAND [ARGUMENT...]
private=$(mktemp -d)
trap 'rm -rf "$private"' EXIT
export HOME="$private/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
export XDG_DATA_HOME="$HOME/.local/share" XDG_RUNTIME_DIR="$private/runtime"
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$@"
