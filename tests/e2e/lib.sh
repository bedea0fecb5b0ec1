# Shared by the end-to-end scenarios: a private X server with a window
# manager, the built program on it, bounded waits, and a clean-up that
# leaves nothing running. Sourced by scenarios.sh, never run on its own.
#
# Environment: QUOVALE_BIN (the program), QUOVALE_GRAB (the window grabber),
# QUOVALE_ARTIFACTS (where pictures go; optional).

set -uo pipefail

# The tools come first: without ps, the process-group test below would
# never see its own group and start the scenario again and again.
for tool in ps Xvfb openbox xdotool wmctrl xprop xwininfo setsid timeout; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "FAIL: $tool is missing; run scripts/setup.sh" >&2
        exit 1
    fi
done

# Every process of a scenario lives in its own process group, so that the
# clean-up and the leftover check see exactly what this scenario started.
# One new session at most: if ps still cannot tell, say so and stop.
if [ "$(ps -o pgid= -p $$ | tr -d ' ')" != "$$" ]; then
    if [ -n "${QUOVALE_E2E_SESSION:-}" ]; then
        echo "FAIL: cannot put the scenario in a process group of its own (ps -o pgid= -p $$ says '$(ps -o pgid= -p $$ 2>&1)')" >&2
        exit 1
    fi
    QUOVALE_E2E_SESSION=1 exec setsid --wait bash "$0" "$@"
fi

: "${QUOVALE_BIN:?QUOVALE_BIN must name the built quovale}"
: "${QUOVALE_GRAB:?QUOVALE_GRAB must name the built e2e_grab_window}"

# Bounds: one wait, one X command, the whole scenario.
WAIT_SECONDS=${WAIT_SECONDS:-30}
COMMAND_SECONDS=${COMMAND_SECONDS:-10}
SCENARIO_SECONDS=${SCENARIO_SECONDS:-80}

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/quovale-e2e.XXXXXX")
XVFB_PID=""
WM_PID=""
PROGRAM_PID=""
WATCHDOG_PID=""
MAIN_WINDOW=""
FAILED=0

mkdir -m 700 "$E2E_TMP/runtime"
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
unset WAYLAND_DISPLAY DISPLAY

log() { printf '[%s] %s\n' "$SCENARIO" "$*"; }

# X commands never get to hang a scenario.
x() { timeout "$COMMAND_SECONDS" "$@"; }

alive() { # PID: running, not merely a zombie waiting to be reaped
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
    [[ $state != Z* ]]
}

# What the scenario saw, printed once when it fails.
show_diagnostics() {
    echo "----- what the test saw -----"
    echo "display: ${DISPLAY:-none}"
    if [ -n "${DISPLAY:-}" ] && [ -n "$XVFB_PID" ] && alive "$XVFB_PID"; then
        echo "window list (wmctrl -l -p -G):"
        x wmctrl -l -p -G 2>&1 | sed 's/^/  /'
        if [ -n "$PROGRAM_PID" ]; then
            local w
            for w in $(x xdotool search --pid "$PROGRAM_PID" --name '.' 2>/dev/null); do
                echo "window $w of the program:"
                x xwininfo -id "$w" 2>&1 | grep -E 'Window id|Width|Height|Map State|Absolute' | sed 's/^/  /'
                x xprop -id "$w" WM_NAME _NET_WM_NAME _NET_WM_WINDOW_TYPE _NET_WM_ALLOWED_ACTIONS \
                    _MOTIF_WM_HINTS _NET_WM_STATE WM_TRANSIENT_FOR WM_NORMAL_HINTS 2>&1 | sed 's/^/  /'
            done
        fi
    fi
    if [ -n "$PROGRAM_PID" ]; then
        if alive "$PROGRAM_PID"; then
            echo "program: still running (pid $PROGRAM_PID)"
        elif [ -s "$E2E_TMP/status" ]; then
            echo "program: exited with status $(cat "$E2E_TMP/status")"
        else
            echo "program: gone, status not recorded"
        fi
    fi
    echo "program stderr:"
    sed 's/^/  /' "$E2E_TMP/quovale.err" 2>/dev/null
    if [ -n "$XVFB_PID" ]; then
        if alive "$XVFB_PID"; then
            echo "X server: running (pid $XVFB_PID); root window: $(x xprop -root _NET_SUPPORTING_WM_CHECK 2>&1)"
        else
            echo "X server: gone"
        fi
        echo "X sockets: $(ls -l --time-style=+%T.%N /tmp/.X11-unix 2>&1 | tail -n +2 | awk '{print $NF, $(NF-1)}' | paste -sd ' ')"
    fi
    echo "X server log (tail):"
    tail -n 15 "$E2E_TMP/xvfb.log" 2>/dev/null | sed 's/^/  /'
    echo "window manager log (tail):"
    tail -n 15 "$E2E_TMP/openbox.log" 2>/dev/null | sed 's/^/  /'
    # What a scenario file adds of its own.
    if declare -F more_diagnostics >/dev/null; then more_diagnostics; fi
    echo "-----------------------------"
}

fail() {
    FAILED=1
    echo "FAIL [$SCENARIO]: $*" >&2
    show_diagnostics >&2
    exit 1
}

now_ms() { local t=${EPOCHREALTIME//[.,]/}; echo $((t / 1000)); }

# wait_for SECONDS WHAT COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$(($(now_ms) + seconds * 1000))
    until "$@" >/dev/null 2>&1; do
        if [ "$(now_ms)" -ge "$deadline" ]; then
            fail "timed out after ${seconds}s waiting for $what"
        fi
        sleep 0.05
    done
}

# holds_for MILLISECONDS COMMAND...: true when COMMAND keeps succeeding
# each time it is tried during that long.
holds_for() {
    local deadline=$(($(now_ms) + $1))
    shift
    while [ "$(now_ms)" -lt "$deadline" ]; do
        "$@" || return 1
        sleep 0.05
    done
}

stop_pid() { # PID: TERM, then KILL if it lingers; reaps our own children
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 40); do
        alive "$pid" || break
        sleep 0.05
    done
    alive "$pid" && kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

# Processes of this scenario's group, other than the script and the
# pipeline that asks; a zombie whose parent has gone is not running.
leftovers() {
    ps -e -o pgid=,pid=,stat=,comm= | awk -v g=$$ \
        '$1 == g && $3 !~ /^Z/ && $4 ~ /^(quovale|Xvfb|openbox|weston|weston-desktop-|weston-keyboard|weston-debug|Xwayland|e2e_grab_window|xdotool|wmctrl|xprop|sleep)$/'
}

stop_watchdog() {
    [ -n "$WATCHDOG_PID" ] || return 0
    kill -TERM "$WATCHDOG_PID" 2>/dev/null
    wait "$WATCHDOG_PID" 2>/dev/null
    WATCHDOG_PID=""
}

cleanup() {
    local status=$?
    trap - EXIT
    trap '' INT TERM
    stop_watchdog
    stop_pid "$PROGRAM_PID"
    stop_pid "$WM_PID"
    stop_pid "$XVFB_PID"
    # Anything else this scenario started; the script ignores the signal.
    kill -TERM -- -$$ 2>/dev/null
    rm -rf "$E2E_TMP"
    if [ "$status" -eq 0 ] && [ "$FAILED" -eq 0 ]; then
        log "passed in ${SECONDS}s"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'FAILED=1; echo "FAIL [$SCENARIO]: stopped by the ${SCENARIO_SECONDS}s bound or a signal" >&2; show_diagnostics >&2; exit 1' INT TERM

# The bound on the whole scenario, whatever it is waiting for. Its output
# goes nowhere, so that no pipe of the test runner outlives the scenario.
(
    trap 'kill "$sleeper" 2>/dev/null; wait "$sleeper"; exit 0' TERM
    sleep "$SCENARIO_SECONDS" &
    sleeper=$!
    wait "$sleeper" && kill -TERM $$
) </dev/null >/dev/null 2>&1 &
WATCHDOG_PID=$!

# A virtual screen of its own (Xvfb picks a free display number and tells
# it when ready).
start_xvfb() {
    # -noreset: without it the server starts afresh each time its last
    # client leaves, and a client connecting just then is turned away.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for "$WAIT_SECONDS" "Xvfb to report its display" test -s "$E2E_TMP/display"
    DISPLAY=":$(tr -dc '0-9' <"$E2E_TMP/display")"
    export DISPLAY
    wait_for "$WAIT_SECONDS" "the X server to take clients" x xprop -root _NET_SUPPORTING_WM_CHECK
}

# The virtual screen with openbox managing it.
start_x() {
    start_xvfb
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for "$WAIT_SECONDS" "openbox to manage the screen" \
        x sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

# The program's environment, as env(1) arguments, over the scenario's.
PROGRAM_ENV=(QT_QPA_PLATFORM=xcb)

# start_program [ARGUMENT]...: the built program, on the scenario's screen.
start_program() {
    rm -f "$E2E_TMP/pid" "$E2E_TMP/status"
    # The program's own status is kept by the subshell that waits for it.
    (
        env "${PROGRAM_ENV[@]}" "$QUOVALE_BIN" "$@" </dev/null >"$E2E_TMP/quovale.out" 2>"$E2E_TMP/quovale.err" &
        echo $! >"$E2E_TMP/pid"
        wait $!
        echo $? >"$E2E_TMP/status.tmp"
        mv "$E2E_TMP/status.tmp" "$E2E_TMP/status"
    ) &
    wait_for "$WAIT_SECONDS" "the program to start" test -s "$E2E_TMP/pid"
    PROGRAM_PID=$(cat "$E2E_TMP/pid")
}

# window_title ID: the window's title, as its window manager reads it.
window_title() {
    x xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'
}

# find_window PATTERN: prints the id of the program's first mapped window
# whose whole title matches the shell PATTERN. (xdotool's own title match
# is not anchored reliably, so the titles are compared here.)
find_window() {
    local w
    for w in $(x xdotool search --onlyvisible --pid "$PROGRAM_PID" --name '.' 2>/dev/null); do
        # shellcheck disable=SC2053
        if [[ $(window_title "$w") == $1 ]]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

wait_main_window() {
    wait_for "$WAIT_SECONDS" "the main window to map" find_window 'Test Quovale - par *'
    MAIN_WINDOW=$(find_window 'Test Quovale - par *')
    focus_main_window
}

active_window_is() { [ "$(x xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# A new window gets the focus from the window manager, as on a desktop;
# keys then go to it through the X server's own input path (XTEST), as a
# keyboard's would.
focus_main_window() {
    wait_for "$WAIT_SECONDS" "the main window to take the focus" active_window_is "$MAIN_WINDOW"
}

press_keys() { x xdotool key --clearmodifiers --delay 15 "$@" || fail "xdotool key $* failed"; }

# click X Y [X Y]...: left clicks at these points of the main window's
# client area, in order.
click() {
    local args=()
    while [ $# -ge 2 ]; do
        args+=(mousemove --window "$MAIN_WINDOW" "$1" "$2" click 1)
        shift 2
    done
    x xdotool "${args[@]}" || fail "clicks (${args[*]}) failed"
}

# Moves the pointer over a bare part of the chart, so that no control
# shows a hover look in a picture.
park_pointer() { x xdotool mousemove --window "$MAIN_WINDOW" 430 340 >/dev/null 2>&1; }

# grab OUT [X Y W H]: picture of the main window's client area, or of a part.
grab() {
    local out=$1
    shift
    x "$QUOVALE_GRAB" "$MAIN_WINDOW" "$out" "$@" 2>>"$E2E_TMP/grab.err"
}

# wait_exit SECONDS: waits for the program to end; its status is then in
# EXIT_STATUS.
wait_exit() {
    wait_for "$1" "the program to exit" test -s "$E2E_TMP/status"
    EXIT_STATUS=$(cat "$E2E_TMP/status")
}

expect_exit_zero() {
    wait_exit "$WAIT_SECONDS"
    [ "$EXIT_STATUS" = 0 ] || fail "the program exited with status $EXIT_STATUS, not 0"
    log "program exited with status 0"
}

# Stops the window manager and the X server, then checks that nothing of
# the scenario is still running.
teardown() {
    if [ -n "$PROGRAM_PID" ] && alive "$PROGRAM_PID"; then
        fail "the program is still running at the end"
    fi
    stop_watchdog
    stop_pid "$WM_PID"
    stop_pid "$XVFB_PID"
    local rest
    rest=$(leftovers)
    [ -z "$rest" ] || fail "left running after the scenario:
$rest"
}

# Runs scenario_$SCENARIO (dashes for underscores) of the calling script, or
# lists the scenarios it has.
run_scenario() {
    local fn="scenario_${SCENARIO//-/_}"
    if [ -z "$SCENARIO" ] || ! declare -F "$fn" >/dev/null; then
        echo "usage: $(basename "$0") {$(declare -F | sed -n 's/^declare -f scenario_//p' | tr '_' '-' | paste -sd '|')}" >&2
        FAILED=1
        exit 2
    fi
    "$fn"
}
