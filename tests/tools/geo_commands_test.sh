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

# locate refuses what is not a point with "?" and a message naming the line, and goes on.
out=$(printf '2.35 48.85\n2 91\n2 48 x\n%0300d\n\n-180 -90\n' 0 | "$tool" locate 2>/tmp/locate_err.$$)
rc=$?
expect "locate bad lines" "F ? ? ? ? ATA|1" "$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ $//')|$rc"
expect "locate names the lines" "2: latitude 91 is not between -90 and 90|3: expected|4: longer than 200 characters|5: expected" \
    "$(sed -E 's/^locate: line ([0-9]+: [a-z]+( [0-9]+ is not between -90 and 90| than 200 characters)?).*/\1/' /tmp/locate_err.$$ | paste -sd'|')"
rm -f /tmp/locate_err.$$
# A map damaged past its checksum is refused before any answer.
bad=$(mktemp)
cp "$ONDRELL_MAP_FILE" "$bad" && printf 'X' | dd of="$bad" bs=1 seek=30000000 conv=notrunc 2>/dev/null
out=$(printf '2.35 48.85\n' | "$tool" locate --map "$bad" 2>&1)
expect "locate refuses a damaged map" "locate: $bad is damaged (boundary edges)|1" "$out|$?"
rm -f "$bad"

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

# crossings stops at the first bad line, and at the 100th point without reading further.
"$tool" crossings <<<$'+0100000 +500000\n+0110000 500000' 2>&1 >/dev/null | grep -q "^crossings: line 2: expected"
expect "crossings names a bad line" "0" "$?"
err=$(yes '+0100000 +500000' | "$tool" crossings 2>&1 >/dev/null)
expect "crossings stops at the 100th point" "crossings: line 100: a contour holds at most 99 test points" "$err"

total=14
if [ $failures -eq 0 ]; then
    echo "$total passed, 0 failed"
    exit 0
fi
echo "$((total - failures)) passed, $failures failed"
exit 1
