#!/usr/bin/env bash
# trustella import-shares: strict rows, the return untouched on a refused
# file (exit 3), usage errors (exit 2), and the count it reports.
source "$(dirname "$0")/lib.bash" "$@"

ret="$tmp/r.t3r"
cols=(--shares 2 --name 1 --proceeds 3 --cost 4 --expenses 5)
"$bin" new -o "$ret" T3Ret >/dev/null
printf 'Name,Shares,Proceeds,Cost,Fees\r\n"Fund, A",100,"$1,250.00",900,9.99\r\nB Corp,5,200,(50),0\r\n' >"$tmp/s.csv"

run import-shares "$ret" "$tmp/s.csv" "${cols[@]}" --skip-header
expect_rc 0
expect_line "$ret: Schedule 1 holds 2 extra share entries"
run import-shares "$ret" "$tmp/s.csv" "${cols[@]}" --skip-header --append
expect_line "$ret: Schedule 1 holds 4 extra share entries"
run calc "$ret" --json
expect_out_has '"fld_1031": 2900.0,'
expect_out_has '"fld_1032": 1180.02,'

cp "$ret" "$tmp/before.t3r"
printf 'A,1,2,3,4\nB,1,2,3\n' >"$tmp/short.csv"
run import-shares "$ret" "$tmp/short.csv" "${cols[@]}" --append
expect_rc 3
expect_err "trustella import-shares: $tmp/short.csv: line 2, column 5: the row has only 4 cells"
printf 'A,1,2,3,4\nB,1,2,three,4\n' >"$tmp/word.csv"
run import-shares "$ret" "$tmp/word.csv" "${cols[@]}"
expect_rc 3
expect_err "trustella import-shares: $tmp/word.csv: line 2, column 4: \"three\" is not an amount"
cmp -s "$ret" "$tmp/before.t3r" || fail "a refused import changed the return"

run import-shares "$ret" "$tmp/missing.csv" "${cols[@]}"
expect_rc 3
expect_err_has "$tmp/missing.csv: cannot be read"
run import-shares "$ret" "$tmp/s.csv" --shares 2 --name 1 --proceeds 3 --cost 4
expect_rc 2
expect_err_has "--expenses N is missing"
run import-shares "$ret" "$tmp/s.csv" --shares x --name 1 --proceeds 3 --cost 4 --expenses 5
expect_rc 2
finish
