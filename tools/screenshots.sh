#!/usr/bin/env bash
# Takes the metainfo's screenshots from the real game: for each language, the built game on a
# desktop of its own (Xvfb and openbox) with the windows in that language; the player picks
# the dictionary at the top of the list, plays until a monster reaches the wizard, closes the
# list of untranslated words, and the picture is the game window as the dictionary dialog
# opens again over the field.
# Usage: tools/screenshots.sh [BUILD_DIR [OUT_DIR]]   (defaults: build, dist/screenshots)
# Closing the game ends every zarnik on the machine; run it under flock /tmp/zarnik.lock.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-dist/screenshots}")
# The languages and the locales their desktops have.
locales=(en_US de_DE fr_FR)

for tool in Xvfb openbox xdotool xprop import identify pngquant optipng; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 2; }
done
[[ -x "$build/game/zarnik" ]] || { echo "screenshots: no $build/game/zarnik: build first" >&2; exit 2; }
mkdir -p "$out"

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Runs the command until it succeeds, for at most $1 seconds.
poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

display_ready() { [[ -s "$work/display" ]]; }
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The visible windows of the game, one "ID NAME" a line.
game_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$game" 2>/dev/null); do
    echo "$id $(xdotool getwindowname "$id")"
  done
}

# Sets $found to the first visible window of the game named $1.
find_window() {
  found=$(game_windows | awk -v named="$1" '{
    id = $1; $1 = ""
    if (substr($0, 2) == named) { print id; exit }
  }')
  [[ -n "$found" ]]
}

# The translation of the window title $1 into language $2, as the game's translation has it.
translated() {
  awk -v source="<source>$1</source>" '
    index($0, source) { found = 1 }
    found && /<translation>/ { sub(/.*<translation>/, ""); sub(/<\/translation>.*/, ""); print; exit }
  ' "translations/lexodrome_$2.ts"
}

# Grabs window $1 with its frame, and what lies over it, into $work/shot.png once two grabs in
# a row agree: the windows have painted and nothing moves any more.
grab_still() {
  import -window "$1" -frame -screen "$work/next.png"
  if [[ -f "$work/shot.png" ]] && cmp -s "$work/shot.png" "$work/next.png"; then return 0; fi
  mv "$work/next.png" "$work/shot.png"
  return 1
}

# "X Y WIDTH HEIGHT" of window $1.
geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^(X|Y|WIDTH|HEIGHT)=/ { printf "%s ", $2 }'
}

main_window() {
  found=$(game_windows | awk '$2 ~ /^Lexodrome/ { print $1; exit }')
  [[ -n "$found" ]]
}

shoot() {
  local locale=$1 language=${1%%_*} home="$work/home-${1%%_*}"
  mkdir -p "$home"
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  pids+=($!)
  poll 10 display_ready || { echo "screenshots: Xvfb did not start" >&2; return 1; }
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
  openbox --sm-disable >/dev/null 2>&1 &
  pids+=($!)
  poll 10 wm_ready || { echo "screenshots: openbox did not start" >&2; return 1; }

  (cd "$build/game" &&
    exec env -u LC_ALL -u LC_MESSAGES -u LEXODROME_LANGUAGE -u LEXODROME_HISTORY \
      LANG="$locale.UTF-8" LANGUAGE="$language" HOME="$home" XDG_CONFIG_HOME="$home/config" \
      XDG_STATE_HOME="$home/state" XDG_DATA_HOME="$home/data" SDL_AUDIODRIVER=dummy \
      QT_QPA_PLATFORM=xcb ./zarnik) 2>"$work/stderr-$language" &
  game=$!
  pids+=("$game")

  poll 30 main_window || { echo "screenshots: no game window" >&2; return 1; }
  local main=$found
  local dialogName listName
  dialogName=$(translated "Выберите словарь:" "$language")
  listName=$(translated "Список непереведённых слов:" "$language")
  poll 30 find_window "$dialogName" || { echo "screenshots: no dictionary dialog" >&2; return 1; }
  local dialog=$found
  # The main window in the middle of the screen, so that the centred dialog lies over it.
  xdotool windowmove "$main" 111 96
  xdotool windowactivate --sync "$dialog" key --delay 90 Down Return

  # Nobody answers: the monsters reach the wizard and the untranslated words are listed.
  poll 120 find_window "$listName" ||
    { echo "screenshots: the game did not end" >&2; return 1; }
  xdotool windowactivate --sync "$found" key --delay 90 alt+F4
  poll 30 find_window "$dialogName" || { echo "screenshots: no dialog after the game" >&2; return 1; }
  # The dialog in the lower right corner, as a player moves it to see the banner.
  local x y width height dialogWidth dialogHeight
  read -r x y width height <<<"$(geometry "$main")"
  read -r _ _ dialogWidth dialogHeight <<<"$(geometry "$found")"
  xdotool windowmove "$found" $((x + width - dialogWidth - 2)) $((y + height - dialogHeight - 24))
  xdotool windowactivate --sync "$found"

  rm -f "$work/shot.png"
  poll 30 grab_still "$main" || { echo "screenshots: the picture did not settle" >&2; return 1; }
  # A palette of 256 colours keeps the picture a third of its size.
  pngquant --force --speed 1 --strip --output "$work/small.png" "$work/shot.png"
  rm -f "$out/$language.png"
  optipng -quiet -o5 -strip all -out "$out/$language.png" "$work/small.png"
  echo "$out/$language.png: $(identify -format '%wx%h' "$out/$language.png")"

  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  pids=()
}

for locale in "${locales[@]}"; do shoot "$locale"; done
