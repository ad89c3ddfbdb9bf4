#!/usr/bin/env bash
# Checks the geographic sub-commands of ondrell-tool end to end: output format and exit codes.
set -u
tool=$1
failures=0
expect() { # name, expected, actual
    if [ "$2" != "$3" ]; then
        printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

# locate: the containing area (or - for the sea), then the nearest areas with one decimal.
out=$(printf '2.35 48.85\n-5.35 36.14\n-14.37 -7.95\n-3 47\n' | "$tool" locate)
expect "locate symbols" "F GIB ASC -" "$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
expect "locate Paris nearest" "F 149.9" "$(sed -n 1p <<<"$out" | cut -f2)"
expect "locate sea lists France first" "F 33.7" "$(sed -n 4p <<<"$out" | cut -f2)"
expect "locate at most ten areas" "yes" "$(awk -F'\t' '{ if (NF > 11) bad = 1 } END { print bad ? "no" : "yes" }' <<<"$out")"

# check-point: accepted or rejected, a tab, and the detail.
out=$("$tool" check-point --country F --tolerance 10 -- +0021700 +485100)
expect "check-point Paris" "accepted	|0" "$out|$?"
out=$("$tool" check-point --country KAZ --tolerance 10 -- +0802200 +441200)
expect "check-point China for Kazakhstan" \
    "rejected	 are in CHN, less than 1 km from KAZ and OUTSIDE of the PLANNING AREA |1" "$out|$?"
"$tool" check-point --country F --tolerance 10 -- +00217 48N >/dev/null 2>&1
expect "check-point refuses a malformed coordinate" "2" "$?"

# crossings: a figure eight crosses once; a square does not.
out=$(printf '+0100000 +500000\n+0110000 +510000\n+0110000 +500000\n+0100000 +510000\n' | "$tool" crossings)
expect "crossings figure eight" "1 3" "$out"
out=$(printf '+0100000 +500000\n+0110000 +500000\n+0110000 +510000\n+0100000 +510000\n' | "$tool" crossings)
expect "crossings square" "" "$out"

if [ $failures -eq 0 ]; then
    echo "9 passed, 0 failed"
    exit 0
fi
echo "$((9 - failures)) passed, $failures failed"
exit 1
