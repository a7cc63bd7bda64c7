#!/usr/bin/env bash
# Runs every fuzz target for SECONDS seconds (default 30), one after another on
# one core, each from a scratch copy of its seed corpus so that the repository
# never grows. Findings are kept in build/fuzz/findings/; exits 1 if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-30}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]]; then
  echo "usage: scripts/fuzz.sh [SECONDS]" >&2
  exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# The conversion target lays and reads files on every run: on tmpfs it runs
# several times faster. Each target removes its own scratch folder on exit.
if [[ -z "${TMPDIR:-}" && -d /dev/shm && -w /dev/shm ]]; then
  export TMPDIR=/dev/shm
fi

findings="$PWD/build/fuzz/findings"
mkdir -p "$findings"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The targets' own scratch folders go inside ours, so that even a run that
# crashes leaves nothing behind.
mkdir -p "$scratch/tmp"

failed=()
for source in fuzz/fuzz_*.cpp; do
  target="$(basename "$source" .cpp)"
  mkdir -p "$scratch/$target"
  cp -R "fuzz/corpus/$target/." "$scratch/$target/"
  echo "== $target: $seconds s"
  # -timeout: a single input taking this long is a hang; -max_len keeps cases
  # small enough to read when one is found.
  if ! TMPDIR="$scratch/tmp" "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
       -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
       "$scratch/$target" 2>"$scratch/$target.log"; then
    failed+=("$target")
    tail -n 60 "$scratch/$target.log" >&2
  fi
  grep -E '^stat::number_of_executed_units|^Done ' "$scratch/$target.log" || true
done

if ((${#failed[@]})); then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $findings)" >&2
  exit 1
fi
