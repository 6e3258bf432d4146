#!/usr/bin/env bash
# Completes command lines of fretwise-cli with the generated bash completion (argument 1) in a
# folder of a few files, and compares the candidates with those expected.
set -u
export LC_ALL=C
source "$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" && touch a.fw b.wav c.txt d.cho e.png && mkdir sub

failures=0
# expect "CANDIDATES" WORD... : the last word is the one being completed.
expect() {
    local expected=$1 got
    shift
    COMP_WORDS=(fretwise-cli "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _fretwise_cli 2>/dev/null
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd' ')
    if [ "$got" != "$expected" ]; then
        echo "fretwise-cli $*: expected '$expected', got '$got'"
        failures=$((failures + 1))
    fi
}

expect "create" cr
expect "--help -h" -
expect "a.fw sub" open ''
expect "" open a.fw ''
expect "b.wav sub" pitch ''
expect "a.fw sub" save x32010 -o ''
expect "b.wav sub" wav x32010 --output ''
expect "e.png sub" diagram x32010 -o ''
expect "d.cho sub" song ''
expect "chord notes small" diagram x32010 --kind ''
expect "drop-c drop-d" name x32010 --tuning dr
expect "classic guitarist" create A --order ''
expect "any root" create A --bass ''
expect "0 1 2 3 4 5 6 7" wav x32010 --capo ''
expect "auto" song d.cho --capo a
expect "B Bb" create B
expect "C C#" create --json --frets 10 --position 2 C
expect "Minor" create --frets 10 A Mi
expect "Second Seventh Sixth Suspended" create A Minor S
expect "\\(Flattened" create A Seventh '(F'
expect "G G# Gb" show x32010 --root G
expect "--frets" name x32010 --fr
expect "--capo --help --note --output --strum --tuning -h -o" wav x32010 -
expect "" wav -1
expect "" name x32010 --frets ''
expect "" bogus ''

[ "$failures" -eq 0 ]
