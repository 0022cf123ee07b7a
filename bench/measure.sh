#!/usr/bin/env bash
# bench/measure.sh RUNS PROGRAM ARGS...: runs PROGRAM RUNS times under
# /usr/bin/time -v (output to /dev/null) and prints the medians of wall, user
# and system time (s) and of the peak resident memory (MB).
set -euo pipefail
runs=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for ((i = 0; i < runs; ++i)); do
  /usr/bin/time -v "$@" >/dev/null 2>>"$log"
done
python3 - "$log" <<'PY'
import re, statistics, sys
text = open(sys.argv[1]).read()
def med(pattern, conv):
    return statistics.median(conv(m) for m in re.findall(pattern, text))
def wall(s):
    parts = [float(p) for p in s.split(':')]
    return sum(p * 60 ** i for i, p in enumerate(reversed(parts)))
print("wall %.3f s  user %.3f s  sys %.3f s  peak %.1f MB" % (
    med(r"Elapsed \(wall clock\) time.*: (\S+)", wall),
    med(r"User time \(seconds\): (\S+)", float),
    med(r"System time \(seconds\): (\S+)", float),
    med(r"Maximum resident set size \(kbytes\): (\d+)", int) / 1024))
PY
