#!/usr/bin/env bash
# netfile and efile on the bundled sample, and their errors.
source "$(dirname "$0")/lib.bash" "$@"

# Records after calculation: total income 15000 + 12000 + 18500 + 9600 (the
# dividends and other investment income through Schedule 8), line 471 from
# Schedule 9 (10000 + 2000 + 12000 + 8000), net income 55100 - 450 - 3200 -
# 32000 + 760 (Schedule 8 line 32: 38% of the 2000 eligible dividends kept);
# Step 5 in cents; answers 1 (No) and 0 (Yes) as "2" and "1".
run netfile "$sample"
expect_rc 0
for line in "T3Ret 01 15000" "T3Ret 20 55100" "T3Ret 471 32000" "T3Ret 50 20210" \
    "T3Ret 85 2000.00" "T3Ret 94 1637.56" "Sch8 8110 2000" "Sch8 8120 10000" \
    "Sch8 8170 450" "Sch9 9001 2" "Sch9 9005 2" "Sch9 9007 1"; do
    expect_line "$line"
done
# Each form's records in numeric code order, forms in file order; forms
# without records (T183, tax note) write no line.
order=$(grep -nxE 'T3Ret (09|10|94|99|471) .*|Sch8 8110 .*|Sch9 9001 .*|Sch11 11080 .*' <<<"$out" | cut -d' ' -f2 |
    tr '\n' ' ')
[ "$order" = "09 94 99 471 8110 9001 11080 " ] || fail "netfile: record order \"$order\""
[ -z "$(grep -vE '^(T3Ret|Sch8|Sch9|Sch11) [0-9]{2,} -?[0-9.]+$' <<<"$out")" ] || fail "netfile: unexpected lines: $out"

# A schedule with a line stream: its lines after its records (Schedule 20
# line 099 rounded half up, Schedule 23 line 050 the calendar year).
run new -o "$tmp/streams.json" T3Ret Sch20 Sch23
sed -e 's/"fld_099": 0.0/"fld_099": 1234.5/' -e 's/"fld_CalYear": ""/"fld_CalYear": "2024"/' \
    "$tmp/streams.json" >"$tmp/streams2.json"
run netfile "$tmp/streams2.json"
expect_rc 0
expect_line "Sch20 stream 0991235"
expect_line "Sch23 stream 0502024"

run netfile "$sample" --json
expect_rc 0
expect_out_has '"form": "Sch9"'
expect_out_has '"index": 2'
expect_out_has '"471": "32000"'
expect_out_has '"94": "1637.56"'
[ "$(grep -c '"form": ' <<<"$out")" -eq 4 ] || fail "netfile --json: expected 4 record sets"

# The filing document: top-level keys in order, the return's and the T183's parts.
run efile "$sample"
expect_rc 0
top=$(grep -oE '^  "[a-zA-Z]+"' <<<"$out" | tr -d ' "' | tr '\n' ' ')
[ "$top" = "return taxPreparer statements slipFiling " ] || fail "efile: top-level keys \"$top\""
expect_out_has '"trustType": "TYPE_903"'
expect_out_has '"refundCode": "ISSUE_OVERPAYMENT_00"'
expect_out_has '"taxPreparerReturnControlNumber": "24LAV12A"'
expect_out_has '"cntc_phn_nbr": "555-8217"'

# Errors: a return without a trust return form, a missing file, extra arguments.
cat >"$tmp/no-return.json" <<'JSON'
{"trustella": "return", "version": 1, "forms": [{"form": "T183Trust", "fields": {}}]}
JSON
run efile "$tmp/no-return.json"
expect_rc 3
expect_err "trustella efile: $tmp/no-return.json: the return has no trust return form to file"
run netfile "$tmp/no-return.json"
expect_rc 0
[ -z "$out" ] || fail "netfile of a return without records printed: $out"
run netfile "$tmp/missing.json"
expect_rc 3
expect_err_has "trustella netfile: $tmp/missing.json: cannot open"
run efile "$sample" extra.json
expect_rc 2
run efile --help
expect_rc 0
expect_out_has "Usage: trustella efile FILE"

finish
