#!/usr/bin/env bash
# Times rowcard against the I/O floors on a generated table of ROWS rows
# (default 200000) and reports rowcard's peak memory at ROWS and at ROWS/10.
# Where rowcard batches its template reads (io_uring), it is timed against the
# batched floor, and the same tool forced to plain reads against the classic
# floor; elsewhere rowcard itself runs plain against the classic floor.
# rowcard-check is timed against rowcard on the same folder.
# Usage: scripts/bench.sh [ROWS]
#   RUNS=N        runs of each program (default 7)
#   ROWCARD=path  time another rowcard binary, an older build say, against the same floors
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
# The plain-read build exists only where batching is built in.
plain=""
if cmake --build --preset default --target rowcard_plain >/dev/null 2>&1; then
  plain=$PWD/$build/tests/rowcard_plain
fi

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

# The programs timed, each "label|command", and the floor each one is held to.
if [[ -n $plain ]]; then
  programs=("rowcard|$rowcard" "batched floor|$floor batched contacts.csv master.vcf floor.vcf ; 2"
            "rowcard, plain reads|$plain" "classic floor|$floor classic contacts.csv master.vcf floor.vcf ; 2")
  pairs=("rowcard|batched floor" "rowcard, plain reads|classic floor")
else
  programs=("rowcard|$rowcard" "classic floor|$floor classic contacts.csv master.vcf floor.vcf ; 2")
  pairs=("rowcard|classic floor")
fi

# Runs every program in turn, round after round, so that a busy machine slows
# all alike; each starts with no output file, as a first conversion does.
declare -A times cpu_logs
for entry in "${programs[@]}"; do
  cpu_logs[${entry%%|*}]=$(mktemp)
done
trap 'rm -f "${cpu_logs[@]}"' EXIT
for ((i = 0; i < runs; i++)); do
  for entry in "${programs[@]}"; do
    label=${entry%%|*}
    read -r -a command <<<"${entry#*|}"
    rm -f contacts.vcf floor.vcf
    times[$label]+="$(cpu_log=${cpu_logs[$label]} seconds "${command[@]}") "
  done
done

echo "rows:            $rows ($runs runs each, $(nproc) cores)"
declare -A medians
for entry in "${programs[@]}"; do
  label=${entry%%|*}
  medians[$label]=$(printf '%s\n' ${times[$label]} | median)
  printf '%-22s median %s s, processor %.3f s   (runs: %s)\n' "$label:" "${medians[$label]}" \
    "$(cpu_median "${cpu_logs[$label]}")" "${times[$label]% }"
done
for pair in "${pairs[@]}"; do
  tool=${pair%%|*}
  base=${pair#*|}
  target=1.3
  [[ $base == "classic floor" ]] && target=1.1
  # The target is on wall time; processor time also counts rowcard's reading thread.
  awk -v r="${medians[$tool]}" -v f="${medians[$base]}" -v n="$rows" -v t="$tool" -v b="$base" -v g="$target" \
      -v rc="$(cpu_median "${cpu_logs[$tool]}")" -v fc="$(cpu_median "${cpu_logs[$base]}")" 'BEGIN {
    printf "ratio:           %s to %s %.2f (target at most %s), %.3f us per row more; processor time %.2f\n",
           t, b, r / f, g, (r - f) / n * 1e6, (fc > 0 ? rc / fc : 0)
  }'
done
if [[ -n $plain ]]; then
  rm -f contacts.vcf && "$rowcard" && mv contacts.vcf batched.vcf && "$plain"
  if cmp -s contacts.vcf batched.vcf; then
    echo "output:          the same bytes with batched and with plain reads"
  else
    echo "output:          DIFFERS between batched and plain reads" >&2
    exit 1
  fi
  rm -f batched.vcf
fi
# rowcard-check reads the same folder and writes nothing; its exit status (1
# when it finds problems) is no failure here.
check_times=()
check_cpu=$(mktemp)
trap 'rm -f "${cpu_logs[@]}" "$check_cpu"' EXIT
for ((i = 0; i < runs; i++)); do
  check_times+=("$(cpu_log=$check_cpu seconds "$check" || true)")
done
check_median=$(printf '%s\n' "${check_times[@]}" | median)
awk -v c="$check_median" -v r="${medians[rowcard]}" 'BEGIN {
  printf "rowcard-check:   %.4f s median; %.2f times rowcard (target at most 3)\n", c, c / r
}'
big=$(peak_kib "$data/$rows")
small=$(peak_kib "$data/$((rows / 10))")
awk -v b="$big" -v s="$small" -v n="$rows" -v m="$((rows / 10))" 'BEGIN {
  printf "peak memory:     %d KiB at %d rows, %d KiB at %d rows (%+.1f%%; target within 10%%, under 8192 KiB)\n",
         b, n, s, m, (b - s) / s * 100
}'
rm -f contacts.vcf floor.vcf
