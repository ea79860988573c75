#!/usr/bin/env bash
# Installs the built program into a temporary home, checks its desktop entry, starts the
# program from it, and uninstalls it again: the program and the entry go, its data stays.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work
unset XDG_DATA_HOME
prefix=$work/opt/velbor-inventory

cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$HOME/.local/share/applications/velbor-inventory.desktop
icon=$HOME/.local/share/icons/hicolor/scalable/apps/velbor-inventory.svg
desktop-file-validate "$entry"
test -f "$icon"
program=$(sed -n 's/^Exec="\(.*\)"$/\1/p' "$entry")
test "$program" = "$prefix/velbor-inventory"

# Started as the menu starts it, the program runs and keeps its data folder beside itself.
(cd "$(sed -n 's/^Path=//p' "$entry")" && QT_QPA_PLATFORM=offscreen exec "$program") &
pid=$!
sleep 3
kill -0 "$pid"
kill "$pid"
wait "$pid" || true
test -d "$prefix/Backup"
echo '"Ace Plumbing"' >"$prefix/MyBusinessData.txt"

cmake --build "$build" --target uninstall >/dev/null
test ! -e "$program" && test ! -e "$entry" && test ! -e "$icon"
test -f "$prefix/MyBusinessData.txt"
echo "install, start and uninstall: ok"
