#!/usr/bin/env bash
# The system-call trial: every file-system call of k4400-init-cli's task commands and clear
# fails in turn (EIO, ENOSPC), or the program is killed right at it, injected by strace on a
# key that is empty or holds an earlier task. After each run: success only with the whole
# new task on the key; a failure told on stderr with a non-zero exit, leaving no new or
# partial task file the user was not told of; after a kill only whole files and at most one
# temporary file, which the next command removes.
# Usage: syscall-trial.sh PATH_TO_K4400_INIT_CLI
set -u
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0 runs=0
check() {  # name, condition, what was seen
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1 ($3)"; fi
}
earlier_task='satask mknascluster -clusterip 10.0.0.10 -mask 255.0.0.0 -gw 10.0.0.1 -consoleip 10.0.0.20'
earlier_modules='cfginit --ip=10.0.0.20 --netmask=255.0.0.0'
unified=(unified --address 192.168.1.10 --mask 255.255.255.0 --gateway 192.168.1.1
    --management 192.168.1.20 --file-module1 192.168.1.21 --file-module2 192.168.1.22
    --internal-range 172.31.8.1)
calls=openat,write,fsync,close,rename,unlink,newfstatat,read,fchmod
prepare() {  # 1: an earlier task on the key
    rm -rf "$work/key" && mkdir "$work/key"
    if [ "$1" = 1 ]; then
        printf '%s' "$earlier_task" >"$work/key/satask.txt"
        printf '%s' "$earlier_modules" >"$work/key/cfgtask.txt"
    fi
}
content() { [ -f "$work/key/$1" ] && cat "$work/key/$1" || echo "(none)"; }
temporaries() { find "$work/key" -name '.k4400-*' | wc -l; }
# What each command leaves when it succeeds, "-" for gone.
declare -A expect_task expect_modules
run_trial() {  # name, then the command's arguments
    local name=$1; shift
    local earlier syscall count n error rc task modules
    for earlier in 0 1; do
        # What success leaves, and how often the program makes each call.
        prepare "$earlier"
        (cd "$work/key" && strace -f -qq -o "$work/trace" -e trace=$calls "$cli" --key . "$@" \
            >/dev/null 2>&1)
        local want_task want_modules
        want_task=$(content satask.txt); want_modules=$(content cfgtask.txt)
        for syscall in ${calls//,/ }; do
            count=$(grep -c " $syscall(" "$work/trace")
            for n in $(seq 1 "$count"); do
                for error in EIO ENOSPC; do
                    prepare "$earlier"
                    (cd "$work/key" && LANG=C strace -f -qq -o /dev/null -e trace=$syscall \
                        -e inject=$syscall:error=$error:when=$n "$cli" --key . "$@" \
                        >"$work/out" 2>"$work/err"); rc=$?
                    runs=$((runs + 1))
                    task=$(content satask.txt); modules=$(content cfgtask.txt)
                    local what="$name, earlier=$earlier, $syscall #$n $error: rc $rc"
                    if [ $rc -eq 0 ]; then
                        check "$what: done, the whole task" "[ \"\$task\" = \"\$want_task\" ] && [ \"\$modules\" = \"\$want_modules\" ]" "$task / $modules"
                    else
                        check "$what: told" "[ -s $work/err ]" "nothing on stderr"
                        for file in satask.txt cfgtask.txt; do
                            local now old=""
                            now=$(content $file)
                            [ "$earlier" = 1 ] && old=$([ $file = satask.txt ] && echo "$earlier_task" || echo "$earlier_modules")
                            # Nothing new unless the user was told it stays, or (the output
                            # refused) was told what the key holds.
                            local stays=0
                            grep -qF "The task file $file could not be removed" "$work/err" && stays=1
                            grep -qxF "$file: $now" "$work/err" && stays=1
                            check "$what: $file nothing untold" "[ \"\$now\" = '(none)' ] || [ \"\$now\" = \"\$old\" ] || [ $stays = 1 ]" "$now"
                        done
                    fi
                    check "$what: at most one temporary" "[ \$(temporaries) -le 1 ]" "$(temporaries)"
                done
                # Killed right at the call: whole files only, and the next command clears up.
                prepare "$earlier"
                (cd "$work/key" && strace -f -qq -o /dev/null -e trace=$syscall \
                    -e inject=$syscall:error=EIO:signal=KILL:when=$n "$cli" --key . "$@" \
                    >/dev/null 2>&1) 2>/dev/null
                runs=$((runs + 1))
                for file in satask.txt cfgtask.txt; do
                    now=$(content $file)
                    case "$now" in
                        "(none)"|"$earlier_task"|"$earlier_modules"|"$want_task"|"$want_modules") ok=1 ;;
                        *) ok=0 ;;
                    esac
                    check "$name, earlier=$earlier, killed at $syscall #$n: $file whole" "[ $ok = 1 ]" "$now"
                done
                (cd "$work/key" && "$cli" --key . --dry-run clear >/dev/null 2>&1 &&
                    "$cli" --key . reset-password >/dev/null 2>&1)
                check "$name, killed at $syscall #$n: the next command removes the temporary" "[ \$(temporaries) -eq 0 ]" "$(temporaries)"
            done
        done
    done
}
run_trial "new-system" new-system --address 192.168.1.50 --mask 255.255.255.0 --gateway 192.168.1.1
run_trial "new-system IPv6" new-system --address fd00::50 --prefix 64 --gateway fd00::1
run_trial "service-ip" service-ip --address 10.1.2.30 --mask 255.255.255.0 --gateway 10.1.2.1
run_trial "service-ip --default" service-ip --default
run_trial "reset-password" reset-password
run_trial "unified" "${unified[@]}"
run_trial "clear" clear
echo "system-call trial: $runs runs; $passed passed, $failed failed"
[ "$failed" -eq 0 ]
