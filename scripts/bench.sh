#!/usr/bin/env bash
# Times rowcard against the I/O floor on a generated table of ROWS rows (default
# 200000), times rowcard-check against rowcard on it, and reports rowcard's peak
# memory at ROWS and at ROWS/10.
# Usage: scripts/bench.sh [ROWS]
#   RUNS=N        runs of each program (default 7)
#   ROWCARD=path  time another rowcard binary, an older build say, against the same floor
set -euo pipefail
cd "$(dirname "$0")/.."

rows=${1:-200000}
runs=${RUNS:-7}
if ! [[ $rows =~ ^[0-9]+$ ]] || ((rows < 10)); then
  echo "usage: scripts/bench.sh [ROWS]  (ROWS a whole number, at least 10)" >&2
  exit 2
fi
if [[ ! -x /usr/bin/time ]]; then
  echo "bench.sh: /usr/bin/time is missing; install the package 'time' (apt-get install time)" >&2
  exit 2
fi

build=build/default
cmake --preset default >/dev/null
cmake --build --preset default --target rowcard rowcard-check rowcard_bench_generate rowcard_io_floor >/dev/null
rowcard=$(realpath "${ROWCARD:-$build/rowcard}")
floor=$PWD/$build/bench/rowcard_io_floor
check=$PWD/$build/rowcard-check
data=$PWD/$build/bench-data

# Writes the table of $1 rows into $data/$1 unless it is there already.
generate() {
  [[ -f $data/$1/contacts.csv ]] || "$PWD/$build/bench/rowcard_bench_generate" "$1" "$data/$1"
}

# Prints the wall time in seconds of running "$@" in the current folder, and
# appends its processor time (user plus system, from /usr/bin/time) to $cpu_log:
# on a busy machine the processor time varies less than the wall time.
seconds() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%U %S' -a -o "$cpu_log" "$@" >/dev/null
  end=$(date +%s%N)
  echo "$(((end - start) / 1000))" | awk '{ printf "%.4f\n", $1 / 1e6 }'
}

# Prints the median processor time recorded in the file $1.
cpu_median() {
  awk '{ print $1 + $2 }' "$1" | median
}

# Prints the median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Prints rowcard's peak resident memory in KiB, run in folder $1.
peak_kib() {
  (cd "$1" && rm -f contacts.vcf && /usr/bin/time -v "$rowcard" 2>&1 >/dev/null) |
    awk -F': ' '/Maximum resident set size/ { print $2 }'
}

generate "$rows"
generate "$((rows / 10))"
cd "$data/$rows"

# Runs the two in turn, so that a busy machine slows both alike; each starts
# with no output file, as a first conversion does.
rowcard_times=()
floor_times=()
rowcard_cpu=$(mktemp)
floor_cpu=$(mktemp)
trap 'rm -f "$rowcard_cpu" "$floor_cpu"' EXIT
for ((i = 0; i < runs; i++)); do
  rm -f contacts.vcf floor.vcf
  rowcard_times+=("$(cpu_log=$rowcard_cpu seconds "$rowcard")")
  rm -f contacts.vcf floor.vcf
  floor_times+=("$(cpu_log=$floor_cpu seconds "$floor" contacts.csv master.vcf floor.vcf)")
done
rowcard_median=$(printf '%s\n' "${rowcard_times[@]}" | median)
floor_median=$(printf '%s\n' "${floor_times[@]}" | median)

echo "rows:            $rows ($runs runs each, $(nproc) cores)"
echo "rowcard median:  $rowcard_median s   (runs: ${rowcard_times[*]})"
echo "floor median:    $floor_median s   (runs: ${floor_times[*]})"
awk -v r="$rowcard_median" -v f="$floor_median" -v n="$rows" 'BEGIN {
  printf "ratio:           %.2f (target at most 1.3)\n", r / f
  printf "difference:      %.3f us per row\n", (r - f) / n * 1e6
}'
awk -v r="$(cpu_median "$rowcard_cpu")" -v f="$(cpu_median "$floor_cpu")" 'BEGIN {
  printf "processor time:  rowcard %.2f s, floor %.2f s (median user + system", r, f
  if (f > 0) printf "; ratio %.2f", r / f
  print ")"
}'
# rowcard-check reads the same folder and writes nothing; its exit status (1
# when it finds problems) is no failure here.
check_times=()
check_cpu=$(mktemp)
trap 'rm -f "$rowcard_cpu" "$floor_cpu" "$check_cpu"' EXIT
for ((i = 0; i < runs; i++)); do
  check_times+=("$(cpu_log=$check_cpu seconds "$check" || true)")
done
check_median=$(printf '%s\n' "${check_times[@]}" | median)
awk -v c="$check_median" -v r="$rowcard_median" 'BEGIN {
  printf "rowcard-check:   %.4f s median; %.2f times rowcard (target at most 3)\n", c, c / r
}'

big=$(peak_kib "$data/$rows")
small=$(peak_kib "$data/$((rows / 10))")
awk -v b="$big" -v s="$small" -v n="$rows" -v m="$((rows / 10))" 'BEGIN {
  printf "peak memory:     %d KiB at %d rows, %d KiB at %d rows (%+.1f%%; target within 10%%, under 8192 KiB)\n",
         b, n, s, m, (b - s) / s * 100
}'
rm -f contacts.vcf floor.vcf
