#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# if needed, replays every committed regression input, then fuzzes each target for
# FUZZ_SECONDS (default 60) over its seed corpus and prints the executions per target.
#
#   fuzz/run.sh                    every target
#   fuzz/run.sh engine jpeg        only these
#   FUZZ_SECONDS=600 fuzz/run.sh   longer
#
# The committed corpus is only read: new inputs go to a scratch folder under the build
# folder (kept in FUZZ_WORK_DIR), findings to FUZZ_WORK_DIR/findings/<target>/.
source "$(dirname "$0")/../scripts/common.sh"

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
FUZZ_BUILD_DIR=${FUZZ_BUILD_DIR:-$SPORIX_ROOT/build/fuzz}
FUZZ_WORK_DIR=${FUZZ_WORK_DIR:-$FUZZ_BUILD_DIR/work}
FUZZ_DIR=$SPORIX_ROOT/fuzz

# Target and the longest input it is given: a few lines of settings, whole key files,
# small pictures, a small key with its actions.
declare -A MAX_LEN=(
    [settings]=64
    [interface_texts]=4096
    [genus_list]=2048
    [character_file]=8192
    [record_file]=8192
    [help_file]=8192
    [toxicity_file]=4096
    [jpeg]=4096
    [bitmap]=2048
    [engine]=16384
    [genus_table]=4096
    [delta_dataset]=8192
)
ALL_TARGETS=(settings interface_texts genus_list character_file record_file help_file toxicity_file jpeg bitmap engine
    genus_table delta_dataset)
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || TARGETS=("${ALL_TARGETS[@]}")
for target in "${TARGETS[@]}"; do
    [ -n "${MAX_LEN[$target]:-}" ] || { echo "unknown fuzz target: $target (known: ${ALL_TARGETS[*]})" >&2; exit 2; }
done

ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
if [ ! -f "$FUZZ_BUILD_DIR/CMakeCache.txt" ]; then
    step "Configuring the fuzz build in $FUZZ_BUILD_DIR"
    CC=clang CXX=clang++ cmake -S "$SPORIX_ROOT" -B "$FUZZ_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DSPORIX_FUZZ=ON -DSPORIX_TESTS=OFF -DSPORIX_TOOLS=OFF -DSPORIX_GUI=OFF
fi
step "Building the fuzz targets"
cmake --build "$FUZZ_BUILD_DIR" -j "$JOBS" --target $(printf 'fuzz_%s ' "${TARGETS[@]}")

summary=()
for target in "${TARGETS[@]}"; do
    binary=$FUZZ_BUILD_DIR/fuzz/fuzz_$target
    regressions=$FUZZ_DIR/regressions/$target
    if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
        step "Replaying the regression inputs of $target"
        "$binary" "$regressions"/*
    fi

    step "Fuzzing $target for $FUZZ_SECONDS s"
    scratch=$FUZZ_WORK_DIR/corpus/$target
    findings=$FUZZ_WORK_DIR/findings/$target
    log=$FUZZ_WORK_DIR/logs/$target.log
    rm -rf "$scratch"
    mkdir -p "$scratch" "$findings" "$(dirname "$log")"
    # New inputs go to the first folder (the scratch one); the committed seeds are read only.
    if ! "$binary" -max_total_time="$FUZZ_SECONDS" -max_len="${MAX_LEN[$target]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$scratch" "$FUZZ_DIR/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "*** fuzz target $target found a fault; the input is in $findings/ and the log in $log" >&2
        exit 1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    summary+=("$(printf '%-16s %6s s %12s executions %6s new inputs' "$target" "$FUZZ_SECONDS" "$executions" "$(ls "$scratch" | wc -l)")")
    echo "${summary[-1]}"
done

step "Fuzzing done, no findings"
printf '%s\n' "${summary[@]}"
