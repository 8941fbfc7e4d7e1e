#!/usr/bin/env bash
# calc and check on the bundled sample and on a new, empty return.
source "$(dirname "$0")/lib.bash" "$@"

run calc "$sample"
expect_rc 0
expect_line "total income (55100.00), net income (20210.00), total payable (3637.56), due/refund=(1637.56)"
expect_line "validation messages: 0"

# -o writes the calculated return; calculating it again gives the same result.
run calc "$sample" -o "$tmp/calculated.t3r"
expect_rc 0
run calc "$tmp/calculated.t3r"
expect_line "total income (55100.00), net income (20210.00), total payable (3637.56), due/refund=(1637.56)"

# --json: the calculated return with every field; Schedule 9's allocation is on
# line 471, Schedule 8's totals on lines 03 and 49.
run calc "$sample" --json
expect_rc 0
expect_out_has '"trustella": "return"'
expect_out_has '"fld_line471": 32000.0'
expect_out_has '"fld_total_div": 12000.0'
expect_out_has '"fld_gross_div": 760.0'
expect_out_has '"fld_fed_tax": 2616.9542'
expect_out_has '"fld_total_A_resident": 32000.0'
[ "$(grep -c '"form": ' <<<"$out")" -eq 6 ] || fail "calc --json: expected 6 forms"
# Every registered field is written: as many as `fields` lists.
fields=$(grep -c '^        "fld_' <<<"$out")
expected=0
for c in T3Ret Sch8 Sch9 Sch11 T183Trust; do
    n=$("$bin" fields "$c" | tail -n +2 | wc -l)
    expected=$((expected + n))
done
[ "$fields" -eq "$expected" ] || fail "calc --json wrote $fields fld_ fields, expected $expected"
# The document it prints is a return file itself.
printf '%s\n' "$out" >"$tmp/printed.json"
run calc "$tmp/printed.json"
expect_rc 0
expect_line "validation messages: 0"

run check "$sample"
expect_rc 0
expect_line "no validation messages"
run check "$sample" --json
expect_rc 0
[ "$out" = $'{\n  "messages": []\n}' ] || fail "check --json on the sample: $out"

# A new return has messages: exit 1, "CLASS: message" lines in file order.
run new -o "$tmp/new.json"
expect_rc 0
run check "$tmp/new.json"
expect_rc 1
first=$(head -n 1 <<<"$out")
[ "$first" = "T3Ret: Trust number is empty or invalid, it starts with 'T' and 8 digits." ] ||
    fail "check: first message \"$first\""
expect_line "T183Trust: An invalid EFiler number is entered in form T183."
[ "$(grep -n '^T183Trust' <<<"$out" | head -n 1 | cut -d: -f1)" -gt "$(grep -c '^T3Ret' <<<"$out")" ] ||
    fail "check: T183 messages must follow the return's"
count=$(wc -l <<<"$out")
run calc "$tmp/new.json"
expect_line "validation messages: $count"

run check "$tmp/new.json" --json
expect_rc 1
expect_out_has '"form": "T3Ret",'
expect_out_has '"index": 3,'
[ "$(grep -c '"text": ' <<<"$out")" -eq "$count" ] || fail "check --json: message count differs from text output"
# Each message of a new return is about a field.
[ "$(grep -c '"field": "fld_' <<<"$out")" -eq "$count" ] || fail "check --json: a message without its field"

# The sample without the trustee's postal code: one message, about that field.
sed 's/"fld_indv_postcode": "K1Y 3C4"/"fld_indv_postcode": ""/' "$sample" >"$tmp/no-postcode.json"
run check "$tmp/no-postcode.json" --json
expect_rc 1
expected='{
  "messages": [
    {
      "form": "T3Ret",
      "index": 0,
      "text": "Postal code in [individual trustee address] is empty or invalid.",
      "field": "fld_indv_postcode"
    }
  ]
}'
[ "$out" = "$expected" ] || fail "check --json without the postal code: $out"

finish
