#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs one campaign.
#   scripts/fuzz.sh TARGET [RUNS] [extra libFuzzer options...]
# TARGET is stream_reader_fuzz, text_form_fuzz or property_value_fuzz; RUNS defaults to
# 10,000,000 executions. The campaign grows a working corpus in build-fuzz/corpus/TARGET
# (seeded from fuzz/corpus/) and writes what it finds to build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

target="${1:?usage: scripts/fuzz.sh TARGET [RUNS] [options...]}"
runs="${2:-10000000}"
shift $(( $# >= 2 ? 2 : 1 ))
case "$target" in
  stream_reader_fuzz) seeds=stream; extra=() ;;
  text_form_fuzz) seeds=text; extra=(-dict=fuzz/text.dict) ;;
  property_value_fuzz) seeds=property; extra=() ;;
  *) echo "fuzz: unknown target $target" >&2; exit 2 ;;
esac

scripts/setup.sh --fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DZK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target "$target"

corpus="build-fuzz/corpus/$target"
mkdir -p "$corpus" build-fuzz/artifacts
cp -n fuzz/corpus/"$seeds"/* "$corpus"/
export QT_QPA_PLATFORM=offscreen
# The offscreen platform warns of every window raised.
export QT_LOGGING_RULES="default.warning=false"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
# Undefined behaviour stops the run like a crash, so that its input is kept.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
exec "build-fuzz/fuzz/$target" -runs="$runs" -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/ "${extra[@]}" "$@" "$corpus"
