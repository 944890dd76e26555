#!/usr/bin/env bash
# Ours against QQWing (a human-style solver with guessing, Debian package qqwing) on the
# same files in one run, one core, interleaved round by round:
#   royle17 (all) and easy50 x 200, ours with --trial; puzzles per second from the CPU
#   time (user + system) of the best of ROUNDS rounds (default 3), and the ratio;
#   beside it the instructions per puzzle under callgrind on the first 2,000 of royle17;
#   then royle17 with --verslag (the report and the exact count) against the plain batch.
# usage: bench/vergelijk.sh CLI PUZZLE_FOLDER (the collections as a build unpacks them, e.g.
# build-bench/collecties)
set -euo pipefail
cli=$1
map=$2
rondes=${ROUNDS:-3}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cut -c1-81 "$map/royle17.txt" > "$tmp/royle17"
for _ in $(seq 200); do cut -c1-81 "$map/easy50.txt"; done > "$tmp/easy50x200"
head -n 2000 "$tmp/royle17" > "$tmp/royle17_2000"

een=()
command -v taskset > /dev/null && een=(taskset -c 0)

# CPU seconds (user + system) of one run of the command, input from file $1.
cpu() {
  local invoer=$1; shift
  local TIMEFORMAT='%3U %3S' t
  t=$( { time "${een[@]}" "$@" < "$invoer" > /dev/null 2>&1; } 2>&1 )
  awk '{ printf "%.3f", $1 + $2 }' <<< "$t"
}
# Instructions per puzzle under callgrind.
instructies() {
  local invoer=$1 n; shift
  n=$(wc -l < "$invoer")
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" < "$invoer" 2>&1 > /dev/null |
    awk -v n="$n" '/Collected :/ { printf "%.0f", $NF / n }'
}

printf '%-12s %8s %12s %12s %7s %14s %14s\n' set puzzles "ours/s" "qqwing/s" ratio "ours instr/p" "qqwing instr/p"
for set in royle17 easy50x200; do
  f=$tmp/$set
  n=$(wc -l < "$f")
  best_o=999999 best_q=999999
  for _ in $(seq "$rondes"); do
    o=$(cpu "$f" "$cli" --jobs 1 --trial --batch -)
    q=$(cpu "$f" qqwing --solve --one-line)
    best_o=$(awk -v a="$best_o" -v b="$o" 'BEGIN { print (b < a ? b : a) }')
    best_q=$(awk -v a="$best_q" -v b="$q" 'BEGIN { print (b < a ? b : a) }')
  done
  io=- iq=-
  if [ "$set" = royle17 ] && command -v valgrind > /dev/null; then
    io=$(instructies "$tmp/royle17_2000" "$cli" --jobs 1 --trial --batch -)
    iq=$(instructies "$tmp/royle17_2000" qqwing --solve --one-line)
  fi
  awk -v s="$set" -v n="$n" -v o="$best_o" -v q="$best_q" -v io="$io" -v iq="$iq" 'BEGIN {
    po = n / (o > 0 ? o : 0.001); pq = n / (q > 0 ? q : 0.001)
    printf "%-12s %8d %12.0f %12.0f %7.2f %14s %14s\n", s, n, po, pq, po / pq, io, iq }'
done
# The report costs little: royle17 with --verslag against the plain batch, same run.
f=$tmp/royle17
best_p=999999 best_v=999999
for _ in $(seq "$rondes"); do
  p=$(cpu "$f" "$cli" --jobs 1 --trial --batch -)
  v=$(cpu "$f" "$cli" --jobs 1 --trial --verslag --batch -)
  best_p=$(awk -v a="$best_p" -v b="$p" 'BEGIN { print (b < a ? b : a) }')
  best_v=$(awk -v a="$best_v" -v b="$v" 'BEGIN { print (b < a ? b : a) }')
done
awk -v n="$(wc -l < "$f")" -v p="$best_p" -v v="$best_v" 'BEGIN {
  pp = n / (p > 0 ? p : 0.001); pv = n / (v > 0 ? v : 0.001)
  printf "%-12s %8d %12.0f %12s %7s   --verslag: %.0f/s, %.2f of the plain batch\n", "royle17", n, pp, "-", "-", pv, pv / pp }'
echo "(CPU time, best of $rondes interleaved rounds on one core; instructions on the first 2000 of royle17)"
