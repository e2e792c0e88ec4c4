#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }
[ -x "$prefix/bin/TOLVARK" ] || fail "bin/TOLVARK missing"
[ "$(readlink "$prefix/bin/tolvark")" = TOLVARK ] || fail "bin/tolvark is not a link to TOLVARK"
desktop="$prefix/share/applications/tolvark.desktop"
[ -f "$desktop" ] || fail "desktop entry missing"
grep -qx 'Exec=tolvark' "$desktop" || fail "desktop entry does not start tolvark"
grep -qx 'Icon=tolvark' "$desktop" || fail "desktop entry names no icon"
[ -f "$prefix/share/icons/hicolor/32x32/apps/tolvark.xpm" ] || fail "icon missing"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
echo "install layout: 1 passed, 0 failed"
