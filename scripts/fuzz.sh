#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for a
# while (60 seconds unless given). A crash leaves its input in fuzz/crashes/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q 'ok installed'; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq clang libclang-rt-14-dev
fi
seconds="${1:-60}"
targets=(FuzzValidateXid FuzzHeaderBlock FuzzTextConversion)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORLANE_FUZZ=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" $(printf -- '--target %s ' "${targets[@]}")
mkdir -p fuzz/crashes
failed=()
for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  log="build-fuzz/$target.log"
  mkdir -p "$corpus"
  echo "== $target: ${seconds}s"
  if ! build-fuzz/fuzz/"$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix=fuzz/crashes/"$target"- "$corpus" fuzz/seeds >"$log" 2>&1; then
    failed+=("$target")
  fi
  grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Test unit written' "$log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Crashed: ${failed[*]} (inputs in fuzz/crashes/)" >&2
  exit 1
fi
echo "No crash."
