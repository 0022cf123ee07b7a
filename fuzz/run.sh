#!/usr/bin/env bash
# Builds one fuzz target with clang and libFuzzer and runs it for a given time.
#   fuzz/run.sh TARGET SECONDS [extra libFuzzer flags]
# TARGET is numbers, influence_file, project_file or evaluation. The seed corpus
# fuzz/corpus/TARGET is only read; what the run learns goes to
# build-fuzz/corpus/TARGET, and a finding is written to build-fuzz/findings/.
# One process, one thread (libFuzzer's default): the machine is shared.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
  echo "usage: $0 numbers|influence_file|project_file|evaluation SECONDS [libFuzzer flags]" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
if [ ! -f "fuzz/${target}_fuzz.cpp" ]; then
  echo "unknown fuzz target: $target" >&2
  exit 2
fi

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKVOR_BUILD_FUZZ=ON -DKVOR_WERROR=OFF \
  -DKVOR_BUILD_UI=OFF -DKVOR_BUILD_TESTS=OFF -DKVOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "kvor_fuzz_${target}"

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
# The first directory collects new inputs; the seeds are read from the second.
exec "$build/fuzz/kvor_fuzz_${target}" "$corpus" "fuzz/corpus/$target" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$@"
