#!/usr/bin/env bash
# Proves that a fresh Debian 12 machine needs nothing but the project's own
# scripts: builds a minimal root with mmdebstrap (the mirror taken from this
# machine's apt sources), clones the project into it and runs the README's
# test command there with a clean environment; then builds the Debian
# package there, installs it with apt into a second fresh root and runs the
# programs from it. As root. The mounts are undone whatever happens.
set -euo pipefail
projekt=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "frisch.sh: braucht root (mmdebstrap, chroot)" >&2; exit 1; }
command -v mmdebstrap >/dev/null ||
  { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq mmdebstrap >/dev/null; }

arbeit=$(mktemp -d /var/tmp/wlr7-frisch-XXXXXX)
wurzeln=()
aufraeumen() {
  for w in "${wurzeln[@]}"; do
    for m in dev sys proc; do umount -R -l "$w/$m" 2>/dev/null || true; done
  done
  rm -rf --one-file-system "$arbeit"
}
trap aufraeumen EXIT
trap 'exit 1' INT TERM HUP  # a stop by signal cleans up as well

quellen=()
for q in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -s "$q" ] && grep -qE '^\s*(deb|Types:)' "$q" && quellen+=("$q")
done
[ ${#quellen[@]} -gt 0 ] || { echo "frisch.sh: keine apt-Quellen auf dieser Maschine" >&2; exit 1; }

echo "== frische Debian-12-Wurzel"
mmdebstrap --quiet --variant=minbase bookworm "$arbeit/basis.tar" "${quellen[@]}"

# A root of its own from the base, with /proc, /sys and /dev of the machine.
wurzel() {
  local w="$arbeit/$1"
  mkdir -p "$w"
  tar -C "$w" -xf "$arbeit/basis.tar"
  cp /etc/resolv.conf "$w/etc/resolv.conf"
  wurzeln+=("$w")
  mount -t proc proc "$w/proc"
  for m in sys dev; do mount --rbind "/$m" "$w/$m"; mount --make-rslave "$w/$m"; done
}
# Runs a command in a root with a clean environment.
drin() {
  local w="$arbeit/$1"; shift
  chroot "$w" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM=dumb /bin/bash -c "$*"
}

wurzel bau
git clone -q "$projekt" "$arbeit/bau/root/wlr7"
echo "== README: scripts/test.sh in der frischen Wurzel"
drin bau "cd /root/wlr7 && scripts/test.sh"
echo "== README: scripts/run.sh baut und startet (virtuelle Anzeige)"
drin bau "cd /root/wlr7 && xvfb-run -a scripts/run.sh --version"
echo "== Paket bauen und prüfen"
drin bau "cd /root/wlr7 && scripts/paket.sh"
paket=$(ls "$arbeit"/bau/root/wlr7/build-paket/wlr7sinus_*_amd64.deb)

wurzel ziel
echo "== der Exporter ohne jede Qt-Bibliothek"
cp "$arbeit/bau/root/wlr7/build-paket/cli/wlr7sinus-export" "$arbeit/ziel/usr/local/bin/"
drin ziel "! ls /usr/lib/x86_64-linux-gnu | grep -q libQt6 && wlr7sinus-export --output - | sed -n '1,8p' && rm /usr/local/bin/wlr7sinus-export"
echo "== Paket mit apt in einer zweiten frischen Wurzel"
cp "$paket" "$arbeit/ziel/root/"
drin ziel "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /root/$(basename "$paket") >/dev/null"
drin ziel "wlr7sinus --version && wlr7sinus-export --version && wlr7sinus-export --output - | sed -n '1p;7,8p' &&
  test -s /usr/share/applications/wlr7sinus.desktop && test -s /usr/share/icons/hicolor/scalable/apps/wlr7sinus.svg &&
  test -s /usr/share/metainfo/de.wlr7.sinus.metainfo.xml && test -s /usr/share/man/man1/wlr7sinus-export.1.gz"
echo "Frische Wurzel: 1 passed, 0 failed"
