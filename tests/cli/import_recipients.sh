#!/usr/bin/env bash
# import-recipients: a good file adds or updates issued T3 slips and writes
# the return back; a faulty one names its line and column, exits 3 and
# leaves the return as it was.
source "$(dirname "$0")/lib.bash" "$@"

run new -o "$tmp/trust.json" T3Ret Sch9
expect_rc 0
header="name,last_name,id,address,city,postal_code,percentage"
printf '%s\n%s\n%s\n' "$header" 'Ann,Roy,046454286,1 Main St,Ottawa,K1A 0B1,60' \
    '"Roy Holdings, Inc.",,123456789RT0001,20 King St W,Toronto,M5H 1J9,40%' >"$tmp/good.csv"
run import-recipients "$tmp/trust.json" "$tmp/good.csv"
expect_rc 0
expect_line "$tmp/trust.json: 2 issued T3 slips added, 0 updated"
[ "$(jq -r '[.forms[] | select(.form == "Slip_T3_Issuing") | .fields.box_name] | join("|")' "$tmp/trust.json")" \
    = "Ann|Roy Holdings, Inc." ] || fail "import-recipients: slips not written"

# Again with one known id: updated, not added.
printf '%s\n%s\n' "$header" 'Ann,Roy-Martin,046454286,1 Main St,Ottawa,K1A 0B1,55' >"$tmp/again.csv"
run import-recipients "$tmp/trust.json" "$tmp/again.csv"
expect_line "$tmp/trust.json: 0 issued T3 slips added, 1 updated"
[ "$(jq '[.forms[] | select(.form == "Slip_T3_Issuing")] | length' "$tmp/trust.json")" = 2 ] ||
    fail "import-recipients: an update added a slip"

# A bad cell on the third line: nothing imported, the file unchanged.
cp "$tmp/trust.json" "$tmp/before.json"
printf '%s\n%s\n%s\n' "$header" 'Zoe,Roy,222,4 Oak St,Ottawa,K1A,10' 'Max,Roy,333,5 Oak St,Ottawa,K1A,ten' >"$tmp/bad.csv"
run import-recipients "$tmp/trust.json" "$tmp/bad.csv"
expect_rc 3
expect_err_has "$tmp/bad.csv: line 3, column 7 (percentage): \"ten\" is not a percentage; nothing imported"
cmp -s "$tmp/trust.json" "$tmp/before.json" || fail "import-recipients: a faulty file changed the return"

run import-recipients "$tmp/trust.json" "$tmp/missing.csv"
expect_rc 3
run import-recipients "$tmp/trust.json"
expect_rc 2
finish
