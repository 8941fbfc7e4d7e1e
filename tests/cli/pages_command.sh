#!/usr/bin/env bash
# trustella pages: a form's pages in order and the widgets each binds.
source "$(dirname "$0")/lib.bash" "$@"

run pages T3Ret
expect_rc 0
[ "$(grep '^TaxForm_' <<<"$out" | tr '\n' '|')" = \
  "TaxForm_T3Ret_tab1 Identification|TaxForm_T3Ret_tab2 Total Income|TaxForm_T3Ret_tab3 Net Income|TaxForm_T3Ret_tab4 Taxable Income|TaxForm_T3Ret_tab5 Result|" ] \
    || fail "pages T3Ret: page lines: $(grep '^TaxForm_' <<<"$out")"
# The first widgets of page 2, in page order.
[ "$(sed -n '/^TaxForm_T3Ret_tab2 /,/^TaxForm_/p' <<<"$out" | sed -n '2,4p' | tr -s ' ' | tr '\n' '|')" = \
  " fld_taxable_capgain DoubleLineEdit| fld_pension_inc DoubleLineEdit| fld_total_div DoubleLineEdit|" ] \
    || fail "pages T3Ret: page 2 widgets"
grep -qE '^  fld_lang +AnswerRadioGroup$' <<<"$out" || fail "pages T3Ret: fld_lang is not a radio group"
grep -qE '^  fld_trust_iprov +CT2ComboBox$' <<<"$out" || fail "pages T3Ret: fld_trust_iprov is not a list"
grep -qE '^  fld_cert_date +StyledDateEdit$' <<<"$out" || fail "pages T3Ret: fld_cert_date is not a date"
grep -qE '^  fld_other_spec_1 +StringLineEdit$' <<<"$out" || fail "pages T3Ret: other income description"

run pages TaxData_Sch9 --json
expect_rc 0
expect_out_has '"form": "Sch9",'
expect_out_has '"class": "TaxForm_Sch9_tab2",'
expect_out_has '"id": 2,'
grep -qF '"name": "fld_9211",' <<<"$out" || fail "pages Sch9 --json: line 921"
# Schedule 9 shows every one of its fields, once.
fields=$("$bin" fields Sch9 | tail -n +2 | wc -l)
[ "$(grep -c '"name": ' <<<"$out")" -eq "$fields" ] || fail "pages Sch9 --json: not one widget per field ($fields fields)"

run pages Sch11 --json
expect_rc 0
expect_out_has '"name": "fld_11110_1",'

run pages T2125_New
expect_rc 0
grep -qE '^WST2125Busi_tab1 1 \(worksheet DataWST2125Busi\)$' <<<"$out" || fail "pages T2125_New: the worksheet page"
grep -qE '^  fld_ws_a +DoubleLineEdit$' <<<"$out" || fail "pages T2125_New: the worksheet's amount"

run pages NoSuchForm
expect_rc 2

finish
