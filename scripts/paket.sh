#!/usr/bin/env bash
# Builds the Debian package (Depends from dpkg-shlibdeps) in build-paket and
# checks what it installs: the desktop entry, the AppStream metadata and the
# man pages.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DWLR7_TESTS=OFF >/dev/null
cmake --build build-paket
(cd build-paket && cpack -G DEB >/dev/null)
paket=$(ls build-paket/wlr7sinus_*_amd64.deb)
inhalt=$(mktemp -d)
trap 'rm -rf "$inhalt"' EXIT
dpkg-deb -x "$paket" "$inhalt"
echo "$paket: $(dpkg-deb -f "$paket" Depends)"
desktop-file-validate "$inhalt/usr/share/applications/wlr7sinus.desktop"
appstreamcli validate --no-net --explain "$inhalt"/usr/share/metainfo/*.metainfo.xml | grep -v '^$'
for seite in "$inhalt"/usr/share/man/man1/*.1.gz; do
  warnungen=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$seite" 2>&1 >/dev/null)
  [ -z "$warnungen" ] || { echo "$seite: $warnungen" >&2; exit 1; }
done
for programm in wlr7sinus wlr7sinus-export; do "$inhalt/usr/bin/$programm" --version; done
test -s "$inhalt/usr/share/icons/hicolor/scalable/apps/wlr7sinus.svg"
lintian --fail-on error,warning "$paket" 2>&1 | { grep -v 'root privileges' || true; }
echo "Paket: 1 passed, 0 failed"
