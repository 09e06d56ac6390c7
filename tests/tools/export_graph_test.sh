#!/bin/sh
# ovrelan --export-graph draws a graph without a window: a PDF whose text names the circuit and
# has round ticks in ms, an SVG of vectors, a PNG of the size asked for, a task's circuit, decimal
# commas under a locale with a point; and it fails with the right status and a reason: 2 for a
# usage error (an extension other than .png, .svg and .pdf, a size too small for the title and a
# legible plot or larger than 7680x4320) or an unreadable task, 3 for a task the model would not
# take, 1 for a file that cannot be written; a refusal leaves no file.
ovrelan="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM # no display: it draws offscreen by itself
export LC_ALL=C.UTF-8

"$ovrelan" --export-graph Uc "$tmp/uc.pdf" --axes si 2> "$tmp/err" || fail "PDF: exit $? $(cat "$tmp/err")"
pdftotext "$tmp/uc.pdf" "$tmp/uc.txt" || fail "pdftotext"
for text in "Uc(t) — напряжение на конденсаторе" "L = 2000 мкГн" "R = 0,02 Ом" "ν = 47 Гц" \
    "t, мс" "Uc, В" "колебательный режим"; do
    grep -qF "$text" "$tmp/uc.txt" || fail "PDF has no «$text»: $(cat "$tmp/uc.txt")"
done
# Round ticks: every number on the axes is a multiple of a 1-2-5 step.
grep -Eqx -- "-?(50|100|200|300|400|500|600|700)" "$tmp/uc.txt" || fail "no round tick in the PDF"
if grep -Eqx -- "-?[0-9]+\.[0-9]{3,}" "$tmp/uc.txt"; then fail "a tick like 50.27 in the PDF"; fi

"$ovrelan" --export-graph UI "$tmp/ui.svg" 2> "$tmp/err" || fail "SVG: exit $?"
grep -Eq "<(path|polyline)" "$tmp/ui.svg" || fail "SVG without paths"
if grep -q "<image" "$tmp/ui.svg"; then fail "SVG holds an image"; fi

"$ovrelan" --export-graph W "$tmp/w.png" --size 1600x900 2> "$tmp/err" || fail "PNG: exit $?"
file "$tmp/w.png" | grep -q "PNG image data, 1600 x 900" || fail "PNG: $(file "$tmp/w.png")"
"$ovrelan" --export-graph i "$tmp/i.png" --size 640x360 2> "$tmp/err" || fail "small PNG: exit $?"
file "$tmp/i.png" | grep -q "640 x 360" || fail "small PNG: $(file "$tmp/i.png")"

# The resonance curve and the vector diagram: their marks and values in the text, vectors.
"$ovrelan" --export-graph resonance "$tmp/res.pdf" 2> "$tmp/err" || fail "resonance: exit $?"
pdftotext "$tmp/res.pdf" "$tmp/res.txt" || fail "pdftotext resonance"
for text in "Резонансная кривая" "R = 0,02 Ом" "ν₀ = 50,33 Гц" "φ = −77,0°" "Q = ν₀/Δν = 31,6" \
    "Δν = R/(2πL) = 1,592 Гц" "Im, А" "UCm, В" "φ, °" "ν, Гц"; do
    grep -qF "$text" "$tmp/res.txt" || fail "resonance PDF has no «$text»"
done
"$ovrelan" --export-graph vector "$tmp/vec.svg" 2> "$tmp/err" || fail "vector: exit $?"
grep -Eq "<(path|polyline)" "$tmp/vec.svg" || fail "vector SVG without paths"
# φ and its value joined by non-breaking spaces: the notes never part them.
nbsp="$(printf '\302\240')"
grep -q "φ${nbsp}=${nbsp}−77,0°" "$tmp/vec.svg" || fail "vector SVG without the angle"
grep -q "×10<" "$tmp/vec.svg" || fail "vector SVG without the magnified triangle's scale"

# A task's circuit: an RC task draws the RC circuit.
printf 'L = 0\nC = 5000\nR = 2\nUo = 15\nEm = 5\nnu = 0\nNmax = 2\n' > "$tmp/rc.ovrelan"
"$ovrelan" --export-graph Uc "$tmp/rc.pdf" "$tmp/rc.ovrelan" 2> "$tmp/err" || fail "task: exit $?"
pdftotext "$tmp/rc.pdf" - | grep -q "Цепь RC" || fail "the task's circuit is not drawn"

# Every refusal is said in Russian: no line of it is Latin letters only.
expect() { # status, what, command...
    want="$1"; what="$2"; shift 2
    "$@" > "$tmp/out" 2> "$tmp/err"; status=$?
    [ "$status" -eq "$want" ] || fail "$what: exit $status, not $want"
    [ -s "$tmp/err" ] || fail "$what: no reason given"
    if grep -vP '[\x{0400}-\x{04FF}]' "$tmp/err" | grep -q '[A-Za-z]'; then
        fail "$what: a line without Russian: $(cat "$tmp/err")"
    fi
}
expect 2 "unknown option" "$ovrelan" --bogus
expect 2 "size without its value" "$ovrelan" --export-graph Uc "$tmp/x.png" --size
expect 2 "two tasks" "$ovrelan" a.ovrelan b.ovrelan
for flag in --help --version; do
    "$ovrelan" $flag > /dev/full 2> "$tmp/err"; status=$?
    [ "$status" -eq 1 ] || fail "$flag to a full disk: exit $status"
done
expect 2 "unknown graph" "$ovrelan" --export-graph X "$tmp/x.png"
expect 2 "no file" "$ovrelan" --export-graph Uc
expect 2 "bad size" "$ovrelan" --export-graph Uc "$tmp/x.png" --size 0x0
# Too small for the title and a legible plot, too large for the memory, an extension that is no
# picture's: refused in Russian, and no file.
for size in 200x100 4000x100 319x900 16000x16000 7681x1000 7680x4321; do
    for picture in Uc resonance vector; do
        expect 2 "size $size of $picture" "$ovrelan" --export-graph $picture "$tmp/x.png" --size $size
        [ ! -e "$tmp/x.png" ] || fail "a refused size $size left a file"
    done
done
"$ovrelan" --export-graph Uc "$tmp/x.png" --size 4000x100 2> "$tmp/err"
grep -q "рисунок 4000x100 мал: при ширине 4000 заголовку и графику нужна высота не меньше" \
    "$tmp/err" || fail "no least height: $(cat "$tmp/err")"
for name in x.bmp x x.jpeg x.png.txt; do
    expect 2 "file $name" "$ovrelan" --export-graph Uc "$tmp/$name"
    grep -q "\.png, \.svg или \.pdf" "$tmp/err" || fail "$name: $(cat "$tmp/err")"
    [ ! -e "$tmp/$name" ] || fail "$name was written"
done
expect 2 "bad axes" "$ovrelan" --export-graph Uc "$tmp/x.png" --axes log
expect 2 "missing task" "$ovrelan" --export-graph Uc "$tmp/x.png" "$tmp/none.ovrelan"
printf 'L = -5\nC = 5000\nR = 2\nUo = 15\nEm = 5\nnu = 0\nNmax = 2\n' > "$tmp/bad.ovrelan"
expect 3 "refused task" "$ovrelan" --export-graph Uc "$tmp/x.png" "$tmp/bad.ovrelan"
grep -q "строка 1" "$tmp/err" || fail "the refused line is not named: $(cat "$tmp/err")"
# A family of curves: drawn (exit 0); a refused value named with the reason, the picture drawn
# without its curve (exit 3); values that make no family, or a family on the vector diagram or
# without --export-graph, are usage errors (exit 2) and leave no file.
"$ovrelan" --export-graph Uc "$tmp/f.png" --size 800x600 --sweep R=0.5Rk,Rk,2Rk 2> "$tmp/err" ||
    fail "--sweep: exit $? $(cat "$tmp/err")"
file "$tmp/f.png" | grep -q "800 x 600" || fail "--sweep: $(file "$tmp/f.png")"
expect 3 "a refused member" "$ovrelan" --export-graph res "$tmp/f3.png" --sweep R=-1,0.5
grep -q "R = −1 Ом: не может быть отрицательным" "$tmp/err" || fail "the refused member: $(cat "$tmp/err")"
[ -e "$tmp/f3.png" ] || fail "no picture without the refused member"
expect 2 "nine values" "$ovrelan" --export-graph Uc "$tmp/f9.png" --sweep R=1..2:9
[ ! -e "$tmp/f9.png" ] || fail "nine values left a file"
expect 2 "an unknown parameter" "$ovrelan" --export-graph Uc "$tmp/fx.png" --sweep X=1,2
expect 2 "a family of vectors" "$ovrelan" --export-graph vector "$tmp/fv.png" --sweep R=1,2
expect 2 "a family without a picture" "$ovrelan" --sweep R=1,2
expect 1 "unwritable" "$ovrelan" --export-graph Uc "$tmp/no/such/dir/x.png"
[ ! -e "$tmp/x.png" ] || fail "a failed export left a file"
mkdir "$tmp/folder.png"
expect 1 "a folder" "$ovrelan" --export-graph Uc "$tmp/folder.png"
printf 'kept' > "$tmp/ro.png"; chmod 0444 "$tmp/ro.png"
expect 1 "read-only" "$ovrelan" --export-graph Uc "$tmp/ro.png"
[ "$(cat "$tmp/ro.png")" = "kept" ] || fail "a read-only picture was overwritten"

# A picture saved over a link replaces the file it points to, and a device stays a device.
printf 'old' > "$tmp/target.png"; ln -s target.png "$tmp/link.png"
"$ovrelan" --export-graph Uc "$tmp/link.png" --size 640x360 2> "$tmp/err" || fail "link: exit $?"
[ -L "$tmp/link.png" ] || fail "the link was replaced by a file"
file "$tmp/target.png" | grep -q "PNG image data" || fail "the link's target: $(file "$tmp/target.png")"
if [ "$(id -u)" -eq 0 ]; then
    mknod "$tmp/null.png" c 1 3
    "$ovrelan" --export-graph Uc "$tmp/null.png" 2> "$tmp/err" || fail "to a device: exit $? $(cat "$tmp/err")"
    [ -c "$tmp/null.png" ] || fail "the device node was replaced"
fi
exit 0
