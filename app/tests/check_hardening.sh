#!/usr/bin/env bash
# Checks a release build of the program with Debian's hardening-check: PIE,
# stack protector, fortified functions, read-only relocations, immediate
# binding, stack clash and control-flow protection. Any "no" fails, with one
# exception that is checked another way: the linker marks a program as
# control-flow protected only when every object in it is, and Debian 12's C
# start-up files (Scrt1.o, crti.o, crtn.o) are built without it. Then every
# object of our own must carry the protection instead.
set -euo pipefail
program=$1
objects=$2 # the build folder that holds the program's object files

report=$(hardening-check "$program" || true)
echo "$report"
failures=$(grep ': no' <<<"$report" || true)

if grep -q 'Control flow integrity: no' <<<"$failures"; then
    crt=$(gcc -print-file-name=Scrt1.o)
    if readelf -n "$crt" | grep -q 'x86 feature: IBT, SHSTK'; then
        echo "the C start-up files are protected, so the program should be too"
    else
        unprotected=0
        count=0
        while IFS= read -r -d '' object; do
            count=$((count + 1))
            if ! readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK'; then
                echo "not built with control-flow protection: $object"
                unprotected=$((unprotected + 1))
            fi
        done < <(find "$objects" -name '*.o' -path '*/CMakeFiles/*' -not -path '*/tests/*' -not -path '*/bench/*' -print0)
        if ((count > 0 && unprotected == 0)); then
            echo "Control flow integrity: all $count objects of the program's own are protected;"
            echo "  the C start-up files ($crt) are not, which keeps the mark off the program"
            failures=$(grep -v 'Control flow integrity' <<<"$failures" || true)
        fi
    fi
fi

if [[ -n "$failures" ]]; then
    echo "hardening: FAILED"
    exit 1
fi
echo "hardening: all checks passed"
