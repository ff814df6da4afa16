#!/bin/sh
# Runs the real lumo-cli as a player would: builds a bet from a forecast,
# reduces it with a guarantee, checks it and scrutinises it; then a damaged
# input. Arguments: the program and the examples folder.
set -eu
cli=$1
examples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cp "$examples/pronostico.txt" .
export LC_ALL=es_ES.UTF-8 2>/dev/null || true

"$cli" generate | "$cli" filter - --above 60 --no-zero --variants 4:9 --twos 0:5 -o apuesta.txt 2>err.txt
grep -q "De 4.782.969 columnas quedan 329.695." err.txt
"$cli" reduce apuesta.txt --guarantee 13 -o al13.txt 2>err.txt
grep -q "Reducción al 13: de 329.695 columnas a " err.txt
"$cli" check apuesta.txt al13.txt --guarantee 13 2>/dev/null
status=0
"$cli" check apuesta.txt al13.txt --guarantee 14 2>err.txt || status=$?
test "$status" -eq 1
grep -q "NO se cumple" err.txt
"$cli" sort apuesta.txt 2>/dev/null | "$cli" reduce - --distance 1 -o d1.txt 2>err.txt
grep -q "de 329.695 columnas a 65.966." err.txt
test "$(head -c 7 d1.txt)" = "$(printf '65966\r\n')"
"$cli" scrutiny al13.txt --result 1X21X21X21X21X >counts.txt
test "$(wc -l <counts.txt)" -eq 5
grep -q "^14 aciertos: " counts.txt

printf '3\r\n1X21X21X21X21X\r\n' >roto.txt
status=0
"$cli" stats roto.txt 2>err.txt || status=$?
test "$status" -eq 2
grep -q "roto.txt" err.txt
# A device or a pipe named with -o is written as it stands; a pipe that
# nobody reads is refused at once, not waited on.
"$cli" sort d1.txt -o /dev/null 2>/dev/null
mkfifo tuberia
status=0
timeout 60 "$cli" sort d1.txt -o tuberia 2>err.txt || status=$?
test "$status" -eq 2
grep -q "tuberia" err.txt
# A file that another program is saving (it holds the file's lock) is left
# to it: neither written nor read.
status=0
cp d1.txt copia.txt
flock d1.txt "$cli" sort copia.txt -o d1.txt 2>err.txt || status=$?
test "$status" -eq 2
grep -q "otro programa está grabando «d1.txt»" err.txt
status=0
flock d1.txt "$cli" sort - -o copia.txt <d1.txt 2>err.txt || status=$?
test "$status" -eq 2
grep -q "Otro programa está grabando «entrada estándar»" err.txt
status=0
flock d1.txt "$cli" stats --lenient d1.txt 2>err.txt || status=$?
test "$status" -eq 2
grep -q "Otro programa está grabando «d1.txt»" err.txt
# A pipe named as the bet is read as the shell gives it.
cat d1.txt | "$cli" stats /dev/stdin >/dev/null
status=0
flock d1.txt "$cli" sort d1.txt -o ordenada.txt 2>err.txt || status=$?
test "$status" -eq 2
grep -q "Otro programa está grabando «d1.txt»; vuelva a abrirla" err.txt
test ! -e ordenada.txt
# Stopped by SIGTERM while it saves: the temporary file goes with the program
# and no file of that name appears.
temporaries() { ls -a | grep '^\.lumo-.*\.tmp$' || true; }
"$cli" generate -o grande.txt 2>/dev/null &
pid=$!
tries=0
while [ -z "$(temporaries)" ] && [ "$tries" -lt 3000 ]; do
    tries=$((tries + 1))
    sleep 0.01
done
test -n "$(temporaries)"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
test "$status" -eq 143
test -z "$(temporaries)"
test ! -e grande.txt
echo "lumo-cli end to end: passed"
