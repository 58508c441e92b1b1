#!/usr/bin/env bash
# The two .exe as a careful administrator checks them: the PE header's hardening flags, the
# commit's time stamp (reproducible), the wizard under 1.5 MB; DLLs imported only from the system (a KnownDLL, or
# comctl32 through the manifest); signed with a throwaway certificate, the signature
# verifies, a copy with one byte changed does not, signing twice gives the same bytes,
# removing the signature gives the unsigned bytes back, and the signed programs run.
# Runs under the caller's Wine (WINEPREFIX, display). Usage: windows-exe-test.sh BUILD_DIR
set -u
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {  # name, condition, what was seen
    if eval "$2"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $1 ($3)"; fi
}
# Windows 10's KnownDLLs: loaded from System32 whatever the search order.
known=$(printf ' %s ' advapi32.dll clbcatq.dll combase.dll comdlg32.dll coml2.dll difxapi.dll \
    gdi32.dll gdiplus.dll imagehlp.dll imm32.dll kernel32.dll msctf.dll msvcrt.dll normaliz.dll \
    nsi.dll ole32.dll oleaut32.dll psapi.dll rpcrt4.dll sechost.dll setupapi.dll shcore.dll \
    shell32.dll shlwapi.dll user32.dll wldap32.dll ws2_32.dll)
# The time stamp the build gives the .exe: the commit's time, whenever it is built.
epoch=$(git -C "$(dirname "$0")" log -1 --format=%ct)
stamp() {  # the PE header's TimeDateStamp
    /usr/bin/python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(); p=struct.unpack_from("<I",d,0x3c)[0]; print(struct.unpack_from("<I",d,p+8)[0])' "$1"
}
openssl req -x509 -newkey rsa:2048 -nodes -subj "/CN=k4400-init throwaway test certificate" \
    -days 2 -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
sign() {  # in, out
    osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -h sha256 \
        -n "Quorvex Veltara K4400 Initialization Tool" -time 1800000000 -in "$1" -out "$2" \
        >/dev/null
}
for exe in k4400-init.exe k4400-init-cli.exe; do
    header=$(x86_64-w64-mingw32-objdump -p "$build/$exe")
    for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
        check "$exe: $flag" "grep -qw $flag <<<\"\$header\"" "$(grep -A4 DllCharacteristics <<<"$header")"
    done
    check "$exe: the commit's time stamp" "[ \"\$(stamp $build/$exe)\" = $epoch ]" "$(grep Time/Date <<<"$header")"
    # The wizard, small: the C++ runtime's streams and file system (800 KB) stay out of it.
    if [ "$exe" = k4400-init.exe ]; then
        check "$exe: under 1.5 MB" "[ \$(stat -c %s $build/$exe) -lt 1572864 ]" "$(stat -c %s "$build/$exe") bytes"
    fi
    while read -r dll; do
        lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
        check "$exe imports $dll from the system" "[[ \"\$known\" == *\" $lower \"* || $lower == comctl32.dll ]]" "not a KnownDLL"
    done < <(sed -n 's/^\s*DLL Name: //p' <<<"$header")

    sign "$build/$exe" "$work/signed-$exe"
    sign "$build/$exe" "$work/again-$exe"
    check "$exe: the signature verifies" "osslsigncode verify -CAfile $work/cert.pem -in $work/signed-$exe >/dev/null 2>&1" "refused"
    check "$exe: signing twice, the same bytes" "cmp -s $work/signed-$exe $work/again-$exe" "differ"
    cp "$work/signed-$exe" "$work/changed-$exe"
    printf '\x5a' | dd of="$work/changed-$exe" bs=1 seek=4100 conv=notrunc 2>/dev/null
    check "$exe: a changed byte is refused" "! osslsigncode verify -CAfile $work/cert.pem -in $work/changed-$exe >/dev/null 2>&1" "accepted"
    osslsigncode remove-signature -in "$work/signed-$exe" -out "$work/removed-$exe" >/dev/null
    check "$exe: the signature removed, the unsigned bytes" "cmp -s $build/$exe $work/removed-$exe" "differ"
done
version=$(wine "$work/signed-k4400-init-cli.exe" --version 2>/dev/null | tr -d '\r')
check "the signed command line runs" "[[ \"\$version\" == 'k4400-init-cli '* ]]" "$version"
mkdir "$work/key"
(cd "$work/key" && wine "$work/signed-k4400-init-cli.exe" reset-password >/dev/null 2>&1)
check "the signed command line writes its task" "[ \"\$(cat $work/key/satask.txt)\" = 'satask resetpassword' ]" "$(ls "$work/key")"
# The signed wizard starts: it removes the stale task file of the key it runs from.
mkdir "$work/wizard"
printf 'satask resetpassword' >"$work/wizard/satask.txt"
(cd "$work/wizard" && exec timeout 30 wine "$work/signed-k4400-init.exe" >/dev/null 2>&1) &
for _ in $(seq 60); do
    [ -e "$work/wizard/satask.txt" ] || break
    sleep 0.5
done
check "the signed wizard runs" "[ ! -e $work/wizard/satask.txt ]" "the stale task is still there"
kill %1 2>/dev/null
wait
echo "the Windows programs: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
