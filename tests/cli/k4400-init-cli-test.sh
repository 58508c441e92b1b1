#!/usr/bin/env bash
# k4400-init-cli as a script sees it: no display needed, the locale's language, reports on
# stdout and messages on stderr, the exit codes, and the trip through the stand-in system.
# Usage: k4400-init-cli-test.sh PATH_TO_K4400_INIT_CLI PATH_TO_K4400_SIM SOURCE_FOLDER
set -u
cli=$(realpath "$1")
sim=$(realpath "$2")
source_folder=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # name, condition, what was seen
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1 ($3)"; fi
}
run() {  # in $work, with no display and the C locale unless the caller sets LANG
    (cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES \
        LANG="${LANG_FOR_RUN:-C}" "$cli" "$@" >"$work/out" 2>"$work/err")
    local rc=$?
    # Every JSON object printed is kept for the schema check that follows the tests.
    if [ -n "${K4400_JSON_LOG:-}" ] && [ "$(head -c1 "$work/out")" = "{" ]; then
        cat "$work/out" >>"$K4400_JSON_LOG"
    fi
    return $rc
}

# Prepare a key for a new system, rehearse the trip with the stand-in, read the results.
mkdir "$work/usb"
run --key usb new-system --address 192.168.1.50 --mask 255.255.255.0 --gateway 192.168.1.1
rc=$?
line='satask mkcluster -clusterip 192.168.1.50 -gw 192.168.1.1 -mask 255.255.255.0'
check "written: status 0" "[ $rc -eq 0 ]" "$rc $(cat "$work/err")"
check "written: exactly the line" "[ \"\$(cat $work/usb/satask.txt)\" = '$line' ] && [ \$(stat -c %s $work/usb/satask.txt) -eq 76 ]" "$(cat "$work/usb/satask.txt")"
check "written: the line on stdout" "grep -qxF 'satask.txt: $line' $work/out" "$(cat "$work/out")"
# A folder inside /tmp is no key's top folder: written all the same, and said on stderr.
check "written: the folder warned of" "[ \"\$(cat $work/err)\" = 'k4400-init-cli: The task file was written to $work/usb, which is not the top folder of a USB key. The storage system reads task files only from the top folder of the key.' ]" "$(cat "$work/err")"
run --key usb --json --dry-run reset-password
check "dry run: the key's place in the JSON" "grep -qF '\"key\":{\"folder\":\"$work/usb\",\"top_folder\":false,' $work/out && [ ! -s $work/err ]" "$(cat "$work/out" "$work/err")"
"$sim" "$work/usb" >/dev/null
run --key usb --json results; rc=$?
check "results: status 0" "[ $rc -eq 0 ]" "$rc"
check "results: init_ok" "grep -qF '\"result\":\"init_ok\"' $work/out" "$(cat "$work/out")"
check "results: the address" "grep -qF 'configured with IP: 192.168.1.50' $work/out" "$(cat "$work/out")"
check "results: the launch" "grep -qF '\"management_gui\":\"https://192.168.1.50\"' $work/out" "$(cat "$work/out")"
check "results: version 1" "grep -qF '{\"version\":1,' $work/out" "$(cat "$work/out")"
check "results: one line of JSON" "[ \$(wc -l <$work/out) -eq 1 ]" "$(wc -l <"$work/out")"
check "results: the results stay" "[ -f $work/usb/satask_result.html ]" "gone"

# The user's language, as the wizard chooses it; English under the C locale.
run --key usb new-system --address 192.168.1.50 --mask 255.255.255.0 --gateway 0.0.0.0; rc=$?
check "refused: status 1" "[ $rc -eq 1 ]" "$rc"
check "refused: English under C" "grep -qF \"'0.0.0.0' is not valid.  Enter a valid gateway\" $work/err && [ ! -s $work/out ]" "$(cat "$work/err")"
LANG_FOR_RUN=de_DE.UTF-8 run --key usb new-system --address 192.168.1.50 --mask 255.255.255.0 \
    --gateway 0.0.0.0
check "refused: German under de_DE" "grep -qF 'Gateway' $work/err && ! grep -qF 'Enter a valid' $work/err" "$(cat "$work/err")"
LANG_FOR_RUN=ja_JP.UTF-8 run --key usb results
check "results: Japanese under ja_JP" "grep -qF '初期化の結果' $work/out" "$(cat "$work/out")"
check "results: a label joined as Japanese joins it" "grep -qxF 'GUI の起動：https://192.168.1.50' $work/out" "$(cat "$work/out")"
LANG_FOR_RUN=fr_FR.UTF-8 run --key usb results
check "results: a label joined as French joins it" "grep -qF \"\$(printf 'gestion\\u00a0: https://192')\" $work/out" "$(cat "$work/out")"
(cd "$work" && env LANGUAGE=fr:de LANG=de_DE.UTF-8 "$cli" --key nowhere results >/dev/null 2>"$work/err")
check "LANGUAGE first" "grep -qF 'introuvable' $work/err" "$(cat "$work/err")"

# The exit codes.
run --key nowhere results; rc=$?
check "missing key: status 3, named" "[ $rc -eq 3 ] && grep -qF 'nowhere was not found.' $work/err" "$rc $(cat "$work/err")"
mkdir -p "$work/ro/satask.txt"
run --key ro reset-password; rc=$?
check "unwritable key: status 3, cause named" "[ $rc -eq 3 ] && grep -qF 'satask.txt' $work/err" "$rc $(cat "$work/err")"
mkdir "$work/fresh"
run --key fresh results; rc=$?
check "no results: status 5" "[ $rc -eq 5 ] && [ ! -s $work/out ]" "$rc"
run bogus; rc=$?
check "bad usage: status 2" "[ $rc -eq 2 ] && grep -qF \"unknown command 'bogus'\" $work/err && [ ! -s $work/out ]" "$rc"
run --quiet results; rc=$?
check "an unknown option before the command" "[ $rc -eq 2 ] && grep -qF 'unknown option --quiet' $work/err" "$(cat "$work/err")"
run -h; rc=$?
check "-h is --help" "[ $rc -eq 0 ] && grep -q '^usage: k4400-init-cli' $work/out" "$rc"
run --key fresh reset-password >/dev/null
"$sim" --fail "$work/fresh" >/dev/null
run --key fresh results; rc=$?
check "failed task: status 4" "[ $rc -eq 4 ]" "$rc $(cat "$work/out")"
for command in new-system service-ip reset-password unified results clear; do
    run "$command" --help; rc=$?
    check "$command --help" "[ $rc -eq 0 ] && head -1 $work/out | grep -qF \"$command\"" "$rc"
done
rm -f "$work/usb/satask.txt"
run --key usb --dry-run reset-password
check "dry run: the line, nothing written" "grep -qxF 'satask.txt: satask resetpassword' $work/out && [ ! -e $work/usb/satask.txt ]" "$(cat "$work/out")"
# A dry run makes no file or folder anywhere, not even a scratch one: every call that could
# make, change or remove one, as the system saw them.
for command in "reset-password" "new-system --address 192.168.1.50 --mask 255.255.255.0 --gateway 192.168.1.1" \
    "unified --address 192.168.1.10 --mask 255.255.255.0 --gateway 192.168.1.1 --management 192.168.1.20 --file-module1 192.168.1.21 --file-module2 192.168.1.22 --internal-range 172.31.8.1"; do
    # shellcheck disable=SC2086
    (cd "$work" && strace -f -qq -o "$work/trace" -e trace=creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,link,linkat,symlink,symlinkat,truncate,ftruncate,open,openat \
        "$cli" --key usb --json --dry-run $command >"$work/out" 2>/dev/null)
    made=$(grep -E 'O_CREAT|O_WRONLY|O_RDWR|O_TRUNC|^[0-9]+ +(creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate|ftruncate)\(' "$work/trace" | grep -v ENOENT)
    # The trace must show the program's own reads (the key folder's files looked at), or it
    # proves nothing.
    check "dry run ${command%% *}: traced" "grep -q 'openat(' $work/trace" "$(head -3 "$work/trace" 2>&1)"
    check "dry run ${command%% *}: no file or folder made (strace)" "[ -z \"\$made\" ] && grep -qF '\"dry_run\":true' $work/out" "$made"
done

# Output that cannot be written (a full disk, a closed stream) is a failure, never a silent
# success: exit 3, and stderr says what the key holds.
mkdir -p "$work/full"
for args in "--dry-run reset-password" "--json results" "--json clear" "reset-password"; do
    # shellcheck disable=SC2086
    (cd "$work" && LANG=C "$cli" --key full $args >/dev/full 2>"$work/err"); rc=$?
    check "stdout on a full disk: $args" "[ $rc -eq 3 ] && grep -qF 'output could not be written' $work/err" "$rc $(cat "$work/err")"
done
check "stdout on a full disk: the task written and named" "grep -qxF 'satask.txt: satask resetpassword' $work/err && [ -f $work/full/satask.txt ]" "$(cat "$work/err")"
(cd "$work" && LANG=C "$cli" --key full --json results >&- 2>"$work/err"); rc=$?
check "stdout closed" "[ $rc -eq 3 ] && grep -qF 'output could not be written' $work/err" "$rc $(cat "$work/err")"

# The bash completion offers the commands, then the command's options and the ranges.
complete() {  # the words typed so far, the last one being completed
    bash -c 'source "$0"; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _k4400_init_cli
             echo "${COMPREPLY[*]}"' "$source_folder/packaging/linux/k4400-init-cli.bash-completion" "$@"
}
check "completion: commands" "[ \"\$(complete k4400-init-cli re)\" = 'reset-password results' ]" "$(complete k4400-init-cli re)"
check "completion: help's commands" "[ \"\$(complete k4400-init-cli help u)\" = 'unified' ]" "$(complete k4400-init-cli help u)"
check "completion: options" "complete k4400-init-cli unified --f | grep -qxF -- '--file-module1 --file-module2'" "$(complete k4400-init-cli unified --f)"
check "completion: ranges" "[ \"\$(complete k4400-init-cli unified --internal-range 1)\" = '172.31.8.1 192.168.8.1 10.254.8.1' ]" "$(complete k4400-init-cli unified --internal-range 1)"

# One table of exit codes: --help, the manual page and the README say the same.
"$cli" --help | sed -n '/^Exit status:/,/^$/p' | grep -E '^  [0-9]  ' >"$work/codes"
check "the exit codes in --help" "[ \$(wc -l <$work/codes) -eq 6 ]" "$(cat "$work/codes")"
while read -r code meaning; do
    check "exit $code in the manual" "grep -A1 -xF '.B $code' $source_folder/packaging/linux/k4400-init-cli.1 | grep -qxF '$meaning'" "$meaning"
    check "exit $code in the README" "grep -qF '| $code | $meaning |' $source_folder/README.md" "$meaning"
done <"$work/codes"

echo "k4400-init-cli: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
