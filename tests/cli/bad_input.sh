#!/usr/bin/env bash
# Exit codes and messages for wrong command lines (2) and bad input files (3).
source "$(dirname "$0")/lib.bash" "$@"

run
expect_rc 2
expect_err_has "Usage: trustella COMMAND"
run frobnicate
expect_rc 2
expect_err $'trustella: unknown command "frobnicate"\nRun \'trustella --help\' for the list.'
run calc
expect_rc 2
expect_err $'trustella calc: missing arguments (usage: trustella calc FILE [-o OUT] [--json])\nRun \'trustella calc --help\' for usage.'
run calc "$sample" --frob
expect_rc 2
expect_err_has "trustella calc: unknown option --frob"
run calc "$sample" extra.json
expect_rc 2
expect_err_has 'trustella calc: unexpected argument "extra.json"'
run calc "$sample" -o
expect_rc 2
expect_err_has "trustella calc: option -o needs a value (OUT)"
run calc "$sample" -o "$tmp/out.txt"
expect_rc 2
expect_err_has "trustella calc: $tmp/out.txt: the name of a return file must end in .t3r or .json"
[ ! -e "$tmp/out.txt" ] || fail "calc -o out.txt created the file"
run convert "$sample" "$tmp/x.csv"
expect_rc 2
run fields NoSuchForm
expect_rc 2
expect_err_has 'trustella fields: unknown form class "NoSuchForm"'

# Unreadable or invalid input: exit 3, one message naming the file.
run calc "$tmp/missing.json"
expect_rc 3
expect_err_has "trustella calc: $tmp/missing.json: cannot open"
printf '{"trustella": "return", "version": 1, "forms": [{"form": "DataWST2125Busi", "fields": {}}]}' >"$tmp/part.json"
run check "$tmp/part.json"
expect_rc 3
expect_err_has "DataWST2125Busi is not a form of its own: it is a worksheet of T2125_New, which holds it"
printf '{"trustella": "return", "version": 1, "forms": [' >"$tmp/cut.json"
run check "$tmp/cut.json"
expect_rc 3
expect_err_has "trustella check: $tmp/cut.json: malformed JSON: parse error at line 1"
cat >"$tmp/bad.json" <<'JSON'
{"trustella": "return", "version": 1, "forms": [
  {"form": "T3Ret", "fields": {"fld_trust_num": "T1234567890"}}]}
JSON
run calc "$tmp/bad.json"
expect_rc 3
expect_err "trustella calc: $tmp/bad.json: forms[0] (T3Ret): field fld_trust_num: the text has 11 characters, more than the field's maximum of 9"
cat >"$tmp/unknown.json" <<'JSON'
{"trustella": "return", "version": 1, "forms": [{"form": "T3Ret"}, {"form": "Sch42"}]}
JSON
run convert "$tmp/unknown.json" "$tmp/u.t3r"
expect_rc 3
expect_err "trustella convert: $tmp/unknown.json: forms[1]: unknown form class \"Sch42\""
[ ! -e "$tmp/u.t3r" ] || fail "convert wrote output for bad input"

# A damaged .t3r is refused, and converting over an existing file keeps it when the input is bad.
"$bin" convert "$sample" "$tmp/good.t3r" >/dev/null
cp "$tmp/good.t3r" "$tmp/damaged.t3r"
printf 'X' | dd of="$tmp/damaged.t3r" bs=1 seek=200 conv=notrunc 2>/dev/null
run calc "$tmp/damaged.t3r"
expect_rc 3
expect_err_has "trustella calc: $tmp/damaged.t3r: forms[0] (T3Ret): "
head -c 300 "$tmp/good.t3r" >"$tmp/short.t3r"
run check "$tmp/short.t3r"
expect_rc 3
expect_err_has "the file is truncated"
cp "$tmp/good.t3r" "$tmp/keep.t3r"
run convert "$tmp/damaged.t3r" "$tmp/keep.t3r"
expect_rc 3
cmp -s "$tmp/good.t3r" "$tmp/keep.t3r" || fail "a failed convert changed the existing output file"

finish
