#!/usr/bin/env bash
# Builds the core and its tests for Windows with MinGW-w64 and runs them under
# Wine, headless, in a fresh Wine prefix in a temporary folder that is removed
# afterwards: nothing of an earlier run or of the user's own ~/.wine is used.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

cmake --preset mingw
cmake --build --preset mingw

WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/kestrune-wine.XXXXXX")"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko: their install prompts would wait for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Console programs need no display; without one Wine opens no window either.
unset DISPLAY WAYLAND_DISPLAY

cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

wineboot -i </dev/null

# One drive of each kind for the drive tests (Win32DrivesTest): a floppy, a CD
# with a label, a CD drive without a medium (its folder is missing), a
# network drive, a RAM disk, and a letter of no known kind (a plain file).
# Wine takes the kinds from the registry when its mount manager starts, so
# the server is restarted afterwards.
drives="$WINEPREFIX/test-drives"
mkdir -p "$drives/floppy" "$drives/cd" "$drives/network" "$drives/ram"
printf 'KesTrune CD' >"$drives/cd/.windows-label"
: >"$drives/plain-file"
ln -s "$drives/plain-file" "$WINEPREFIX/dosdevices/u:"
ln -s "$drives/floppy" "$WINEPREFIX/dosdevices/a:"
ln -s "$drives/cd" "$WINEPREFIX/dosdevices/d:"
ln -s "$drives/no-medium" "$WINEPREFIX/dosdevices/e:"
ln -s "$drives/network" "$WINEPREFIX/dosdevices/n:"
ln -s "$drives/ram" "$WINEPREFIX/dosdevices/r:"
cat >"$drives/kinds.reg" <<'EOF'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Wine\Drives]
"a:"="floppy"
"d:"="cdrom"
"e:"="cdrom"
"n:"="network"
"r:"="ramdisk"
EOF
wine reg import "$(winepath -w "$drives/kinds.reg")" </dev/null
wineserver -k
wineserver -w
export KESTRUNE_WINE_TEST_DRIVES=1

# One server for all the short test processes, instead of one each, and its
# background services started now: started by the first test, they would
# hold on to the output that ctest reads from it and keep ctest waiting.
wineserver -p
wine cmd.exe /c exit </dev/null >/dev/null 2>&1
ctest --preset mingw -j 2 </dev/null
