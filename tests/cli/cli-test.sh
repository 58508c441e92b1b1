#!/usr/bin/env bash
# The wizard's command line: help, version and errors need no display and touch nothing;
# a key folder argument makes the program work there as if started from it.
# Usage: cli-test.sh PATH_TO_K4400_INIT
set -u
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # name, condition, what was seen
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1 ($3)"; fi
}

mkdir -p "$work/here" "$work/key"
run() {  # runs in $work/here, where a task file waits, with no display at all
    printf 'satask resetpassword' >"$work/here/satask.txt"
    (cd "$work/here" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" \
        >"$work/out" 2>"$work/err")
}

run --help; rc=$?
check "--help exits 0" "[ $rc -eq 0 ]" "$rc"
check "--help prints the usage" "grep -q '^usage: k4400-init' $work/out" "$(cat "$work/out")"
check "--help leaves satask.txt" "[ -f $work/here/satask.txt ]" "gone"
run --version; rc=$?
check "--version" "[ $rc -eq 0 ] && grep -qE '^k4400-init [0-9]+[.][0-9]+[.][0-9]+' $work/out" "$rc $(cat "$work/out")"
check "--version leaves satask.txt" "[ -f $work/here/satask.txt ]" "gone"
run --bogus; rc=$?
check "unknown option exits 2" "[ $rc -eq 2 ]" "$rc"
check "unknown option: usage on stderr only" "grep -q 'unknown option --bogus' $work/err && grep -q '^usage:' $work/err && [ ! -s $work/out ]" "$(cat "$work/err")"
check "unknown option leaves satask.txt" "[ -f $work/here/satask.txt ]" "gone"
run a b; rc=$?
check "two key folders exit 2" "[ $rc -eq 2 ]" "$rc"
run; rc=$?
check "no display: status 1" "[ $rc -eq 1 ]" "$rc"
check "no display: one line" "[ \$(wc -l <$work/err) -eq 1 ] && grep -q 'no display' $work/err" "$(cat "$work/err")"
check "no display leaves satask.txt" "[ -f $work/here/satask.txt ]" "gone"

# A missing key folder: status 2, nothing touched.
printf 'satask resetpassword' >"$work/here/satask.txt"
(cd "$work/here" && QT_QPA_PLATFORM=offscreen "$program" "$work/nowhere" >/dev/null 2>"$work/err"); rc=$?
check "missing key folder" "[ $rc -eq 2 ] && grep -q 'cannot open the key folder' $work/err" "$rc $(cat "$work/err")"
check "missing key folder leaves satask.txt" "[ -f $work/here/satask.txt ]" "gone"

# The key folder named on the command line is where the wizard works: its stale task file
# goes, the one in the current directory stays. (The wizard then waits for its user.)
printf 'satask resetpassword' >"$work/key/satask.txt"
(cd "$work/here" && QT_QPA_PLATFORM=offscreen timeout 5 "$program" "$work/key" >/dev/null 2>&1)
check "key folder: its satask.txt removed" "[ ! -e $work/key/satask.txt ]" "still there"
check "key folder: the current one untouched" "[ -f $work/here/satask.txt ]" "gone"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
