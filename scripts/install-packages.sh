#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its benchmarks need, if any is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format
  qt6-base-dev qt6-tools-dev qt6-l10n-tools libsdl2-dev libsdl2-mixer-dev libx11-dev libxext-dev libfreetype-dev
  nlohmann-json3-dev libicu-dev
  libespeak-ng-dev
  libsqlite3-dev
  libzip-dev
  libzstd-dev
  libnlopt-dev
  # lexodrome-dict check asks which characters the installed fonts cover
  libfontconfig-dev
  # running: a sans font for the windows, Qt's own translations of its buttons and menus
  fonts-dejavu-core fonts-liberation2 qt6-translations-l10n
  # running: words in any script (the engine opens these libraries by name) and their fonts
  libharfbuzz0b libfribidi0 libfontconfig1 libfreetype6 fonts-noto-core fonts-noto-cjk
  # running: the voices the shot words are spoken with
  espeak-ng-data
  # the progress page opened in the desktop's browser
  xdg-utils
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  libxtst-dev libharfbuzz-dev libfribidi-dev libfontconfig-dev libharfbuzz-bin
  xvfb xauth xdotool x11-utils openbox xclip
  # the peer the benchmarks play side by side with the game
  tuxtype
  chromium
  clang-16 libclang-rt-16-dev
  # the icons, the installed desktop files and the Debian package
  libpng-dev desktop-file-utils appstream lintian dpkg-dev
  # every file's licence
  reuse
  # the metainfo's screenshots (tools/screenshots.sh)
  imagemagick pngquant optipng
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

echo "Installing: ${missing[*]}"
sudo=()
((EUID == 0)) || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
