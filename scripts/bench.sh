#!/usr/bin/env bash
# Times rowcard against the I/O floors on generated tables of 100, 500, 5,000
# and 200,000 rows (or the row counts given), and prints, for each, the median
# of the paired ratios: each round runs rowcard and the floors side by side,
# one after another, so that a busy machine slows all alike. The classic floor
# makes one plain call per step; the batched floor, where liburing is found,
# chains each row's open, read and close in io_uring. At each size the cheaper
# floor is named and rowcard held to it, and to the classic floor; rowcard's
# peak memory is given too. The kind of host shows in the floors themselves:
# where the batched floor beats the classic one from 5,000 rows, a system call
# is dear there (a virtual machine that isolates page tables, a tracer), and
# rowcard should read through the ring; where the classic floor wins, plain calls.
# Also: rowcard forced to each way of reading, against the cheaper floor, and
# rowcard-check against rowcard on the largest table.
# Usage: scripts/bench.sh [ROWS...]
#   RUNS=N        rounds at each size (default: 41 up to 1,000 rows, 21 up to 10,000, else 7)
#   ROWCARD=path  time another rowcard binary, an older build say, against the same floors
#   TRACED=1      run every program under strace, which filters openat, read and
#                 close through seccomp: each such call then costs tens of
#                 microseconds, as on the dearest hosts (peak memory is then strace's or the program's)
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
# The copies of rowcard forced to each way exist where rowcard may use a ring.
plain="" ring=""
if cmake --build --preset default --target rowcard_plain rowcard_ring >/dev/null 2>&1; then
  plain=$PWD/$build/tests/rowcard_plain
  ring=$PWD/$build/tests/rowcard_ring
fi
# Every program runs under this, empty unless TRACED is set.
wrap=()
if [[ -n ${TRACED:-} ]]; then
  wrap=(strace -f --seccomp-bpf -e trace=openat,read,close -o /dev/null)
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
printf '%s, %s cores%s; medians of paired runs\n' "$(basename "$rowcard")" "$(nproc)" \
  "${TRACED:+, every program under strace}"
printf '%9s %5s %10s %10s %10s %8s %16s %16s %9s\n' rows rounds "rowcard ms" "classic ms" "batched ms" \
  cheaper "rowcard/classic" "rowcard/batched" "peak KiB"
for rows in "${sizes[@]}"; do
  [[ -f $data/$rows/contacts.csv ]] || "$PWD/$build/bench/rowcard_bench_generate" "$rows" "$data/$rows"
  runs=${RUNS:-$((rows <= 1000 ? 41 : rows <= 10000 ? 21 : 7))}
  programs=(-- rowcard "${wrap[@]}" "$rowcard"
            -- classic "${wrap[@]}" "$floor" classic contacts.csv master.vcf floor.vcf ";" 2)
  [[ -n $batched ]] && programs+=(-- batched "${wrap[@]}" "$floor" batched contacts.csv master.vcf floor.vcf ";" 2)
  [[ -n $plain ]] && programs+=(-- plain "${wrap[@]}" "$plain" -- ring "${wrap[@]}" "$ring")
  (cd "$data/$rows" && "$timer" "$runs" -r contacts.vcf -r floor.vcf "${programs[@]}") >"$log"
  # The cheaper floor is the one with the lower median time at this size.
  cheaper=classic
  if [[ -n $batched ]] && awk -v b="$(column_median batched 3)" -v c="$(column_median classic 3)" \
      'BEGIN { exit !(b < c) }'; then
    cheaper=batched
  fi
  # Below 5,000 rows, where its start-up weighs most, rowcard may take 1.3
  # times the classic floor; from 5,000 rows it must match the cheaper floor.
  versus_classic=$(judged "$(paired_ratio rowcard classic)" 1.3)
  ((rows >= 5000)) && versus_classic=$(awk -v r="$(paired_ratio rowcard classic)" 'BEGIN { printf "%.2f", r }')
  ((rows >= 5000)) && [[ $cheaper == classic ]] && versus_classic=$(judged "$(paired_ratio rowcard classic)" 1.0)
  batched_ms=- versus_batched=-
  if [[ -n $batched ]]; then
    batched_ms=$(awk -v u="$(column_median batched 3)" 'BEGIN { printf "%.2f", u / 1000 }')
    versus_batched=$(awk -v r="$(paired_ratio rowcard batched)" 'BEGIN { printf "%.2f", r }')
    ((rows >= 5000)) && [[ $cheaper == batched ]] && versus_batched=$(judged "$(paired_ratio rowcard batched)" 1.0)
  fi
  printf '%9s %5s %10.2f %10.2f %10s %8s %16s %16s %9s\n' "$rows" "$runs" \
    "$(awk -v u="$(column_median rowcard 3)" 'BEGIN { print u / 1000 }')" \
    "$(awk -v u="$(column_median classic 3)" 'BEGIN { print u / 1000 }')" "$batched_ms" "$cheaper" \
    "$versus_classic" "$versus_batched" "$(column_median rowcard 5)"
  forced_note=""
  [[ -n $plain ]] && forced_note=$(printf 'forced to plain reads/cheaper %.2f, to the ring/cheaper %.2f; ' \
    "$(paired_ratio plain "$cheaper")" "$(paired_ratio ring "$cheaper")")
  printf '%9s %5s %10s  %sprocessor time rowcard/%s %.2f\n' "" "" "" "$forced_note" "$cheaper" \
    "$(awk -v a="$(column_median rowcard 4)" -v b="$(column_median "$cheaper" 4)" 'BEGIN { print (b > 0 ? a / b : 0) }')"
done
echo "targets: rowcard/classic at most 1.3 below 5,000 rows; rowcard over the cheaper floor at most 1.0 from 5,000 rows;"
echo "         peak memory flat across sizes and under 8192 KiB"
echo "host:    where 'cheaper' says batched from 5,000 rows, system calls are dear here; where classic, cheap"

largest=${sizes[-1]}
cd "$data/$largest"
if [[ -n $plain ]]; then
  rm -f contacts.vcf && "$rowcard" && mv contacts.vcf measured.vcf
  "$ring" && mv contacts.vcf ring.vcf && "$plain"
  if cmp -s contacts.vcf measured.vcf && cmp -s contacts.vcf ring.vcf; then
    echo "output:          the same bytes with plain reads, through the ring and as rowcard chooses at $largest rows"
  else
    echo "output:          DIFFERS between the ways of reading at $largest rows" >&2
    exit 1
  fi
  rm -f measured.vcf ring.vcf
fi
# rowcard-check reads the same folder and writes nothing; its exit status 1
# (problems found) is no failure here.
"$timer" "${RUNS:-7}" -r contacts.vcf -- rowcard "$rowcard" -- check "$check" >"$log"
awk -v c="$(column_median check 3)" -v r="$(column_median rowcard 3)" 'BEGIN {
  printf "rowcard-check:   %.1f ms median at the largest size; %.2f times rowcard (target at most 3)\n", c / 1000, c / r
}'
rm -f contacts.vcf floor.vcf
