#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it with apt-get and
# runs both programs from the installed paths: tournel-cli's help, a schedule
# written as a web page into the installed template, a print to PDF by the
# window's program without a display, and the window started offscreen to
# find its template, tips and user guide where the package put them. Removes
# the package again.
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
# Through a file: grep -q would stop reading early and break the pipe.
/usr/bin/tournel-cli --help > "$work/help.txt"
grep -q "^Usage: tournel-cli" "$work/help.txt"
/usr/bin/tournel-cli schedule examples/season.tnd -o "$work/season.tnd" --seed 1 > /dev/null
/usr/bin/tournel-cli export "$work/season.tnd" --schedule "$work/schedule.htm"
grep -qi "<!DOCTYPE html>" "$work/schedule.htm"
/usr/bin/tournel-cli report "$work/season.tnd" --json > "$work/report.json"
grep -q "\"courts\"" "$work/report.json"
QT_QPA_PLATFORM=offscreen /usr/bin/tournel --print-pdf "$work/schedule.pdf" --print schedule "$work/season.tnd"
head -c 5 "$work/schedule.pdf" | grep -q "%PDF-"
for file in /usr/share/tournel/tips.txt /usr/share/man/man1/tournel.1 /usr/share/man/man1/tournel-cli.1 \
    /usr/share/applications/tournel.desktop /usr/bin/Plain_Template.htm; do
    [ -e "$file" ] || { echo "not installed: $file"; exit 1; }
done
# Every page and picture of the guide, as in the sources.
(cd docs/guide && find . -type f) | while read -r file; do
    cmp -s "docs/guide/$file" "/usr/share/tournel/guide/$file" || { echo "not installed: guide/$file"; exit 1; }
done
# The window finds what it needs at the installed paths, not in the sources.
(cd "$work" && QT_QPA_PLATFORM=offscreen HOME="$work" timeout 60 /usr/bin/tournel --check-install) > "$work/check.txt" ||
    { cat "$work/check.txt"; exit 1; }
for line in "template: /usr/bin/Plain_Template.htm" "tips: /usr/share/tournel/tips.txt" \
    "guide: /usr/share/tournel/guide/index.html"; do
    grep -qxF "$line" "$work/check.txt" || { echo "tournel --check-install did not say: $line"; cat "$work/check.txt"; exit 1; }
done
rm -rf "$work"
echo "the package $(basename "$deb") installs and runs"
