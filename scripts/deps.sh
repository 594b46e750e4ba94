#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing, fuzzing,
# benchmarking and packaging need and that this machine lacks, on Debian 12
# "bookworm". Runs apt-get as root, or through sudo. CI proves the list on a
# fresh root (scripts/frisch.sh).
set -euo pipefail

pakete=(
  # building
  cmake ninja-build g++ pkg-config binutils
  qt6-base-dev qt6-charts-dev qt6-tools-dev qt6-svg-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
  # file metadata kept on replacement (ACL, extended attributes) and the manifest's SHA-256
  libacl1-dev libattr1-dev nettle-dev
  # running
  fonts-dejavu-core
  # testing, the real window included, and benchmarks
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool openbox x11-utils imagemagick
  # file tests: a kill at each system call of the write path
  strace util-linux
  # fuzzing
  clang libclang-rt-14-dev
  # the Debian package and its checks
  dpkg-dev file desktop-file-utils appstream man-db lintian
)

fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

als_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Fehlende Pakete: ${fehlend[*]} (bitte als root installieren)" >&2; exit 1; }
  als_root=(sudo)
fi
echo "Installiere: ${fehlend[*]}"
protokoll=$(mktemp)
trap 'rm -f "$protokoll"' EXIT
if ! { "${als_root[@]}" apt-get update -qq &&
       "${als_root[@]}" env DEBIAN_FRONTEND=noninteractive \
         apt-get install -y -qq --no-install-recommends "${fehlend[@]}"; } >"$protokoll" 2>&1; then
  tail -n 40 "$protokoll" >&2
  echo "Die Pakete konnten nicht installiert werden." >&2
  exit 1
fi
