#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS each (default 60) on a clang build of
# its own (build-fuzz: AddressSanitizer and UndefinedBehaviorSanitizer), from
# the seed corpus in tests/fuzz/corpus. New inputs gather in
# build-fuzz/corpus; a crash stops the run, its input kept in
# build-fuzz/crashes for a row of the matching test table.
#   tests/fuzz/run.sh 600            every target ten minutes
#   tests/fuzz/run.sh 60 ini hijri   only these
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(sql_dialect ini bind_variables amount_words odt_filler hijri qr_payload)
build="$root/build-fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DIJAR_FUZZ=ON -DIJAR_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}")
mkdir -p "$build/crashes"
export QT_QPA_PLATFORM=offscreen
# The widgets target keeps one application, and its fonts, for the whole run.
export LSAN_OPTIONS="suppressions=$here/lsan.supp"
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target"
  echo "fuzz: $target for ${seconds}s"
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" "$build/corpus/$target" "$here/corpus/$target"
done
echo "fuzz: no target crashed in ${seconds}s each"
