# Shared by the command-line tests: run a command, then check its exit code
# and output. Usage in a test: source "$(dirname "$0")/lib.bash" "$@".
set -uo pipefail
bin="$1/trustella"
src="$2"
sample="$src/examples/testamentary-trust-2024.json"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# run ARGS...: runs trustella; sets rc, out (stdout) and err (stderr).
run() {
    last="trustella $*"
    "$bin" "$@" >"$tmp/stdout" 2>"$tmp/stderr"
    rc=$?
    out=$(cat "$tmp/stdout")
    err=$(cat "$tmp/stderr")
}

expect_rc() {
    [ "$rc" -eq "$1" ] || fail "$last: exit $rc, expected $1 (stderr: $err)"
}
# expect_out TEXT: stdout contains TEXT as a whole line.
expect_line() {
    grep -qxF -- "$1" <<<"$out" || fail "$last: no line \"$1\" in: $out"
}
expect_out_has() {
    grep -qF -- "$1" <<<"$out" || fail "$last: \"$1\" not in: $out"
}
expect_err() {
    [ "$err" = "$1" ] || fail "$last: stderr \"$err\", expected \"$1\""
}
expect_err_has() {
    grep -qF -- "$1" <<<"$err" || fail "$last: \"$1\" not in stderr: $err"
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)" >&2
        exit 1
    fi
    echo "all passed"
}
