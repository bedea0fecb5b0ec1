#!/usr/bin/env bash
# The mutation check: every one-line fault of tests/mutants/mutants.txt is
# put, one at a time, into a scratch copy of the work tree, which is rebuilt
# and tested. A fault that no test notices is a survivor.
#
#   tests/mutants/run.sh [NAME...]     all faults, or only those named
#   tests/mutants/run.sh --list        where each fragment is found; no build
#
# A fault names no file: its fragment must occur exactly once in the whole
# of src/, and the file is found from it, so files may move freely. A
# fragment that is missing or found more than once is reported as "not
# applied" and fails the check, so the list is kept in step with the code.
#
# Scratch space: build-mutants/ (or $MUTANTS_DIR), holding
#   pristine/  the tracked and new files of the work tree, as they stand now
#   tree/      the same files, one fault at a time
#   build/     the one build of tree/, configured once and rebuilt as it goes
#   logs/      the build and test output of every fault
# The real work tree is only read.
#
# Environment: JOBS (default 2), MUTANTS_DIR, MUTANTS_LIST, MUTANT_SECONDS
# (bound on each stage of one fault's test run; default: three times the
# unmutated run and a minute), LATE_TESTS (the tests run second).

set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
LIST=${MUTANTS_LIST:-$ROOT/tests/mutants/mutants.txt}
SCRATCH=${MUTANTS_DIR:-$ROOT/build-mutants}
JOBS=${JOBS:-2}
BUILD_SECONDS=${BUILD_SECONDS:-1800}

PRISTINE=$SCRATCH/pristine
TREE=$SCRATCH/tree
BUILD=$SCRATCH/build
LOGS=$SCRATCH/logs

say() { printf '%s\n' "$*"; }
die() {
    printf 'check-mutants: %s\n' "$*" >&2
    exit 2
}

# ---------------------------------------------------------------- the list
# Blocks of four lines; a value is everything after "key: ", taken as it
# stands (quotes, apostrophes and backslashes included). Blank lines and
# lines starting with # are ignored.
NAMES=()
FINDS=()
REPLACES=()
WHYS=()

parse_list() {
    local line key value lineno=0 n=-1
    local -A seen=() have=()
    [ -f "$LIST" ] || die "no list of faults at $LIST"
    finish_block() {
        [ "$n" -ge 0 ] || return 0
        local k
        for k in find replace why; do
            [ -n "${have[$k]:-}" ] || die "$LIST: fault '${NAMES[$n]}' has no '$k:' line"
        done
        [ -n "${FINDS[$n]}" ] || die "$LIST: fault '${NAMES[$n]}' has an empty fragment"
        [ "${FINDS[$n]}" != "${REPLACES[$n]}" ] || die "$LIST: fault '${NAMES[$n]}' replaces its fragment by itself"
    }
    while IFS= read -r line || [ -n "$line" ]; do
        lineno=$((lineno + 1))
        [[ $line =~ ^[[:space:]]*$ || $line == '#'* ]] && continue
        [[ $line == *:* ]] || die "$LIST:$lineno: expected 'name:', 'find:', 'replace:' or 'why:'"
        key=${line%%:*}
        value=${line#*:}
        value=${value# }
        # Trailing blanks are invisible and editors drop them: a fragment
        # must end on something that shows.
        [[ $value =~ [[:space:]]$ ]] && die "$LIST:$lineno: '$key:' ends in a blank; extend the fragment"
        case $key in
            name)
                finish_block
                [[ $value =~ ^[a-z0-9][a-z0-9-]*$ ]] || die "$LIST:$lineno: name '$value' is not lower-case words joined by '-'"
                [ -z "${seen[$value]:-}" ] || die "$LIST:$lineno: name '$value' is used twice"
                seen[$value]=1
                n=$((n + 1))
                NAMES[n]=$value
                FINDS[n]=""
                REPLACES[n]=""
                WHYS[n]=""
                have=()
                ;;
            find | replace | why)
                [ "$n" -ge 0 ] || die "$LIST:$lineno: '$key:' before the first 'name:'"
                [ -z "${have[$key]:-}" ] || die "$LIST:$lineno: a second '$key:' for '${NAMES[$n]}'"
                have[$key]=1
                case $key in
                    find) FINDS[n]=$value ;;
                    replace) REPLACES[n]=$value ;;
                    why) WHYS[n]=$value ;;
                esac
                ;;
            *) die "$LIST:$lineno: unknown key '$key'" ;;
        esac
    done <"$LIST"
    finish_block
    [ "${#NAMES[@]}" -gt 0 ] || die "$LIST holds no fault"
}

# ------------------------------------------------------------ scratch copy
# Copies only what differs, with a fresh time stamp, so that the build sees
# exactly the files that changed; removes what is no longer there.
sync_tree() { # FROM TO
    local from=$1 to=$2 f
    local -A listed=()
    for f in "${FILES[@]}"; do
        listed[$f]=1
        if ! cmp -s "$from/$f" "$to/$f"; then
            mkdir -p "$to/$(dirname "$f")"
            rm -f "$to/$f"
            cp "$from/$f" "$to/$f" || die "cannot copy $f"
        fi
    done
    while IFS= read -r -d '' f; do
        f=${f#"$to"/}
        [ -n "${listed[$f]:-}" ] || rm -f "$to/$f"
    done < <(find "$to" -type f -print0)
}

make_copies() {
    mapfile -d '' FILES < <(cd "$ROOT" && git ls-files -z --cached --others --exclude-standard)
    local kept=() f
    for f in "${FILES[@]}"; do
        [ -f "$ROOT/$f" ] && kept+=("$f") # tracked but deleted in the work tree
    done
    FILES=("${kept[@]}")
    [ "${#FILES[@]}" -gt 0 ] || die "git lists no file in $ROOT"
    mkdir -p "$PRISTINE" "$TREE" "$LOGS"
    sync_tree "$ROOT" "$PRISTINE"
    sync_tree "$PRISTINE" "$TREE"
}

# -------------------------------------------------------------- locating
# Sets FILE_OF[i] for a fragment found exactly once in src/, else WHERE[i]
# says what was found.
FILE_OF=()
WHERE=()
locate() { # INDEX
    local i=$1 count hits
    hits=$(cd "$PRISTINE" && grep -rFo -e "${FINDS[i]}" src | cut -d: -f1)
    count=$(printf '%s' "$hits" | grep -c . || true)
    FILE_OF[i]=""
    if [ "$count" -eq 1 ]; then
        FILE_OF[i]=$hits
    elif [ "$count" -eq 0 ]; then
        WHERE[i]="fragment found nowhere in src/"
    else
        WHERE[i]="fragment found $count times in src/ ($(printf '%s' "$hits" | sort | uniq -c | awk '{printf "%s%s x%s", sep, $2, $1; sep=", "}'))"
    fi
}

apply_fault() { # INDEX
    local i=$1 file=$TREE/${FILE_OF[$1]}
    FIND=${FINDS[i]} REPL=${REPLACES[i]} perl -0777 -i -pe 's/\Q$ENV{FIND}\E/$ENV{REPL}/' "$file" \
        && ! cmp -s "$file" "$PRISTINE/${FILE_OF[i]}"
}

restore() { # RELATIVE PATH
    [ -n "$1" ] || return 0
    rm -f "$TREE/$1"
    cp "$PRISTINE/$1" "$TREE/$1"
}

# ------------------------------------------------------- build and tests
configure() {
    local generator=()
    command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
    if [ -f "$BUILD/CMakeCache.txt" ]; then
        return 0
    fi
    say "Configuring $BUILD"
    cmake -S "$TREE" -B "$BUILD" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$LOGS/configure.log" 2>&1 \
        || { cat "$LOGS/configure.log" >&2; die "configuring the scratch copy failed"; }
}

# The faults are compiled as the program is: with the warning flags of the
# project's own build, which every compile of src/ must carry.
check_flags() {
    local db=$BUILD/compile_commands.json
    [ -f "$db" ] || die "no $db to check the compiler flags against"
    perl -MJSON::PP -e '
        local $/; open my $f, "<", $ARGV[0] or die; my $db = decode_json(<$f>);
        my ($n, @bad) = (0);
        for my $c (@$db) {
            next unless $c->{file} =~ m{/tree/src/};
            $n++;
            my $cmd = $c->{command} // join(" ", @{$c->{arguments}});
            push @bad, $c->{file} unless $cmd =~ /(^|\s)-Wall(\s|$)/ && $cmd =~ /(^|\s)-Wextra(\s|$)/;
        }
        die "no compile command for src/\n" unless $n;
        die "without -Wall -Wextra: @bad\n" if @bad;
        print "$n files of src/ compiled with -Wall -Wextra\n";
    ' "$db" || die "the scratch build does not use the project's warning flags"
}

build() { # LOG
    timeout "$BUILD_SECONDS" cmake --build "$BUILD" -j "$JOBS" >"$1" 2>&1
}

# Every test but the packaging ones, the end-to-end tests included: some
# faults show only in the built program on a real display. The quick tests
# run first, the long random-event run and the end-to-end tests only once
# those pass: most faults are caught by a quick one. Each stage stops at the
# first failure. A test that crashes fails without Qt Test's stack dump.
LATE_TESTS=${LATE_TESTS:-'^(tst_robustness|e2e_.*)$'}
run_tests() { # LOG SECONDS
    local log=$1 bound=$2
    (
        cd "$BUILD" || exit 1
        export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
        stage() {
            timeout -k 20 "$bound" ctest -j "$JOBS" --stop-on-failure --no-tests=ignore -LE packaging \
                --output-on-failure "$@"
        }
        stage -E "$LATE_TESTS" && stage -R "$LATE_TESTS"
    ) >"$log" 2>&1
}

failed_tests() { # LOG
    sed -n 's/.*Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$1" | sort -u | paste -sd ' ' -
}

# The sources, tests and build files; the list of faults is not among them.
tree_stamp() {
    (cd "$PRISTINE" && printf '%s\0' "${FILES[@]}" | grep -zv '^tests/mutants/' | sort -z | xargs -0 sha256sum) \
        | sha256sum | cut -c1-64
}

# The suite must pass on the unmutated copy, or every fault would look
# killed. Its duration bounds the runs of the faults. A pass is remembered
# for this exact set of files.
BASELINE_SECONDS=0
baseline() {
    local stamp started seconds
    stamp=$(tree_stamp)
    if [ -f "$SCRATCH/baseline-passed" ] && [ "$(head -n1 "$SCRATCH/baseline-passed")" = "$stamp" ]; then
        BASELINE_SECONDS=$(sed -n 2p "$SCRATCH/baseline-passed")
        say "Unmutated copy: suite passed before on these same files (${BASELINE_SECONDS} s)"
        return 0
    fi
    rm -f "$SCRATCH/baseline-passed"
    say "Unmutated copy: building"
    started=$SECONDS
    build "$LOGS/baseline.build.log" || { tail -n 40 "$LOGS/baseline.build.log" >&2; die "the unmutated copy does not build"; }
    if grep -q 'warning:' "$LOGS/baseline.build.log"; then
        say "note: the unmutated copy builds with warnings (see $LOGS/baseline.build.log)"
    fi
    say "Unmutated copy: built in $((SECONDS - started)) s; running the suite"
    started=$SECONDS
    run_tests "$LOGS/baseline.test.log" "${MUTANT_SECONDS:-3600}" \
        || { tail -n 40 "$LOGS/baseline.test.log" >&2; die "the suite fails on the unmutated copy: $(failed_tests "$LOGS/baseline.test.log")"; }
    seconds=$((SECONDS - started))
    printf '%s\n%s\n' "$stamp" "$seconds" >"$SCRATCH/baseline-passed"
    BASELINE_SECONDS=$seconds
    say "Unmutated copy: suite passed in $seconds s"
}

# ------------------------------------------------------------------ main
# All in one function, read whole before it starts: the script may be
# edited while it runs.
main() {
    parse_list

    LIST_ONLY=""
    if [ "${1:-}" = --list ]; then
        LIST_ONLY=1
        shift
    fi

    SELECTED=()
    if [ $# -gt 0 ]; then
        for want in $(printf '%s\n' "$@" | tr ',' ' '); do
            found=""
            for i in "${!NAMES[@]}"; do
                [ "${NAMES[i]}" = "$want" ] && found=$i
            done
            [ -n "$found" ] || die "no fault named '$want' in $LIST"
            SELECTED+=("$found")
        done
    else
        SELECTED=("${!NAMES[@]}")
    fi

    if [ -n "$LIST_ONLY" ]; then
        PRISTINE=$ROOT
        bad=0
        for i in "${SELECTED[@]}"; do
            locate "$i"
            if [ -n "${FILE_OF[i]}" ]; then
                printf '%-32s %s\n' "${NAMES[i]}" "${FILE_OF[i]}"
            else
                printf '%-32s NOT APPLIED, %s\n' "${NAMES[i]}" "${WHERE[i]}"
                bad=1
            fi
        done
        exit "$bad"
    fi

    START=$SECONDS
    say "Mutation check: ${#SELECTED[@]} of ${#NAMES[@]} faults from ${LIST#"$ROOT"/}, scratch copy in $SCRATCH"
    make_copies
    configure
    check_flags
    baseline
    LIMIT=${MUTANT_SECONDS:-$((3 * BASELINE_SECONDS + 60))}
    say "Each fault's tests are bounded at $LIMIT s"

    for i in "${SELECTED[@]}"; do
        locate "$i"
    done
    # Faults in the same file one after another: one file recompiled per fault.
    mapfile -t ORDER < <(for i in "${SELECTED[@]}"; do printf '%s\t%s\n' "${FILE_OF[i]}" "$i"; done | sort -s -t$'\t' -k1,1 | cut -f2)

    declare -A RESULT=() DETAIL=()
    WARNED=()
    LAST=""
    step=0
    for i in "${ORDER[@]}"; do
        step=$((step + 1))
        name=${NAMES[i]}
        tag=$(printf '[%2d/%d] %s' "$step" "${#ORDER[@]}" "$name")
        restore "$LAST"
        LAST=""
        if [ -z "${FILE_OF[i]}" ]; then
            RESULT[$name]="not applied"
            DETAIL[$name]=${WHERE[i]}
            say "$tag: NOT APPLIED, ${WHERE[i]}"
            continue
        fi
        LAST=${FILE_OF[i]}
        if ! apply_fault "$i"; then
            RESULT[$name]="not applied"
            DETAIL[$name]="replacing the fragment changed nothing in ${FILE_OF[i]}"
            say "$tag: NOT APPLIED, ${DETAIL[$name]}"
            continue
        fi
        began=$SECONDS
        if ! build "$LOGS/$name.build.log"; then
            RESULT[$name]="not compiled"
            DETAIL[$name]="see ${LOGS#"$ROOT"/}/$name.build.log"
            say "$tag ($LAST): NOT COMPILED, $(grep -m1 'error' "$LOGS/$name.build.log")"
            continue
        fi
        warned=""
        if grep -q 'warning:' "$LOGS/$name.build.log"; then
            warned=", with compiler warnings"
            WARNED+=("$name")
        fi
        built=$((SECONDS - began))
        run_tests "$LOGS/$name.test.log" "$LIMIT"
        status=$?
        tested=$((SECONDS - began - built))
        if [ "$status" -eq 0 ]; then
            RESULT[$name]=survived
            DETAIL[$name]=${WHYS[i]}
            say "$tag ($LAST): SURVIVED (build ${built} s, tests ${tested} s$warned)"
        else
            RESULT[$name]=killed
            if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
                DETAIL[$name]="tests stopped at the $LIMIT s bound"
            else
                DETAIL[$name]="by $(failed_tests "$LOGS/$name.test.log")"
            fi
            say "$tag ($LAST): killed ${DETAIL[$name]} (build ${built} s, tests ${tested} s$warned)"
        fi
    done
    restore "$LAST"

    # --------------------------------------------------------------- summary
    applied=0
    killed=0
    survivors=()
    unapplied=()
    uncompiled=()
    for i in "${SELECTED[@]}"; do
        name=${NAMES[i]}
        case ${RESULT[$name]} in
            killed) applied=$((applied + 1)); killed=$((killed + 1)) ;;
            survived) applied=$((applied + 1)); survivors+=("$name") ;;
            "not compiled") applied=$((applied + 1)); uncompiled+=("$name") ;;
            "not applied") unapplied+=("$name") ;;
        esac
    done

    say ""
    say "killed $killed of $applied applied ($(( (SECONDS - START) / 60 )) min $(( (SECONDS - START) % 60 )) s)"
    if [ "${#survivors[@]}" -gt 0 ]; then
        say "Survived (no test noticed the fault):"
        for name in "${survivors[@]}"; do say "  $name: ${DETAIL[$name]}"; done
    fi
    if [ "${#uncompiled[@]}" -gt 0 ]; then
        say "Not compiled (a fault must build; change it):"
        for name in "${uncompiled[@]}"; do say "  $name: ${DETAIL[$name]}"; done
    fi
    if [ "${#WARNED[@]}" -gt 0 ]; then
        say "Compiled with warnings (the compiler already points at these; prefer faults it does not see):"
        for name in "${WARNED[@]}"; do say "  $name: see ${LOGS#"$ROOT"/}/$name.build.log"; done
    fi
    if [ "${#unapplied[@]}" -gt 0 ]; then
        say "Not applied (bring the fragment up to date with src/):"
        for name in "${unapplied[@]}"; do say "  $name: ${DETAIL[$name]}"; done
    fi

    [ "$killed" -eq "${#SELECTED[@]}" ]
}

main "$@"; exit $?
