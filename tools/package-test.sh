#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it with apt-get and
# runs both programs from the installed paths: tournel-cli's help, a schedule
# written as a web page into the installed template, and a print to PDF by
# the window's program without a display. Removes the package again.
#   tools/package-test.sh BUILD_FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
sudo=()
[ "$(id -u)" != 0 ] && sudo=(sudo)

rm -f "$build"/tournel_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/tournel_*.deb)
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "./$deb" > /dev/null
trap 'DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y tournel > /dev/null' EXIT

work=$(mktemp -d)
/usr/bin/tournel-cli --help | grep -q "^Usage: tournel-cli"
/usr/bin/tournel-cli schedule examples/season.tnd -o "$work/season.tnd" --seed 1 > /dev/null
/usr/bin/tournel-cli export "$work/season.tnd" --schedule "$work/schedule.htm"
grep -qi "<!DOCTYPE html>" "$work/schedule.htm"
QT_QPA_PLATFORM=offscreen /usr/bin/tournel --print-pdf "$work/schedule.pdf" --print schedule "$work/season.tnd"
head -c 5 "$work/schedule.pdf" | grep -q "%PDF-"
for file in /usr/share/tournel/tips.txt /usr/share/man/man1/tournel.1 /usr/share/man/man1/tournel-cli.1 \
    /usr/share/applications/tournel.desktop /usr/bin/Plain_Template.htm; do
    [ -e "$file" ] || { echo "not installed: $file"; exit 1; }
done
rm -rf "$work"
echo "the package $(basename "$deb") installs and runs"
