# Sourced by the test scripts that check several things and report every failure, not only the
# first: a temporary folder $work, removed at exit, and a count of failed checks.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# Ends the script: status 1 after any failed check, else the given line of success.
finishChecks() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures failure(s)" >&2
        exit 1
    fi
    echo "$1"
}
