#!/usr/bin/env bash
# Builds the Debian package into a folder of its own and checks what Debian checks: the fields
# a player's apt relies on, the launcher where Debian keeps games, no maintainer scripts, and
# no lintian error or warning.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$build/package-check
rm -rf "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null 2>&1)
deb=$(echo "$out"/lexodrome_*.deb)
field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Section) == games ]] || { echo "section: $(field Section)"; exit 1; }
[[ $(field Depends) == *libsdl2-mixer-2.0-0* && $(field Depends) == *libqt6widgets6* &&
   $(field Depends) == *libespeak-ng1* && $(field Depends) == *xdg-utils* &&
   $(field Depends) == *fonts-noto-core* && $(field Depends) == *libharfbuzz0b* &&
   $(field Recommends) == *fonts-noto-cjk* ]] ||
  { echo "depends: $(field Depends); recommends: $(field Recommends)"; exit 1; }
contents=$(dpkg-deb --contents "$deb")
[[ $contents$'\n' == *' ./usr/games/lexodrome'$'\n'* ]] || { echo "no /usr/games/lexodrome"; exit 1; }
for language in de en uk fr es pl it; do
  qm=./usr/share/lexodrome/translations/lexodrome_$language.qm
  [[ $contents$'\n' == *" $qm"$'\n'* ]] || { echo "no $qm"; exit 1; }
  [[ $contents$'\n' == *" $qm.sha256"$'\n'* ]] || { echo "no $qm.sha256"; exit 1; }
done
# Without maintainer scripts a removed package leaves nothing behind, not even in dpkg's list.
[[ ! $(dpkg-deb --info "$deb") =~ (pre|post)(inst|rm) ]] || { echo "maintainer scripts:"; dpkg-deb --info "$deb"; exit 1; }
lintian --fail-on error,warning "$deb"
