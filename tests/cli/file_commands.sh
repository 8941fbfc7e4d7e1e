#!/usr/bin/env bash
# convert, new and rollover.
source "$(dirname "$0")/lib.bash" "$@"

# JSON -> binary -> JSON gives the document that JSON -> JSON gives.
run convert "$sample" "$tmp/a.t3r"
expect_rc 0
expect_line "$tmp/a.t3r: 6 forms"
[ "$(head -c 4 "$tmp/a.t3r")" = "T3RF" ] || fail "convert: .t3r does not start with T3RF"
run convert "$tmp/a.t3r" "$tmp/b.json"
expect_rc 0
run convert "$sample" "$tmp/direct.json"
cmp -s "$tmp/b.json" "$tmp/direct.json" || fail "convert: JSON -> .t3r -> JSON differs from JSON -> JSON"
run convert "$tmp/b.json" "$tmp/c.t3r"
cmp -s "$tmp/a.t3r" "$tmp/c.t3r" || fail "convert: .t3r -> JSON -> .t3r changed the bytes"

# new: the default forms, and the forms named.
run new -o "$tmp/new.t3r"
expect_rc 0
expect_line "$tmp/new.t3r: 4 forms"
run convert "$tmp/new.t3r" "$tmp/new.json"
[ "$(grep -o '"form": "[A-Za-z0-9_]*"' "$tmp/new.json" | tr '\n' ' ')" = \
  '"form": "T3Ret" "form": "Sch9" "form": "Sch11" "form": "T183Trust" ' ] || fail "new: default forms"
run new -o "$tmp/notes.json" T3Ret TaxNote TaxData_TaxNote
expect_rc 0
expect_line "$tmp/notes.json: 3 forms"
run new -o "$tmp/x.json" Sch99
expect_rc 2
expect_err_has 'unknown form class "Sch99"'
run new -o "$tmp/x.json" T3Ret:4
expect_rc 2
expect_err_has "T3Ret takes no number"
run new T3Ret
expect_rc 2
expect_err_has "the new return's file is missing (-o OUT)"
# new --type: each type's forms; the calculation prints that type's result line.
for case in "T3S:T3S T2000 T183Trust:F241=0.00, F010=0.00, F190=0.00, due/refund=0.00" \
            "t3rca:T3RCA T183Trust:F617=0.00, F618=0.00, F646=0.00, due/refund=0.00"; do
    IFS=: read -r type forms result <<<"$case"
    run new -o "$tmp/$type.json" --type "$type"
    expect_rc 0
    [ "$(jq -r '[.forms[].form] | join(" ")' "$tmp/$type.json")" = "$forms" ] || fail "new --type $type: forms"
    run calc "$tmp/$type.json"
    expect_line "$result"
done
run new -o "$tmp/x.json" --type T4
expect_rc 2
expect_err_has "unknown return type T4 (one of T3|T3M|T3S|T3RCA|T3ATH)"
run new -o "$tmp/x.json" --type T3M T3Ret
expect_rc 2
expect_err_has "--type and a list of classes cannot be given together"

# rollover: the sample moves to 2025; same-year keeps the dates.
run rollover "$sample" -o "$tmp/next.json"
expect_rc 0
expect_line "$tmp/next.json: 6 of 6 forms carried forward"
grep -qF '"fld_start_date": "2025-01-01"' "$tmp/next.json" || fail "rollover: start date"
grep -qF '"fld_end_date": "2025-12-31"' "$tmp/next.json" || fail "rollover: end date"
grep -qF '"fld_year_last": "2024"' "$tmp/next.json" || fail "rollover: year of the last return"
grep -qF '"fld_9261": 0.0' "$tmp/next.json" || fail "rollover: Schedule 9 amounts start at 0"
grep -qF '"fld_controlnum": ""' "$tmp/next.json" || fail "rollover: T183 control number emptied"
run rollover "$sample" -o "$tmp/same.t3r" --same-year
expect_rc 0
run convert "$tmp/same.t3r" "$tmp/same.json"
grep -qF '"fld_start_date": "2024-01-01"' "$tmp/same.json" || fail "rollover --same-year: start date"
run rollover "$sample"
expect_rc 2
expect_err_has "the new return's file is missing (-o OUT)"

finish
