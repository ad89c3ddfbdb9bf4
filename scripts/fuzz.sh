#!/usr/bin/env bash
# Runs the libFuzzer targets of fuzz/ one after the other, SECONDS each (default 60), at low
# priority: scripts/fuzz.sh [SECONDS] [TARGET...]. A target that crashes, hangs (10 s on one input)
# or runs out of memory stops; its input is copied into fuzz/regressions/<target>/, which the
# ordinary build replays under CTest from then on: fix the fault, then commit the input with it.
# The growing corpus stays in build-fuzz/corpus/ between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(notice_reader field_checks map_file locate_line)

bash scripts/install-deps.sh
# The targets that validate or look up use the real map of the ordinary build.
npm ci --prefix data --no-audit --no-fund --loglevel=error
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target ondrell_map
export ONDRELL_MAP_FILE="$PWD/build/bin/ondrell.map"
cmake --preset fuzz >/dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

# The golden notices, each inside a file's header lines and tail, so the reader starts past them.
seeds=build-fuzz/seeds/notice_reader
mkdir -p "$seeds"
head=$(sed -n '1,/<\/HEAD>/p' tests/notice/data/whole_file.txt)
for f in tests/notice/data/*.txt; do
  { printf '%s\n' "$head"; cat "$f"; printf '<TAIL>\r\nt_num_notices = 1\r\n</TAIL>\r\n\r\n'; } \
    >"$seeds/$(basename "$f")"
done

status=0
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  findings=build-fuzz/findings/$t
  mkdir -p "$corpus" "$findings" "fuzz/regressions/$t"
  inputs=("$corpus" "fuzz/regressions/$t")
  [ -d "fuzz/seeds/$t" ] && inputs+=("fuzz/seeds/$t")
  [ "$t" = notice_reader ] && inputs+=(tests/notice/data "$seeds")
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=3072 -print_final_stats=1
           -artifact_prefix="$findings/")
  [ -f "fuzz/$t.dict" ] && options+=(-dict="fuzz/$t.dict")
  echo "== $t: $seconds s"
  set +e
  nice -n 10 "build-fuzz/bin/fuzz_$t" "${options[@]}" "${inputs[@]}" >"build-fuzz/$t.log" 2>&1
  code=$?
  set -e
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|DONE' "build-fuzz/$t.log" || true
  for found in "$findings"/*; do
    case $found in *.kept | *"/*") continue ;; esac
    cp "$found" "fuzz/regressions/$t/"
    mv "$found" "$found.kept"
    echo "!! $t: $(basename "$found") kept in fuzz/regressions/$t/ (log: build-fuzz/$t.log)"
    status=1
  done
  [ $code -eq 0 ] || status=1
done
exit $status
