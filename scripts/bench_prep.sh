#!/usr/bin/env bash
# Times rowcard-prep against rowcard on the same ROWS rows (default 200000):
# rowcard on the generated table, rowcard-prep on the same rows written as a
# typical export (UTF-8 with a signature, every field quoted, commas between),
# into a folder with the same rowcard.ini, so that both write one table's worth.
# Prints the median wall and processor time of each and their ratio.
# Usage: scripts/bench_prep.sh [ROWS]   (RUNS=N runs of each, default 5)
set -euo pipefail
cd "$(dirname "$0")/.."

rows=${1:-200000}
runs=${RUNS:-5}
if ! [[ $rows =~ ^[0-9]+$ ]] || ((rows < 10)); then
  echo "usage: scripts/bench_prep.sh [ROWS]  (ROWS a whole number, at least 10)" >&2
  exit 2
fi
if [[ ! -x /usr/bin/time ]]; then
  echo "bench_prep.sh: /usr/bin/time is missing; install the package 'time'" >&2
  exit 2
fi

build=build/default
cmake --preset default >/dev/null
cmake --build --preset default --target rowcard rowcard-prep rowcard_bench_generate >/dev/null
data=$PWD/$build/bench-prep/$rows
if [[ ! -f $data/table/contacts.csv ]]; then
  "$PWD/$build/bench/rowcard_bench_generate" "$rows" "$data/table" >/dev/null
  mkdir -p "$data/prep"
  cp "$data/table/rowcard.ini" "$data/table/master.vcf" "$data/prep/"
  # The same rows as an export: decoded, every field quoted, commas between.
  iconv -f cp1250 -t utf-8 "$data/table/contacts.csv" |
    awk 'BEGIN { FS = ";"; printf "\xef\xbb\xbf" }
         { line = ""; for (i = 1; i <= NF; i++) { gsub(/"/, "\"\"", $i); line = line (i > 1 ? "," : "") "\"" $i "\"" }
           print line }' >"$data/export.csv"
fi

cpu_log=$(mktemp)
trap 'rm -f "$cpu_log"' EXIT
# Prints the median processor time (user plus system) of `runs` runs of "$@".
cpu_median() {
  : >"$cpu_log"
  for ((k = 0; k < runs; k++)); do /usr/bin/time -f '%U %S' -a -o "$cpu_log" "$@" >/dev/null; done
  awk '{ print $1 + $2 }' "$cpu_log" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bin=$PWD/$build
rowcard_cpu=$(cd "$data/table" && cpu_median "$bin/rowcard")
prep_cpu=$(cd "$data/prep" && cpu_median "$bin/rowcard-prep" --force "$data/export.csv" .)
echo "rows: $rows"
echo "rowcard:      $rowcard_cpu s processor time (median of $runs)"
echo "rowcard-prep: $prep_cpu s processor time (median of $runs)"
awk -v p="$prep_cpu" -v r="$rowcard_cpu" 'BEGIN { printf "ratio: %.2f (at most 2 wanted)\n", (r > 0 ? p / r : 0) }'
