#!/usr/bin/env bash
# k4400-init-cli.exe under Wine against the Linux program: the same commands write the same
# bytes, refuse alike and end with the same codes; and the trip through the stand-in system
# is reported as on Linux.
# Usage: windows-cli-test.sh PATH_TO_K4400_INIT_CLI_EXE LINUX_BUILD_FOLDER
set -u
exe=$1
linux=$(realpath "$2")
work=$(mktemp -d -p "$(dirname "$exe")")
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # name, condition, what was seen
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1 ($3)"; fi
}
windows_path() {  # Wine shows the build machine's root as drive Z:
    printf 'Z:%s' "$(realpath "$1" | tr / '\\')"
}
n=0
same() {  # the command's arguments, after --key
    n=$((n + 1))
    mkdir "$work/linux$n" "$work/windows$n"
    LANG=C "$linux/src/k4400-init-cli" --key "$work/linux$n" "$@" >"$work/linux$n.out" 2>/dev/null
    local linux_rc=$?
    LANG=C wine "$exe" --key "$(windows_path "$work/windows$n")" "$@" 2>/dev/null |
        tr -d '\r' >"$work/windows$n.out"
    local windows_rc=${PIPESTATUS[0]}
    # Where the task went is each system's own: the folder as it names it, not a key's top.
    if grep -qF '"key":' "$work/windows$n.out"; then
        check "$* : the key folder as Windows names it" "grep -qF '\"key\":{\"folder\":\"Z:' $work/windows$n.out && grep -qF '\"top_folder\":false' $work/windows$n.out" "$(cat "$work/windows$n.out")"
    fi
    sed -i 's/,"key":{[^}]*}//' "$work/linux$n.out" "$work/windows$n.out"
    check "$* : the same exit code" "[ $linux_rc -eq $windows_rc ]" "$linux_rc $windows_rc"
    check "$* : the same output" "cmp -s $work/linux$n.out $work/windows$n.out" \
        "$(cat "$work/linux$n.out" "$work/windows$n.out")"
    for file in satask.txt cfgtask.txt; do
        check "$* : the same $file" "cmp -s $work/linux$n/$file $work/windows$n/$file || { [ ! -e $work/linux$n/$file ] && [ ! -e $work/windows$n/$file ]; }" "differ"
    done
}

same new-system --address 192.168.1.50 --mask 255.255.255.0 --gateway 192.168.1.1
same --json new-system --address 010.001.100.200 --mask 255.255.255.128 --gateway 10.1.100.254
same new-system --address " 2001:DB8::50 " --prefix 064 --gateway "2001:db8::1 "
same --json service-ip --address ffff:ffff:ffff:ffff:ffff:ffff:ffff:fff0 --prefix 127 \
    --gateway FFFF:ffff:ffff:ffff:ffff:ffff:ffff:fffe
same service-ip --default
same reset-password
same --json unified --address 192.168.1.10 --mask 255.255.255.0 --gateway 192.168.1.1 \
    --management 192.168.1.20 --file-module1 192.168.1.21 --file-module2 192.168.1.22 \
    --internal-range 172.31.8.1
same --json new-system --address 192.168..50 --mask 255.255.255.0 --gateway 192.168.1.1
same --json new-system --address 2001:db8 --prefix 64 --gateway fe80::1
same --json --yes new-system --address 2001:db8 --prefix 64 --gateway fe80::1
same --json unified --address 192.168.1.10 --mask 255.255.255.0 --gateway 192.168.1.1 \
    --management 192.168.1.20 --file-module1 192.168.1.21 --file-module2 192.168.2.22 \
    --internal-range 10.254.8.1
same --json --dry-run service-ip --address 10.1.2.30 --mask 255.255.255.0 --gateway 10.1.2.1
same --json clear
same -- results --bogus

# The trip: prepare the key, let the stand-in execute it, read the results as JSON.
key=$work/trip
mkdir "$key"
wine "$exe" --key "$(windows_path "$key")" new-system --address 192.168.1.50 \
    --mask 255.255.255.0 --gateway 192.168.1.1 >/dev/null 2>&1
"$linux/tools/k4400-sim/k4400-sim" "$key" >/dev/null
wine "$exe" --key "$(windows_path "$key")" --json results 2>/dev/null | tr -d '\r' >"$work/results"
rc=${PIPESTATUS[0]}
check "results: status 0" "[ $rc -eq 0 ]" "$rc"
check "results: init_ok and the launch" "grep -qF '\"result\":\"init_ok\"' $work/results && grep -qF '\"management_gui\":\"https://192.168.1.50\"' $work/results" "$(cat "$work/results")"
# The same report as the Linux program's, byte for byte.
LANG=C "$linux/src/k4400-init-cli" --key "$key" --json results >"$work/results-linux" 2>/dev/null
check "results: the same JSON as on Linux" "cmp -s $work/results $work/results-linux" "$(cat "$work/results-linux")"
wine "$exe" --key "$(windows_path "$work/nowhere")" results >/dev/null 2>"$work/err"
check "a missing key: status 3" "[ $? -eq 3 ] && grep -qF 'was not found.' $work/err" "$(cat "$work/err")"

# The language of Windows (Wine takes it from the locale), in UTF-8 on the console.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 wine "$exe" --key "$(windows_path "$key")" new-system \
    --address 192.168.1.50 --mask 255.255.255.0 --gateway 0.0.0.0 2>&1 >/dev/null |
    tr -d '\r' >"$work/err"
check "German Windows: the German message" "grep -qF '„0.0.0.0“ ist ungültig.' $work/err" "$(cat "$work/err")"

echo "k4400-init-cli.exe: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
