#!/usr/bin/env bash
# --help everywhere, forms, fields and java.
source "$(dirname "$0")/lib.bash" "$@"

run --help
expect_rc 0
expect_out_has "Usage: trustella COMMAND"
run --version
expect_rc 0
[[ "$out" =~ ^trustella\ [0-9]+\.[0-9]+ ]] || fail "--version"
# The window's program answers both without a display.
gui="$(dirname "$bin")/trustella-gui"
if [ -x "$gui" ]; then
    out=$(env -u QT_QPA_PLATFORM DISPLAY= "$gui" --help) || fail "trustella-gui --help: exit code"
    [[ "$out" == "Usage: trustella-gui"* ]] || fail "trustella-gui --help: usage"
    out=$(env -u QT_QPA_PLATFORM DISPLAY= "$gui" --version) || fail "trustella-gui --version: exit code"
    [[ "$out" =~ ^trustella-gui\ [0-9]+\.[0-9]+ ]] || fail "trustella-gui --version"
fi
for c in calc check netfile efile rollover convert new forms fields pages java slips; do
    run "$c" --help
    expect_rc 0
    [[ "$(head -n 1 <<<"$out")" == "Usage: trustella $c"* ]] || fail "$c --help: usage line"
    expect_out_has "  -h, --help"
    grep -qE "^  $c +" <<<"$("$bin" --help)" || fail "trustella --help does not list $c"
done

run forms
expect_rc 0
grep -qE '^T3Ret +1 +[0-9]+ +T3 Trust Income Tax and Information Return$' <<<"$out" || fail "forms: T3Ret row"
grep -qE '^Sch9 +28 ' <<<"$out" || fail "forms: Sch9 row"
grep -qE '^Sch11 +24 ' <<<"$out" || fail "forms: Sch11 row"
grep -qE '^T183Trust +63 ' <<<"$out" || fail "forms: T183Trust row"
grep -qE '^TaxNote +- ' <<<"$out" || fail "forms: TaxNote has no type id"
run forms --json
expect_rc 0
expect_out_has '"form": "T3Ret",'
expect_out_has '"class": "TaxData_T3Ret",'
expect_out_has '"typeId": 28,'

run fields T3Ret
expect_rc 0
# Registration order: the return base's filing status first, then the identification.
grep -qE '^NAME +KIND +LINE +CRA +RECORD +DEFAULT$' <<<"$(sed -n 1p <<<"$out")" || fail "fields: heading"
grep -qE '^fld_ws_bSetStatus +yes/no +0 +false$' <<<"$(sed -n 2p <<<"$out")" || fail "fields: first row"
grep -qE '^fld_trust_num +text\(9\) +0 +""$' <<<"$out" || fail "fields: trust number row"
grep -qE '^fld_taxable_capgain +amount +0 +01 +01 W +0.0$' <<<"$out" || fail "fields: line 01 and its record"
grep -qE '^fld_noneligible_div +amount +0 +3A +0.0$' <<<"$out" || fail "fields: line 3A without a record"
[ "$(grep -n '^fld_trust_num ' <<<"$out" | cut -d: -f1)" -lt "$(grep -n '^fld_start_date ' <<<"$out" | cut -d: -f1)" ] ||
    fail "fields: registration order"
grep -qE '^fld_indv_phone +text\(15\) +0 +"\(000\)-0000000"$' <<<"$out" || fail "fields: phone default"
grep -qE '^fld_80 +amount +80 +80 +80 C +0.0$' <<<"$out" || fail "fields: line number of fld_80"
grep -qE '^fld_lang +integer +0 +-1$' <<<"$out" || fail "fields: unanswered default"
rows=$(($(wc -l <<<"$out") - 1))
run fields TaxData_T3Ret --json
expect_rc 0
[ "$(grep -c '"name": ' <<<"$out")" -eq "$rows" ] || fail "fields --json: row count"
expect_out_has '"maxLength": 9,'
expect_out_has '"netfileFormat": "C"'
grep -qE "^T3Ret +1 +$rows " <<<"$("$bin" forms)" || fail "forms: field count of T3Ret is not $rows"

run java T3Ret
expect_rc 0
expect_line 'StringField fld_trust_num = new StringField("fld_trust_num", 9, 65536, 268435455);'
expect_line 'FloatField fld_80 = new FloatField("fld_80", 65536, 268435455);'
expect_line 'addField(fld_trust_num);'
[ "$(grep -c '^addField(' <<<"$out")" -eq "$rows" ] || fail "java: one addField per field"

# The parts of forms: listed after the forms, described, never a form of a return alone.
run forms
grep -qE '^T3Base +- +4 +.*\(base of T3Ret, T3M, T3S, T3RCA, T3ATH_Ind\)$' <<<"$out" || fail "forms: T3Base row"
grep -qE '^DataWST2125Busi +- +4 +.*\(worksheet of T2125_New\)$' <<<"$out" || fail "forms: worksheet row"
[ "$(tail -n +2 <<<"$out" | wc -l)" -eq 49 ] || fail "forms: not 49 classes"
run fields DataWST2125Busi
expect_rc 0
[ "$(tail -n +2 <<<"$out" | cut -d' ' -f1 | tr '\n' ' ')" = "fld_ws_a fld_ws_5345 fld_ws_5507 fld_ws_6765 " ] ||
    fail "fields: the worksheet's fields"
run new -o "$tmp/part.json" DataWST2125Busi
expect_rc 2
expect_err_has "DataWST2125Busi is not a form of its own: it is a worksheet of T2125_New, which holds it"
run new -o "$tmp/part.json" T3Base
expect_rc 2
expect_err_has "T3Base is not a form of its own: it is the base of T3Ret, T3M, T3S, T3RCA, T3ATH_Ind, which hold its fields"
[ ! -e "$tmp/part.json" ] || fail "new wrote a return of a part"
run new -o "$tmp/t2125.json" T2125_New:61
expect_rc 0
grep -q '"fld_ws_prof_fee_6765": 0.0' "$tmp/t2125.json" || fail "new: T2125_New without its fees worksheet"

finish
