#!/usr/bin/env bash
# trustella slips: one line per slip (position, class, origin, party, key boxes), and --json.
source "$(dirname "$0")/lib.bash" "$@"
slips="$src/tests/scenarios/engine-received-slips.json"

run slips "$slips"
expect_rc 0
expect_line $'2\tSlip_T4A\treceived\tNorthern Pension Fund\tbox 16 12,000.00, box 18 0.00, box 28 0.00, box 22 1,800.00'
expect_line $'3\tCSlipData_T4AP\treceived\tService Canada\tbox 20 9,000.00, box 22 450.25'
expect_line $'5\tSlip_T5\treceived\tPrairie Bank\tbox 10 1,000.00, box 13 300.00, box 24 400.00'
expect_line $'7\tSlip_T5013\treceived\tCedar Partners LP\tbox 151 2,500.00, box % 40.00'
expect_line $'9\tSlip_TextPlain\treceived\tReceipt\t'
[ "$(wc -l <<<"$out")" -eq 8 ] || fail "slips: 8 lines expected, got: $out"

run slips "$slips" --json
expect_rc 0
[ "$(jq -cS '.slips[1]' <<<"$out")" = \
  '{"boxes":[{"amount":9000,"box":"20"},{"amount":450.25,"box":"22"}],"form":"CSlipData_T4AP","index":3,"issued":false,"party":"Service Canada"}' ] ||
    fail "slips --json: T4A(P) row: $(jq -c '.slips[1]' <<<"$out")"
[ "$(jq '.slips | length' <<<"$out")" = 8 ] || fail "slips --json: 8 slips"

run slips "$src/tests/scenarios/check-empty-return.json"
expect_rc 0
expect_line "no slips"
finish
