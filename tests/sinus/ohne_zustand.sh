#!/bin/sh
# The curve's core keeps no state: no object of its library lies in a
# writable section (.data, .bss, thread-local data), so that it can be
# called twice at once. Tables that hold pointers lie in .data.rel.ro, which
# is read-only once relocated, and count as constant. The compiler's own
# personality reference and a sanitizer's bookkeeping are no state of ours.
# Names after the library are allowed still, each for the reason its CMake
# line gives.
bibliothek=$1
shift
funde=$(objdump -tC "$bibliothek" | awk '
    $0 !~ / O / { next }
    {
        for (i = 1; i <= NF; ++i) if ($i ~ /^\./) { abschnitt = $i; break }
        if (abschnitt ~ /^\.data\.rel\.ro/ || abschnitt ~ /^\.rodata/) next
        if (abschnitt !~ /^\.(data|bss|tdata|tbss)/) next
        if ($0 ~ /DW\.ref\.__gxx_personality_v0/) next
        if ($0 ~ /__odr_asan|___asan_gen|__asan_|__ubsan_/) next
        sub(/^.*\t[0-9a-f]+ /, ""); print
    }')
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
