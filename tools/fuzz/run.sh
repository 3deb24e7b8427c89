#!/bin/bash
# Runs each loader's fuzz target in turn for SECONDS, from its corpus and
# seeds, and prints what each did: executions, rate, time and the corpus
# size. The whole output of a target is kept in FUZZ_BUILD/LOADER.log; the
# first crash stops the run, shows its report and leaves its input in
# FUZZ_BUILD/LOADER-crash-*.
#
#   tools/fuzz/run.sh FUZZ_BUILD SECONDS LOADER...
set -u
build=$1 seconds=$2
shift 2
total=0
for loader in "$@"; do
  log=$build/$loader.log
  mkdir -p "$build/corpus/$loader"
  start=$(date +%s%N)
  "./$build/vizid-fuzz-$loader" -print_final_stats=1 -artifact_prefix="$build/$loader-" \
    -max_total_time="$seconds" "$build/corpus/$loader" "$build/seeds/$loader" >"$log" 2>&1
  status=$?
  took=$((($(date +%s%N) - start) / 100000000))  # tenths of a second
  took=$((took / 10)).$((took % 10))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  inputs=$(ls "$build/corpus/$loader" | wc -l)
  if [ "$status" -ne 0 ]; then
    echo "$loader: the fuzzer stopped (status $status) after $took s; its report:"
    grep -v -E '^#[0-9]+' "$log" | tail -n 60
    exit 1
  fi
  printf '%-8s %10s executions in %5s s (%s a second), %s inputs kept in its corpus, no crash\n' \
    "$loader" "${runs:-?}" "$took" "${rate:-?}" "$inputs"
  total=$((total + ${runs:-0}))
done
echo "all loaders: $total executions"
