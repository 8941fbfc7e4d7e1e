#!/usr/bin/env bash
# The Java reader of stored data (java/src) against the program: the reader
# classes come from `trustella java`, the returns from `trustella`, and the
# Java reader's view of each .t3r file must match the program's JSON of the
# same return field by field. Exits 77 (skipped) without a JDK.
#
# usage: java_reader.sh TRUSTELLA SOURCE-DIR WORK-DIR
set -euo pipefail
trustella=$1 src=$2 work=$3
if ! command -v javac >/dev/null || ! command -v java >/dev/null; then
    echo "no JDK (javac, java): skipped"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work/gen" "$work/classes"

# One reader class per form class, named as `trustella java` names it.
forms=()
while read -r form typeid rest; do
    if [[ "$typeid $rest" == *"by creator"* ]]; then form="$form:1"; fi
    # A part of forms (a base class, a worksheet) gets its reader class but is in no return alone.
    [[ "$rest" =~ \((base|worksheet)\ of\ [^\)]*\)$ ]] || forms+=("$form")
    java_text=$("$trustella" java "${form%%:*}")
    class=$(sed -n 's/^public class \([A-Za-z0-9_]*\) .*/\1/p' <<<"$java_text")
    printf '%s\n' "$java_text" >"$work/gen/$class.java"
done < <("$trustella" forms | tail -n +2)
javac -encoding UTF-8 -d "$work/classes" "$src"/java/src/*.java "$src"/tests/java/*.java "$work"/gen/*.java
reader() { java -cp "$work/classes" "$@"; }

status=0
compare() {  # compare READER.json PROGRAM.json WHAT
    if ! reader JsonCompare "$1" "$2"; then
        echo "FAIL: $3"
        status=1
    fi
}

# Every field of every form class with a value of its own.
"$trustella" new -o "$work/new.json" "${forms[@]}" >/dev/null
reader FillReturn "$work/new.json" "$work/filled.json"
# T1-KS stamps the day it is stored: pin that day, and expect it in the file.
SOURCE_DATE_EPOCH=1719792000 "$trustella" convert "$work/filled.json" "$work/filled.t3r" >/dev/null
sed 's/"fld_DateOfSavingFile": "[^"]*"/"fld_DateOfSavingFile": "2024-07-01"/' "$work/filled.json" >"$work/filled-stamped.json"
"$trustella" convert "$work/filled.t3r" "$work/filled-back.json" >/dev/null
reader ReturnReader "$work/filled.t3r" >"$work/filled-reader.json"
compare "$work/filled-reader.json" "$work/filled-stamped.json" "every field: the values written"
compare "$work/filled-reader.json" "$work/filled-back.json" "every field: the program's reading of the file"

# The sample returns, calculated.
for sample in "$src"/examples/*.json "$src"/examples/*.t3r; do
    [ -e "$sample" ] || continue
    name=$(basename "$sample")
    "$trustella" calc "$sample" -o "$work/$name.t3r" --json >"$work/$name.calc.json"
    reader ReturnReader "$work/$name.t3r" >"$work/$name.reader.json"
    compare "$work/$name.reader.json" "$work/$name.calc.json" "$name"
done
exit $status
