#!/usr/bin/env bash
# The stand-in for the storage system: its command line, its refusals, its bounded memory
# and its whole-or-nothing results files. Usage: sim-test.sh PATH_TO_K4400_SIM
set -u
sim=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() {  # name, condition (a command), what was seen
    if eval "$2"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $1 ($3)"
    fi
}

fresh() {  # a key folder holding a valid storage task
    rm -rf "$work/key" && mkdir -p "$work/key"
    printf 'satask resetpassword' >"$work/key/satask.txt"
}

# Each row: name ^ arguments ^ expected exit code ^ text expected on stdout or stderr.
while IFS='^' read -r name args code text; do
    [ -z "$name" ] && continue
    fresh
    out=$(cd "$work" && eval "\"$sim\" $args" 2>&1)
    rc=$?
    check "$name: exit" "[ $rc -eq $code ]" "exit $rc: $out"
    check "$name: says" "[[ \"\$out\" == *\"$text\"* ]]" "$out"
    if [ "$code" -ne 0 ]; then
        check "$name: writes nothing" "[ ! -e $work/key/satask_result.html ]" "a results file"
    fi
done <<'CASES'
version^--version^0^k4400-sim 
help^--help^0^usage: k4400-sim
done^key^0^executed satask.txt
omit with a separate value^--omit storage key^0^executed
omit with =^--omit=file-modules key^0^executed
omit with a bad value^--omit=bad key^2^bad value for --omit
omit without a value^key --omit^2^--omit needs a value
fail with exit code 0^--fail=0 key^2^exit code must be 1 to 255
fail with letters^--fail=abc key^2^exit code must be 1 to 255
fail with a line break^--fail=$'3:two\nlines' key^2^control character
file-module text with a bar^--fail-file-modules='a|b' key^2^bad value for --fail-file-modules
a flag given a value^--crlf=1 key^2^--crlf takes no value
two key folders^key key^2^one key folder at most
unknown option^--frobnicate key^2^unknown option --frobnicate
CASES

# -- ends the options: a key folder whose name starts with a dash.
mkdir -p "$work/-key" && printf 'satask resetpassword' >"$work/-key/satask.txt"
out=$(cd "$work" && "$sim" -- -key 2>&1); rc=$?
check "-- then a dashed folder" "[ $rc -eq 0 ] && [ -f $work/-key/satask_result.html ]" "$rc $out"

# Refused task files: nothing is written, and the reason is named.
refuse() {  # name, expected text; the key folder is prepared by the caller
    out=$("$sim" "$work/key" 2>&1); rc=$?
    check "$1: refused" "[ $rc -eq 2 ] && [[ \"\$out\" == *\"$2\"* ]]" "$rc $out"
    check "$1: nothing written" "[ ! -e $work/key/satask_result.html ] && [ ! -e $work/key/DORNA_results.txt ]" "results written"
}
fresh; printf 'satask resetpassword\0' >"$work/key/satask.txt"
refuse "a NUL byte" "control character"
fresh; printf 'satask chserviceip -serviceip 10.0.0.5\t -gw 10.0.0.1 -mask 255.0.0.0' >"$work/key/satask.txt"
refuse "a tab" "control character"
fresh; printf 'cfginit --ip=1.2.3.4\001' >"$work/key/cfgtask.txt"
refuse "a control character in cfgtask.txt" "control character"
fresh; rm "$work/key/satask.txt"; mkdir "$work/key/satask.txt"
refuse "a folder named satask.txt" "satask.txt cannot be read"
# A 1 GiB task file is refused without being read whole: 64 MiB of address space suffice.
# (A sanitizer build reserves more address space than that at start: there the limit is off.)
limit=65536
[ -n "${SIM_TEST_SANITIZED:-}" ] && limit=unlimited
fresh; truncate -s 1G "$work/key/satask.txt"
out=$( (ulimit -v $limit; "$sim" "$work/key") 2>&1); rc=$?
check "1 GiB satask.txt in 64 MiB" "[ $rc -eq 2 ] && [[ \"\$out\" == *'larger than 64 KiB'* ]]" "$rc $out"
fresh; truncate -s 1G "$work/key/cfgtask.txt"
out=$( (ulimit -v $limit; "$sim" "$work/key") 2>&1); rc=$?
check "1 GiB cfgtask.txt in 64 MiB" "[ $rc -eq 2 ] && [[ \"\$out\" == *'larger than 64 KiB'* ]]" "$rc $out"

# The failure text is escaped inside output="...": quotes and markup cannot end the value.
fresh
"$sim" '--fail=7:say "no" <b>&' "$work/key" >/dev/null 2>&1
check "escaped failure text" "grep -qF 'output=\"say &quot;no&quot; &lt;b&gt;&amp;\" exit=\"7\"' $work/key/satask_result.html" "$(head -5 "$work/key/satask_result.html")"

# A results file that cannot be written: an error, and no temporary file left behind.
fresh; mkdir -p "$work/key/satask_result.html/inside"
out=$("$sim" "$work/key" 2>&1); rc=$?
check "unwritable results" "[ $rc -eq 2 ] && [[ \"\$out\" == *'could not write'* ]]" "$rc $out"
check "no temporaries" "[ -z \"\$(ls -A $work/key | grep '^.k4400-sim-' | grep -v state)\" ]" "$(ls -A "$work/key")"
# A good run leaves exactly the results and the state.
fresh; "$sim" "$work/key" >/dev/null
check "a good run's files" "[ \"\$(ls -A $work/key | tr '\n' ' ')\" = '.k4400-sim-state satask.txt satask_result.html ' ]" "$(ls -A "$work/key")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
