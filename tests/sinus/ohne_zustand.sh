#!/bin/sh
# The curve's core keeps no state: no symbol of its library lies in writable
# data (nm's D, d, B, b), so that it can be called twice at once. Names after
# the library are allowed still, each for the reason its CMake line gives.
bibliothek=$1
shift
funde=$(nm -C "$bibliothek" | awk '$2 ~ /^[DdBb]$/ { $1 = ""; $2 = ""; sub(/^  /, ""); print }')
rest=$funde
for erlaubt in "$@"; do
    rest=$(printf '%s\n' "$rest" | grep -v -x -F "$erlaubt")
done
rest=$(printf '%s\n' "$rest" | grep -v '^$')
if [ -n "$rest" ]; then
    echo "beschreibbare Daten im Kern:" >&2
    printf '%s\n' "$rest" >&2
    exit 1
fi
echo "keine beschreibbaren Daten im Kern"
