#!/usr/bin/env bash
# Drives the real program in a real X window (Xvfb, openbox) from the
# keyboard and the mouse, as a person would, under LANG=C.UTF-8; a second
# run starts on the platform list "wayland;xcb" and ends by the close box.
# Arguments: the program, the batch exporter, a folder for screenshots.
set -euo pipefail
programm=$(realpath "$1")
batch=$(realpath "$2")
bilder=${3:-}

arbeit=$(mktemp -d /tmp/wlr7-e2e-XXXXXX)
pids=()
# Waits for each to end, so that no server of this run is still going away
# when the next run starts.
aufraeumen_prozesse() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null || true; done; pids=(); }
aufraeumen() { aufraeumen_prozesse; rm -rf "$arbeit"; }
trap aufraeumen EXIT

fehler() {
  echo "FEHLER in Lauf ${lauf:-?}: $*" >&2
  cat "$arbeit/xvfb.log" "$arbeit/openbox.log" "$arbeit/programm.log" >&2 2>/dev/null || true
  [ -n "$bilder" ] && import -window root "$bilder/e2e-fehler.png" 2>/dev/null
  exit 1
}

# Polls until a command succeeds, at most $1 seconds.
warten() {
  local frist=$(( $(date +%s) + $1 )); shift
  until "$@" >/dev/null 2>&1; do
    [ "$(date +%s)" -lt "$frist" ] || return 1
    sleep 0.1
  done
}

unset QT_QPA_PLATFORM WAYLAND_DISPLAY LC_ALL LC_TIME LC_MESSAGES
export LANG=C.UTF-8 XDG_RUNTIME_DIR="$arbeit"
wm_bereit() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
# Xvfb on a free display, then openbox on it. A server of another run that
# is still going away can take the new one's display from under it; then
# both are stopped and started again.
x_starten() {
  : >"$arbeit/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$arbeit/display" >"$arbeit/xvfb.log" 2>&1 & pids=($!)
  warten 30 test -s "$arbeit/display" || return 1
  export DISPLAY=":$(head -n1 "$arbeit/display")"
  warten 30 xdpyinfo || return 1
  openbox >"$arbeit/openbox.log" 2>&1 & pids+=($!)
  warten 20 wm_bereit && kill -0 "${pids[0]}"
}
for versuch in 1 2 3; do
  x_starten && break
  echo "X-Server und openbox: Versuch $versuch gescheitert" >&2
  aufraeumen_prozesse
  [ "$versuch" -lt 3 ] || fehler "X-Server und openbox starten nicht"
done

fenster() { xdotool search --onlyvisible --name "^$1\$" | head -n1; }

starten() {
  rm -f "$arbeit/exit"
  (cd "$arbeit"; c=0; env "$@" "$programm" >"$arbeit/programm.log" 2>&1 || c=$?; echo $c >"$arbeit/exit") & pids+=($!)
  warten 60 fenster "WLR7-Dovarizuz V 1.0" || fehler "kein Fenster mit dem Titel"
  win=$(fenster "WLR7-Dovarizuz V 1.0")
  xdotool windowactivate --sync "$win"
}

beendet_mit_null() {
  warten 60 test -s "$arbeit/exit" || fehler "Programm endet nicht"
  [ "$(cat "$arbeit/exit")" = 0 ] || fehler "Exit-Code $(cat "$arbeit/exit")"
}


# Run 1: a day's work from the keyboard alone, through the mnemonics
# (Alt + the underlined letter) and the menus' shortcuts: six inputs,
# export over an old file, quit. 28 keystrokes, 9 of them the file name;
# the second export finds the name filled in.
lauf=1
starten
# The focus starts on the maximum voltage with its text selected: typing
# replaces it.
xdotool type --delay 20 "20"
# Two wheel notches over the offset field, which has no focus: nothing.
xdotool mousemove --window "$win" 60 190 click 4 click 4
xdotool key alt+e; xdotool type --delay 20 "2"     # RMS amplitude; leaving commits 20 V
xdotool key alt+f; xdotool type --delay 20 "4"     # frequency
xdotool key alt+r; xdotool type --delay 20 "1,5"   # periods, with a decimal comma
xdotool key alt+z; xdotool type --delay 20 "5m"    # time base: typed, "5ms"
xdotool key alt+k; xdotool type --delay 20 "3"     # curve: the digit is "Kurve 3"
printf 'alt\n' >"$arbeit/kurve.txt"
exportieren() {
  xdotool key ctrl+s                 # Datei > Exportieren; commits the ring first
  warten 20 fenster "Kurve exportieren" || fehler "kein Dateidialog"
  dialog=$(fenster "Kurve exportieren")
  xdotool windowactivate --sync "$dialog"
  [ -z "$1" ] || xdotool type --delay 20 "$1"
  xdotool key Return
  warten 20 zwei_fenster || fehler "keine Frage vor dem Überschreiben"
  xdotool key alt+j                  # "Ja": replace it
  warten 10 sh -c "! xdotool search --onlyvisible --name '^Kurve exportieren$'"
  xdotool windowactivate --sync "$win"
}
zwei_fenster() { [ "$(xdotool search --onlyvisible --name '^Kurve exportieren$' | wc -l)" -ge 2 ]; }
# The dialog opens in the working folder, where the old file is.
exportieren kurve.txt
warten 20 sh -c "! grep -qx alt '$arbeit/kurve.txt'" || fehler "alte Datei nicht ersetzt"

gleich_batch() {
  "$batch" --umax 20 --rms 2 --frequency 4 --periods 1.5 --timebase 5ms --curve "$1" --output "$arbeit/batch.txt"
  warten 10 cmp -s "$arbeit/kurve.txt" "$arbeit/batch.txt" || {
    diff "$arbeit/kurve.txt" "$arbeit/batch.txt" | head -n 20 >&2; fehler "Exportdatei weicht ab (Kurve $1)"; }
}
gleich_batch 3
[ "$(wc -l <"$arbeit/kurve.txt")" = $((6 + 75 + 1 + 1)) ] || fehler "Zeilenzahl"
[ "$(ls -A "$arbeit" | grep -c '^\.kurve')" = 0 ] || fehler "temporäre Datei übrig"

# Undo takes the curve number back; the next export opens on the same
# file, its name filled in.
xdotool key ctrl+z
exportieren ""
gleich_batch 1

xdotool key F1                     # the help of the keys and the mouse
warten 20 fenster "Tasten und Maus" || fehler "keine Hilfe auf F1"
xdotool key Return
warten 10 sh -c "! xdotool search --onlyvisible --name '^Tasten und Maus$'"
xdotool windowactivate --sync "$win"
xdotool key ctrl+q                 # Datei > Beenden
beendet_mit_null

# Run 2: Qt's platform list (no Wayland here, so X11); alt+F4 is the close box.
lauf=2
starten QT_QPA_PLATFORM="wayland;xcb"
xdotool key alt+F4
beendet_mit_null
echo "1 passed, 0 failed"
