#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into fuzz/corpus/ (run once after changing the
# cases below; the files are kept in the repository): the cases the computation layer's tests
# use and the hostile texts a class of students types.
set -euo pipefail
cd "$(dirname "$0")"
# The seeds written here are rewritten; the findings kept beside them (finding-*) stay.
mkdir -p corpus/numericvalue corpus/draw
rm -f corpus/numericvalue/text-* corpus/numericvalue/long-* corpus/draw/draw-*

# Texts a student may type, one per element (printf escapes allowed).
texts=(
    '' ' ' '   \t \n ' '3000' '6' '10' '2500' '1' '.7' '.3' '0' '-0' '+5' '-5' '2.5' '2,5'
    '1.2.3' '5.' '.' '-' '+-3' '--5' '- 5' 'e5' '1e' '7e+x' '1e3' '25E-1' '1D3' '1d-2'
    '1 e 3' '1 2' '12abc' 'abc' 'nan' 'NaN' 'inf' '-inf' 'Infinity' '1e999' '-1e999'
    '1e-400' '-1e-400' '1e-310' '4.9e-324' '1.7976931348623157e308' '1.8e308' '1e308'
    '1e38' '3.5e38' '1e-300' '1e300' '0e999' '&H' '&HFFFF' '&hff' '& H F F' '&HFFFFFFFF'
    '&HFFFFFFFFFFFFFFFF' '&H100000000' '&O' '&O17' '&O8' '&O78' '&X12' '0x10' '\r5'
    '12\x003' '4\xc3\xa9''5' '\xd9\xa3\xd9\xa0\xd9\xa0\xd9\xa0' '\xef\xbc\x93\xef\xbc\x90'
    '\xf0\x9f\x98\x80' '3\xf0\x9f\x98\x80' '\xe0\xa5\xa9' '\xff\xfe' '1,000' '1 000'
    '-3000' '9.77' '20000' '1e9' '6000000' '10000000' '0.001' '3000.5e-1' '1E+20'
    '9972569313431863.77E-1' '5.444517870735016E+39'
)

i=0
for text in "${texts[@]}"; do
    printf -- "$text" > "corpus/numericvalue/text-$(printf %03d $i)"
    i=$((i + 1))
done
# Long texts: 30,000 characters of digits, of blanks before a number, of nines, of bytes.
head -c 30000 /dev/zero | tr '\0' '9' > corpus/numericvalue/long-nines
{ head -c 30000 /dev/zero | tr '\0' ' '; printf 42; } > corpus/numericvalue/long-blanks
{ printf 0.; head -c 30000 /dev/zero | tr '\0' '0'; printf 1e30001; } > corpus/numericvalue/long-fraction
{ printf 1e; head -c 30000 /dev/zero | tr '\0' '0'; printf 2; } > corpus/numericvalue/long-exponent
head -c 30000 /dev/zero | tr '\0' '\377' > corpus/numericvalue/long-bytes
{ for _ in $(seq 1000); do printf 'The quick brown fox, 12 apples. '; done; } > corpus/numericvalue/long-paragraph

# Draw inputs: eight texts and an own separator, each ended by "\|", then three control bytes
# read from the end: separator index (byte % 8), short period (bit 0), technology (1 + byte %
# the number of technologies: one file each in analysis/technologies/).
technologies=$(find ../analysis/technologies -name '*.cpp' | wc -l)
n=0
draw_seed() { # technology(1-N) short(0/1) separator(0-7) level priceX priceY fixedY coefX coefY cdExpX cdExpY [own separator]
    local technology=$1 short=$2 separator=$3
    shift 3
    {
        for field in "$1" "$2" "$3" "$4" "$5" "$6" "$7" "$8" "${9:-}"; do
            printf -- "$field"
            printf '\\|'
        done
        printf "\\x$(printf %02x "$separator")\\x$(printf %02x "$short")\\x$(printf %02x $((technology - 1)))"
    } > "corpus/draw/draw-$(printf %03d $n)"
    n=$((n + 1))
}
defaults=(3000 6 10 2500 1 1 .7 .3)
for technology in $(seq "$technologies"); do
    for short in 0 1; do
        for separator in 0 1 2 7; do
            draw_seed "$technology" "$short" "$separator" "${defaults[@]}" "'"
        done
    done
done
# The computation layer's failure cases, each field given (level priceX priceY fixedY coefX coefY cdExpX cdExpY).
while read -r technology short level priceX priceY fixedY coefX coefY cdExpX cdExpY; do
    draw_seed "$technology" "$short" 0 "$level" "$priceX" "$priceY" "$fixedY" "$coefX" "$coefY" "$cdExpX" "$cdExpY"
done <<'CASES'
1 0 3000 6 10 2500 0 1 .7 .3
1 0 3000 6 10 2500 1 abc .7 .3
1 0 3000 0 10 2500 1 1 .7 .3
1 0 3000 6 0 2500 1 1 .7 .3
2 0 3000 0 10 2500 1 1 .7 .3
3 0 3000 6 0 2500 1 1 .7 .3
1 0 0 6 10 2500 1 1 .7 .3
2 0 none 6 10 2500 1 1 .7 .3
3 0 0 6 10 2500 1 1 .7 .3
3 0 3000 6 10 2500 1 1 .7 0
3 0 -3000 6 10 2500 1 1 .7 .3
3 0 -3000 6 10 2500 1 1 .7 1
3 0 1e999 6 10 2500 1 1 .7 .3
3 0 3000 6 10 2500 1 1 1e999 .3
2 0 3000 6 1e999 2500 1 1 .7 .3
3 0 3000 6 1e300 2500 1 1 .7 .3
3 0 9.77 6 1.7e308 2500 1 1 .7 .3
3 0 3000 1e-300 10 2500 1 1 .7 .3
1 0 1e300 1e-300 10 2500 1 1 .7 .3
1 0 1e9 1e300 1e301 2500 1 1 .7 .3
3 0 20000 6 10 2500 1 1 .7 .3
3 0 3000 6000000 10000000 2500 1 1 .7 .3
1 0 3000 6 6 2500 1 1 .7 .3
1 1 3000 6 10 2500 0 1 .7 .3
1 1 3000 0 10 2500 1 1 .7 .3
1 1 3000 6 10 4000 1 1 .7 .3
2 1 3000 6 0 3000 1 1 .7 .3
2 1 3000 6 10 3000 1 1 .7 .3
2 1 3000 1e999 10 2500 1 1 .7 .3
3 1 3000 6 0 2500 1 1 .7 .3
3 1 3000 6 10 abc 1 1 .7 .3
3 1 3000 6 10 2500 1 1 0 .3
3 1 3000 6 10 -2500 1 1 .7 .3
3 1 -3000 6 10 2500 1 1 .7 .3
3 1 0 6 10 2500 1 1 .7 .3
3 1 3000 6 10 1e-300 1 1 .7 .3
3 1 3000 6 10 1e999 1 1 .7 .3
3 1 3000 6 10 20000 1 1 .7 .3
3 0 3000 997256931343186.375 1 2500 1 1 .7 .3
CASES
# Hostile texts in every field, for each technology and mode.
hostile=('' '   ' 'nan' '1e999' '1e-400' '&H' '&HFFFFFFFFFFFFFFFF' '&O8' '-' '.' 'e5' '1e' '+-3'
    '\xd9\xa3\xd9\xa0' '\xf0\x9f\x98\x80' '-0' '1e308' '3.5e38')
k=0
for text in "${hostile[@]}"; do
    technology=$((k % technologies + 1)) short=$((k / technologies % 2))
    draw_seed "$technology" "$short" $((k % 8)) "$text" "$text" "$text" "$text" "$text" "$text" "$text" "$text" ","
    fields=("${defaults[@]}")
    fields[$((k % 8))]=$text
    draw_seed "$technology" "$short" 1 "${fields[@]}"
    k=$((k + 1))
done
# One 30,000-character level.
draw_seed 3 0 0 "$(head -c 30000 /dev/zero | tr '\0' ' ')3000" 6 10 2500 1 1 .7 .3
echo "$i + 6 number texts, $n draw inputs"

# Consumer window inputs: six texts (income, price of X, price of Y, new price of X, a, b) and
# an own separator, each ended by "\|", then three control bytes read from the end: separator
# index (byte % 3), Slutsky (bit 0), form of utility (byte % 6; 1 to 4 are the forms).
# The findings of fuzzing (finding-*) stay.
mkdir -p corpus/consumer
rm -f corpus/consumer/consumer-*
c=0
consumer_seed() { # preference(0-5) slutsky(0/1) separator(0-2) income priceX priceY newPriceX a b [own separator]
    local preference=$1 slutsky=$2 separator=$3
    shift 3
    {
        for field in "$1" "$2" "$3" "$4" "$5" "$6" "${7:-}"; do
            printf -- "$field"
            printf '\\|'
        done
        printf "\\x$(printf %02x "$separator")\\x$(printf %02x "$slutsky")\\x$(printf %02x "$preference")"
    } > "corpus/consumer/consumer-$(printf %03d $c)"
    c=$((c + 1))
}
for preference in 1 2 3 4; do
    for slutsky in 0 1; do
        for separator in 0 1 2; do
            consumer_seed "$preference" "$slutsky" "$separator" 120 2 3 1 .5 .5 "'"
        done
    done
done
# The tests' worked examples, ties, thresholds, no income, and numbers near the ends of a double
# (form income priceX priceY newPriceX a b).
while read -r preference income priceX priceY newPriceX a b; do
    consumer_seed "$preference" 0 0 "$income" "$priceX" "$priceY" "$newPriceX" "$a" "$b"
done <<'CASES'
1 120 2 3 1 1 2
1 120 2 3 1 2 3
1 0 2 3 1 2 3
1 120 2 3 2 .5 .5
2 140 2 3 1 2 1
3 120 2 3 3 .3 .6
4 120 2 3 1 6 1
4 12 2 3 1 6 1
4 18 2 3 1 6 1
4 0 2 3 1 6 1
4 -5 2 3 1 6 1
3 120 1e-300 3 1 .5 .5
3 1e308 1e-10 3 1 .5 .5
3 1e-300 1e300 3 1 .5 .5
3 120 2 3 1 100 100
3 1e-6 1 1 1 100 100
2 120 2 3 1 1e-300 1e300
4 120 2 3 1 1e300 1e-300
4 1e300 1e-300 1e300 1e-300 1e-300 1e300
0 120 2 3 1 .5 .5
5 120 2 3 1 .5 .5
CASES
# Hostile texts in every box, and in one box at a time.
k=0
for text in "${hostile[@]}"; do
    consumer_seed $((k % 4 + 1)) $((k % 2)) $((k % 3)) "$text" "$text" "$text" "$text" "$text" "$text" ","
    fields=(120 2 3 1 .5 .5)
    fields[$((k % 6))]=$text
    consumer_seed $((k % 4 + 1)) 0 1 "${fields[@]}"
    k=$((k + 1))
done
echo "$c consumer inputs"
