#!/usr/bin/env bash
# The long fuzzing campaign: runs every libFuzzer target of the asan build, one at a time and at the
# lowest priority, until it has made RUNS executions or spent SECONDS, whichever comes first. Seeds
# are the target's seed folders (tests/fuzz, ../shared/testdata) and the generated content of the
# release build whose names match the target's patterns, loose or inside the resource archives.
# Corpora, findings and logs live in the work folder, outside the repository, and grow from one
# campaign to the next. A target that finished is skipped on the next run unless --again is given;
# one that was cut off goes on where it stopped.
#
#   bench/fuzz_campaign.sh [--work DIR] [--runs N] [--seconds S] [--again] [TARGET...]
#
# Writes WORK/summary.md: a table of executions, time, coverage (libFuzzer's cov and ft), corpus size
# and findings per target, for docs/fuzzing.md. Findings (crash-*, leak-*, timeout-*, oom-* inputs)
# are kept in WORK/findings/TARGET/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-asan
content=$root/build/resources
work=${VELMORA_FUZZ_WORK:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora-fuzz}
runs=10000000
seconds=3600
chunk=600 # seconds of one libFuzzer run: the most a cut-off campaign loses
again=0
only=()
while (($#)); do
    case $1 in
    --work) work=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --again) again=1; shift ;;
    -h | --help) sed -n '2,15p' "$0"; exit 0 ;;
    *) only+=("$1"); shift ;;
    esac
done

list=$build/fuzz_targets.txt
if [[ ! -s $list ]]; then
    echo "No fuzz targets in $build: cmake --preset asan && cmake --build --preset asan -j2" >&2
    exit 1
fi
# The asan build generates the same content when the release build has not been made.
[[ -d $content ]] || content=$build/resources
[[ -d $content ]] || echo "note: no generated content (cmake --build --preset release makes it)" >&2
mkdir -p "$work"/{bin,corpus,seeds,findings,logs,progress,results}

# Archive entries are unpacked once per campaign, so that they can seed like loose files; each
# campaign has its own folder, so that two can run side by side (one per core).
rm -rf "$work/archive-entries"
entries=$work/archive-entries.$$
mkdir -p "$entries"
trap 'rm -rf "$entries"' EXIT
if [[ -d $content ]]; then
    while IFS= read -r -d '' archive; do
        unzip -qq -o "$archive" -d "$entries/$(basename "$archive" .zip)" 2>/dev/null || true
    done < <(find "$content" -name '*.zip' -print0)
fi

# Copies the files matching a pattern from the content folders into a seed folder, flattened.
add_content() {
    local pattern=$1 into=$2 file
    for folder in "$content" "$entries"; do
        [[ -d $folder ]] || continue
        while IFS= read -r -d '' file; do
            cp -f "$file" "$into/$(echo "${file#"$folder"/}" | tr / _)"
        done < <(find "$folder" -type f -name "$pattern" -print0)
    done
}

# The executions of a run (its final statistics, else its last status line) and the coverage, feature
# and corpus figures of its last status line "#N ... cov: C ft: F corp: K/S", as "N C F K S".
last_status() {
    local status executed
    status=$(grep -aE '^#[0-9]+.* cov: ' "$1" | tail -n 1 |
        sed -nE 's/^#([0-9]+).*cov: ([0-9]+) ft: ([0-9]+) corp: ([0-9]+)\/([0-9]+[a-zA-Z]*).*/\1 \2 \3 \4 \5/p')
    executed=$(sed -nE 's/^stat::number_of_executed_units: ([0-9]+)/\1/p' "$1" | tail -n 1)
    [[ -n $status && -n $executed ]] && status="$executed ${status#* }"
    echo "$status"
}

run_target() {
    local name=$1 seedFolders=$2 patterns=$3
    local binary=$build/bin/fuzz_$name result=$work/results/$name.tsv
    if [[ ! -x $binary ]]; then
        echo "$name: $binary is not built" >&2
        return
    fi
    if [[ -s $result && $again == 0 ]]; then
        echo "$name: done before ($result); --again runs it again"
        return
    fi
    # A copy of the binary, so that rebuilding during the campaign does not disturb the run.
    cp -f "$binary" "$work/bin/fuzz_$name"
    local corpus=$work/corpus/$name seeds=$work/seeds/$name findings=$work/findings/$name
    rm -rf "$seeds"
    mkdir -p "$corpus" "$seeds" "$findings"
    local folders=()
    IFS=';' read -r -a folders <<<"$seedFolders"
    local pattern patternList=()
    IFS=';' read -r -a patternList <<<"$patterns"
    for pattern in "${patternList[@]}"; do
        [[ -n $pattern ]] && add_content "$pattern" "$seeds"
    done

    # The budget is spent in runs of at most $chunk seconds, and the progress is written down after
    # each, so that a campaign cut off (a machine shut down, a session ended) loses at most one run
    # and goes on where it stopped. libFuzzer also stops at a finding: the next run starts again from
    # the grown corpus. --again starts the target's budget afresh.
    local progress=$work/progress/$name
    [[ $again == 1 ]] && rm -f "$progress"
    local executions=0 elapsed=0 attempt=0 stops=0 status="" log
    [[ -s $progress ]] && read -r executions elapsed attempt stops status <"$progress"
    ((attempt > 0)) && echo "$name: going on after $executions executions in $elapsed s"
    while ((executions < runs && elapsed < seconds && stops < 20)); do
        attempt=$((attempt + 1))
        log=$work/logs/$name.$attempt.log
        local left=$((seconds - elapsed)) begun=$SECONDS
        echo "$name: run $attempt, $((runs - executions)) executions or $left s left"
        (cd "$findings" && VELMORA_HEADLESS=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
            VELMORA_INSTANCE=velmora-fuzz-$name \
            nice -n 19 "$work/bin/fuzz_$name" -runs=$((runs - executions)) \
            -max_total_time=$((left < chunk ? left : chunk)) -rss_limit_mb=2048 -timeout=60 \
            -artifact_prefix="$findings/" -print_final_stats=1 \
            "$corpus" "$seeds" "${folders[@]}" >"$log" 2>&1) || true
        local last
        last=$(last_status "$log")
        if [[ -n $last ]]; then
            status=$last
            executions=$((executions + ${status%% *}))
        fi
        elapsed=$((elapsed + SECONDS - begun))
        if ! grep -aqE '^Done [0-9]+ runs' "$log"; then
            stops=$((stops + 1))
            grep -aE 'ERROR: |SUMMARY: |Test unit written' "$log" | head -n 5 | sed "s/^/$name: /"
        fi
        echo "$executions $elapsed $attempt $stops $status" >"$progress"
    done
    read -r _ cov ft corpusCount corpusSize <<<"${status:-0 0 0 0 0}"
    local found
    found=$(find "$findings" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
        -o -name 'oom-*' \) | wc -l)
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$executions" "$elapsed" "$cov" "$ft" \
        "$corpusCount" "$corpusSize" "$found" "$attempt" >"$result"
    echo "$name: $executions executions in $elapsed s, cov $cov ft $ft, corpus $corpusCount ($corpusSize), findings $found"
}

while IFS=$'\t' read -r name seedFolders patterns; do
    [[ -z $name ]] && continue
    if ((${#only[@]})) && [[ ! " ${only[*]} " == *" $name "* ]]; then
        continue
    fi
    run_target "$name" "$seedFolders" "$patterns"
done <"$list"

{
    echo "| target | executions | time (s) | cov | ft | corpus (files/bytes) | findings |"
    echo "|---|---:|---:|---:|---:|---:|---:|"
    for result in "$work"/results/*.tsv; do
        [[ -e $result ]] || continue
        IFS=$'\t' read -r name executions elapsed cov ft corpusCount corpusSize found _ <"$result"
        echo "| $name | $executions | $elapsed | $cov | $ft | $corpusCount / $corpusSize | $found |"
    done
} >"$work/summary.md"
echo "Summary: $work/summary.md"
