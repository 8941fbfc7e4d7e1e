#!/usr/bin/env bash
# Scenario returns: every tests/scenarios/NAME.json is calculated by the built
# program and what the command line reports for it is compared, as exact text,
# with tests/scenarios/NAME.expected:
#   - the result line of `trustella calc`,
#   - every field the calculation changed ("Form[index].field = value", in
#     file and field order; a changed amount is written in full),
#   - `trustella check --json` (the messages in order, with their fields),
#   - `trustella netfile` (the Netfile records),
#   - `trustella efile` (the JSON filing document, or its error).
# TRUSTELLA_UPDATE_GOLDEN=1 rewrites the expected files instead, for review.
# A third argument runs only the scenarios whose name starts with it.
source "$(dirname "$0")/lib.bash" "$@"
dir="$src/tests/scenarios"
only="${3:-}"

# fields FILE: one line "Form[index].field = value" per field of a return file.
fields() {
    jq -r '.forms | to_entries[] | .key as $i | .value.form as $f
           | .value.fields | to_entries[] | "\($f)[\($i)].\(.key) = \(.value | tojson)"' "$1"
}

# report FILE: everything the command line says about the return FILE.
report() {
    local file="$1" rc
    echo "## trustella calc"
    "$bin" calc "$file" -o "$tmp/calculated.json" 2>&1
    echo "## fields the calculation changed"
    # The file as read, every field written, against the calculated return.
    "$bin" convert "$file" "$tmp/read.json" >/dev/null 2>&1 || echo "convert failed"
    fields "$tmp/read.json" >"$tmp/before"
    fields "$tmp/calculated.json" >"$tmp/after"
    awk 'NR == FNR { seen[$0] = 1; next } !($0 in seen)' "$tmp/before" "$tmp/after"
    "$bin" check "$file" --json >"$tmp/check" 2>&1
    rc=$?
    echo "## trustella check --json (exit $rc)"
    cat "$tmp/check"
    echo "## trustella netfile"
    "$bin" netfile "$file" 2>&1
    "$bin" efile "$file" >"$tmp/efile" 2>&1
    rc=$?
    echo "## trustella efile (exit $rc)"
    cat "$tmp/efile"
}

count=0
for file in "$dir"/*.json; do
    name=$(basename "$file" .json)
    [[ "$name" == "$only"* ]] || continue
    expected="$dir/$name.expected"
    # Paths are left out: the report is the same in every checkout.
    report "$file" | sed -e "s|$dir/||g" -e "s|$tmp/||g" >"$tmp/got"
    count=$((count + 1))
    if [ "${TRUSTELLA_UPDATE_GOLDEN:-}" = 1 ]; then
        cp "$tmp/got" "$expected"
    elif [ ! -f "$expected" ]; then
        fail "$name: no $name.expected (run with TRUSTELLA_UPDATE_GOLDEN=1 to write it)"
    elif ! diff -u "$expected" "$tmp/got" >"$tmp/diff"; then
        fail "$name: the report differs from $name.expected:"$'\n'"$(cat "$tmp/diff")"
    fi
done
[ "$count" -gt 0 ] || fail "no scenario in $dir"
echo "$count scenario(s)"
finish
