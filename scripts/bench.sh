#!/usr/bin/env bash
# Times rowcard against the I/O floors on generated tables of 100, 500, 5,000
# and 200,000 rows (or the row counts given), and prints, for each, the median
# of the paired ratios: each round runs rowcard and the floors side by side,
# one after another, so that a busy machine slows all alike. rowcard is held
# to the classic floor (one plain call per step) and, where liburing is found,
# to the batched floor. Also: where rowcard itself batches its reads
# (-DROWCARD_IO_URING=ON), the same tool forced to plain reads against the
# classic floor; rowcard's peak memory at each size; and rowcard-check against
# rowcard on the largest table.
# Usage: scripts/bench.sh [ROWS...]
#   RUNS=N        rounds at each size (default: 41 up to 1,000 rows, 21 up to 10,000, else 7)
#   ROWCARD=path  time another rowcard binary, an older build say, against the same floors
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=("$@")
((${#sizes[@]} > 0)) || sizes=(100 500 5000 200000)
for rows in "${sizes[@]}"; do
  if ! [[ $rows =~ ^[0-9]+$ ]] || ((rows < 10)); then
    echo "usage: scripts/bench.sh [ROWS...]  (each a whole number, at least 10)" >&2
    exit 2
  fi
done

build=build/default
cmake --preset default >/dev/null
cmake --build --preset default --target rowcard rowcard-check rowcard_bench_generate rowcard_io_floor \
  rowcard_bench_time >/dev/null
rowcard=$(realpath "${ROWCARD:-$build/rowcard}")
floor=$PWD/$build/bench/rowcard_io_floor
timer=$PWD/$build/bench/rowcard_bench_time
check=$PWD/$build/rowcard-check
data=$PWD/$build/bench-data
# The batched floor runs where liburing was found and the kernel takes its
# rings; the plain-read copy of rowcard exists where rowcard batches its reads.
batched=""
if "$floor" batched /dev/null /dev/null /dev/null 2>/dev/null; then
  batched=yes
fi
plain=""
if cmake --build --preset default --target rowcard_plain >/dev/null 2>&1; then
  plain=$PWD/$build/tests/rowcard_plain
fi

# Prints the median of the numbers on standard input, one a line.
median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Prints the median of column $2 (3 wall, 4 processor, 5 peak) of label $1's runs in $log.
column_median() {
  awk -F'\t' -v l="$1" -v c="$2" '$1 == l { print $c }' "$log" | median
}

# Prints the median over the rounds in $log of label $1's wall time over label $2's.
paired_ratio() {
  awk -F'\t' -v a="$1" -v b="$2" '$1 == a { x[$2] = $3 } $1 == b { y[$2] = $3 }
    END { for (r in x) if (y[r] > 0) print x[r] / y[r] }' "$log" | median
}

# Prints "ratio (ok)" or "ratio (OVER target)" for the ratio $1 and the target $2.
judged() {
  awk -v r="$1" -v t="$2" 'BEGIN { printf "%.2f %s", r, (r <= t ? "ok  " : "OVER") }'
}

log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%s, %s cores; medians of paired runs\n' "$(basename "$rowcard")" "$(nproc)"
printf '%9s %5s %10s %10s %10s %16s %16s %10s\n' rows rounds "rowcard ms" "classic ms" "batched ms" \
  "rowcard/classic" "rowcard/batched" "peak KiB"
for rows in "${sizes[@]}"; do
  [[ -f $data/$rows/contacts.csv ]] || "$PWD/$build/bench/rowcard_bench_generate" "$rows" "$data/$rows"
  runs=${RUNS:-$((rows <= 1000 ? 41 : rows <= 10000 ? 21 : 7))}
  programs=(-- rowcard "$rowcard" -- classic "$floor" classic contacts.csv master.vcf floor.vcf ";" 2)
  [[ -n $batched ]] && programs+=(-- batched "$floor" batched contacts.csv master.vcf floor.vcf ";" 2)
  [[ -n $plain ]] && programs+=(-- plain "$plain")
  (cd "$data/$rows" && "$timer" "$runs" -r contacts.vcf -r floor.vcf "${programs[@]}") >"$log"
  # At 5,000 rows and more rowcard must match both floors; below, where its
  # start-up weighs most, it may take 1.3 times the classic floor.
  target=1.0
  ((rows < 5000)) && target=1.3
  batched_ms=- versus_batched=-
  if [[ -n $batched ]]; then
    batched_ms=$(awk -v u="$(column_median batched 3)" 'BEGIN { printf "%.2f", u / 1000 }')
    versus_batched=$(judged "$(paired_ratio rowcard batched)" 1.0)
    ((rows < 5000)) && versus_batched=$(awk -v r="$(paired_ratio rowcard batched)" 'BEGIN { printf "%.2f", r }')
  fi
  printf '%9s %5s %10.2f %10.2f %10s %16s %16s %10s\n' "$rows" "$runs" \
    "$(awk -v u="$(column_median rowcard 3)" 'BEGIN { print u / 1000 }')" \
    "$(awk -v u="$(column_median classic 3)" 'BEGIN { print u / 1000 }')" "$batched_ms" \
    "$(judged "$(paired_ratio rowcard classic)" "$target")" "$versus_batched" "$(column_median rowcard 5)"
  plain_note=""
  [[ -n $plain ]] && plain_note=$(printf 'plain reads/classic %.2f; ' "$(paired_ratio plain classic)")
  printf '%9s %5s %10s  %sprocessor time rowcard/classic %.2f\n' "" "" "" "$plain_note" \
    "$(awk -v a="$(column_median rowcard 4)" -v b="$(column_median classic 4)" 'BEGIN { print (b > 0 ? a / b : 0) }')"

done
echo "targets: rowcard/classic at most 1.3 below 5,000 rows; both ratios at most 1.0 from 5,000 rows;"
echo "         peak memory flat across sizes and under 8192 KiB"

largest=${sizes[-1]}
cd "$data/$largest"
if [[ -n $plain ]]; then
  rm -f contacts.vcf && "$rowcard" && mv contacts.vcf batched.vcf && "$plain"
  if cmp -s contacts.vcf batched.vcf; then
    echo "output:          the same bytes with batched and with plain reads at $largest rows"
  else
    echo "output:          DIFFERS between batched and plain reads at $largest rows" >&2
    exit 1
  fi
  rm -f batched.vcf
fi
# rowcard-check reads the same folder and writes nothing; its exit status 1
# (problems found) is no failure here.
"$timer" "${RUNS:-7}" -r contacts.vcf -- rowcard "$rowcard" -- check "$check" >"$log"
awk -v c="$(column_median check 3)" -v r="$(column_median rowcard 3)" 'BEGIN {
  printf "rowcard-check:   %.1f ms median at the largest size; %.2f times rowcard (target at most 3)\n", c / 1000, c / r
}'
rm -f contacts.vcf floor.vcf
