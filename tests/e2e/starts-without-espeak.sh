#!/usr/bin/env bash
# zarnik starts and shows its dictionary dialog on a machine without espeak-ng: the game does not
# link it, and the engine opens it only when a word is spoken. The library is hidden by an empty
# file mounted over it in a mount namespace of the test's own, so nothing outside it changes.
# Usage: starts-without-espeak.sh ZARNIK   (exit 77: skipped, no mount namespace here)
set -euo pipefail
zarnik=$(realpath "$1")

if [[ ${2:-} != --hidden ]]; then
    if readelf -d "$zarnik" | grep -q 'NEEDED.*libespeak'; then
        echo "zarnik needs libespeak-ng to load" >&2
        exit 1
    fi
    if ! unshare -m true 2>/dev/null; then
        echo "no mount namespace for this user: skipped"
        exit 77
    fi
    exec unshare -m "$0" "$zarnik" --hidden
fi

work=$(mktemp -d)
hidden=()
zarnik_pid=
xvfb_pid=
cleanup() {
    if [[ -n $zarnik_pid ]]; then kill "$zarnik_pid" 2>/dev/null || true; fi
    if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    for library in "${hidden[@]}"; do umount "$library" || true; done
    rm -rf "$work"
}
trap cleanup EXIT

: >"$work/empty"
for library in $(ldconfig -p | awk '/libespeak-ng\.so/ { print $NF }'); do
    library=$(realpath "$library")
    mount --bind "$work/empty" "$library"
    hidden+=("$library")
done
if ((${#hidden[@]} == 0)); then
    echo "espeak-ng is not installed here: the game starts without it as on a player's machine"
fi

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 30 -u "$display_fd" display
export DISPLAY=:$display

cd "$(dirname "$zarnik")"
XDG_STATE_HOME=$work/state XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work \
    SDL_AUDIODRIVER=dummy LEXODROME_HISTORY=off LANG=C.UTF-8 "$zarnik" >"$work/zarnik.log" 2>&1 &
zarnik_pid=$!

deadline=$((SECONDS + 60))
while ((SECONDS < deadline)); do
    if xdotool search --name 'Выберите словарь' >/dev/null 2>&1; then
        echo "the dictionary dialog is open; libespeak-ng was hidden"
        exit 0
    fi
    if ! kill -0 "$zarnik_pid" 2>/dev/null; then
        echo "zarnik ended before its dialog:" >&2
        cat "$work/zarnik.log" >&2
        exit 1
    fi
    sleep 0.2
done
echo "no dictionary dialog within 60 s" >&2
cat "$work/zarnik.log" >&2
exit 1
