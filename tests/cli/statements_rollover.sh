#!/usr/bin/env bash
# A business, a farm and two rentals calculated, then rolled into the next year: every
# capital cost class opens with its closing balance, the business-use-of-home
# amounts carried forward become next year's line 13; --same-year
# leaves the opening balances as they were.
source "$(dirname "$0")/lib.bash" "$@"
scenario="$src/tests/scenarios/statements-business-farm-two-rentals.json"

run calc "$scenario" -o "$tmp/calculated.json"
expect_rc 0
run rollover "$tmp/calculated.json" -o "$tmp/next.json"
expect_rc 0
expect_line "$tmp/next.json: 5 of 5 forms carried forward"

# balances FILE FORM OPENING CLOSING: "index row opening closing" per class row of each statement.
balances() {
    jq -r --arg form "$2" --arg open "$3" --arg close "$4" '
        .forms | to_entries[] | select(.value.form == $form) | .key as $i | .value.fields as $f
        | range(1; 19) | select($f["\($open)\(.)"] != null)
        | "\($i) \(.) \($f["\($open)\(.)"]) \($f["\($close)\(.)"])"' "$1"
}
# Next year's opening column equals this year's closing column, row by row.
check_carried() {
    local form="$1" open="$2" close="$3" closing opening
    closing=$(balances "$tmp/calculated.json" "$form" "$open" "$close" | awk '{ print $1, $2, $4 }')
    opening=$(balances "$tmp/next.json" "$form" "$open" "$close" | awk '{ print $1, $2, $3 }')
    [ -n "$closing" ] || fail "rollover: no $form class rows"
    [ "$closing" = "$opening" ] || fail "rollover: $form opening balances"$'\n'"$opening"$'\n'"expected"$'\n'"$closing"
}
check_carried T2125_New fld_a_UCC1_ fld_a_End_
check_carried T2042New fld_a_UCC1_ fld_a_End_
check_carried T776New fld_a_2_ fld_a_10_
jq -e '.forms[3].fields.fld_a_2_1 == 240000' "$tmp/next.json" >/dev/null || fail "rollover: rental class 1 opening"
jq -e '.forms[2].fields.fld_a_UCC1_1 == 33000' "$tmp/next.json" >/dev/null || fail "rollover: farm class 8 opening"
for i in 1 2; do
    [ "$(jq ".forms[$i].fields.fld_usehome_16" "$tmp/calculated.json")" = \
      "$(jq ".forms[$i].fields.fld_usehome_13" "$tmp/next.json")" ] || fail "rollover: home use of form $i carried"
done

run rollover "$tmp/calculated.json" -o "$tmp/same.json" --same-year
expect_rc 0
jq -e '.forms[3].fields.fld_a_2_1 == 250000' "$tmp/same.json" >/dev/null || fail "rollover --same-year: opening kept"

finish
