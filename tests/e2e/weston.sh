#!/usr/bin/env bash
# End-to-end scenarios on a Wayland desktop: the weston compositor, with
# XWayland, shown on the test's own virtual X server. The program starts as
# a Wayland session starts it, is driven through the compositor with the
# keyboard and the mouse, is asked to maximise, fullscreen and resize, and
# ends by one way out, ten times over.
#   weston.sh SCENARIO
# SCENARIO is close-box, quitter or end-of-test. Exits with 77 when weston
# cannot run on this machine at all.

SCENARIO=${1:-}
SCENARIO_SECONDS=${SCENARIO_SECONDS:-150}
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

RUNS=${RUNS:-10}
WESTON_CANNOT_RUN=77

for tool in weston weston-debug Xwayland; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is missing; run scripts/setup.sh"
done

# Client-area points of the controls, from the window's layout.
QUITTER=(372 324)
PART_QUESTION=(8 112 401 161) # rtfAnswer

# In the scenario's own XDG_RUNTIME_DIR (lib.sh), so that scenarios side by
# side each have their own compositor.
WESTON_SOCKET=quovale-wayland
WESTON_WINDOW=""     # weston's output, an X window of the virtual screen
XWAYLAND_DISPLAY=""
XWAYLAND_MAIN=""     # the main window of the current run, an X window of XWayland
PRESSES=0            # presses of Suivant in the current run

more_diagnostics() {
    echo "run: ${RUN:-none}, presses of Suivant: $PRESSES"
    if [ -n "$PROGRAM_PID" ] && [ -n "$XWAYLAND_DISPLAY" ]; then
        local w
        for w in $(DISPLAY=$XWAYLAND_DISPLAY x xdotool search --pid "$PROGRAM_PID" --name '.' 2>/dev/null); do
            echo "XWayland window $w of the program: $(DISPLAY=$XWAYLAND_DISPLAY window_title "$w")"
            DISPLAY=$XWAYLAND_DISPLAY x xwininfo -id "$w" 2>&1 | grep -E 'Map State|Absolute|Width|Height' | sed 's/^/  /'
            DISPLAY=$XWAYLAND_DISPLAY x xprop -id "$w" _NET_WM_STATE WM_TRANSIENT_FOR 2>&1 | sed 's/^/  /'
        done
    fi
    echo "compositor log (tail):"
    tail -n 25 "$E2E_TMP/weston.log" 2>/dev/null | sed 's/^/  /'
    if [ -n "$WM_PID" ] && alive "$WM_PID"; then
        echo "windows on the compositor (layer, view, opaque part, title):"
        top_levels 2>&1 | sed 's/^/  /'
    fi
    if [ -n "$WESTON_WINDOW" ] && [ -n "${QUOVALE_ARTIFACTS:-}" ] \
        && x "$QUOVALE_GRAB" "$WESTON_WINDOW" "$QUOVALE_ARTIFACTS/e2e-weston-$SCENARIO-failed.png" 2>/dev/null; then
        echo "picture of the compositor's screen: $QUOVALE_ARTIFACTS/e2e-weston-$SCENARIO-failed.png"
    fi
}

# weston with its x11 backend on the virtual screen, the desktop shell
# without its panel (nothing but the program's windows to click on), and
# XWayland started when the first X client comes.
start_weston() {
    cat >"$E2E_TMP/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
locking=false
[input-method]
path=
EOF
    weston --backend=x11-backend.so --use-pixman --width=1200 --height=900 \
        --socket="$WESTON_SOCKET" --xwayland --debug --config="$E2E_TMP/weston.ini" \
        >"$E2E_TMP/weston.log" 2>&1 &
    WM_PID=$!
    local deadline=$(($(now_ms) + WAIT_SECONDS * 1000))
    until [ -S "$XDG_RUNTIME_DIR/$WESTON_SOCKET" ] && grep -q 'xserver listening on display' "$E2E_TMP/weston.log"; do
        if ! alive "$WM_PID"; then
            echo "SKIP [$SCENARIO]: weston cannot run here:" >&2
            sed 's/^/  /' "$E2E_TMP/weston.log" >&2
            exit "$WESTON_CANNOT_RUN"
        fi
        [ "$(now_ms)" -lt "$deadline" ] || fail "timed out after ${WAIT_SECONDS}s waiting for weston to start"
        sleep 0.05
    done
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log" | head -n 1)
    WESTON_WINDOW=$(sed -n 's/.*x11 output .*, window id \([0-9]*\).*/\1/p' "$E2E_TMP/weston.log" | head -n 1)
    [ -n "$WESTON_WINDOW" ] || fail "weston did not say which X window shows its output"
    wait_for "$WAIT_SECONDS" "the desktop shell to draw its background" \
        sh -c 'WAYLAND_DISPLAY="$1" timeout "$2" weston-debug scene-graph | grep -q "background for output"' \
        sh "$WESTON_SOCKET" "$COMMAND_SECONDS"
    # Keys go to weston's window; the pointer leaves it and comes back, so
    # that weston learns where it is.
    x xdotool windowfocus "$WESTON_WINDOW" mousemove 1250 1000 mousemove 600 880 \
        || fail "could not give weston's window the keyboard and the pointer"
    log "weston on $DISPLAY, Wayland socket $XDG_RUNTIME_DIR/$WESTON_SOCKET, XWayland on $XWAYLAND_DISPLAY"
}

# weston, then the desktop shell and XWayland that it started, which end
# with it.
stop_weston() {
    local children c
    children=$(pgrep -P "$WM_PID" | paste -sd ' ')
    stop_pid "$WM_PID"
    WM_PID=""
    for c in $children; do
        wait_for "$WAIT_SECONDS" "process $c of weston to end with it" absent alive "$c"
    done
}

# The compositor's top-level windows, topmost first, one a line:
#   LAYER X0 Y0 X1 Y1 OX0 OY0 OX1 OY1 TITLE
# the view's extent and its opaque part ("- - - -" when it has none), in
# the compositor's coordinates, which are those of weston's window.
top_levels() {
    WAYLAND_DISPLAY=$WESTON_SOCKET x weston-debug scene-graph 2>/dev/null | awk '
        /^Layer / { layer = $4; sub(/\):$/, "", layer) }
        /^\tView / {
            view = index($0, "top-level window \x27") > 0
            if (view) {
                title = $0
                sub(/.*top-level window \x27/, "", title)
                sub(/\x27( of [^,]*)?, 0x[0-9a-f]+\):$/, "", title)
            }
            next
        }
        view && /^\t\tposition:/ {
            line = $0; gsub(/[(),]|->/, " ", line); split(line, p, " ")
            extent = p[2] " " p[3] " " p[4] " " p[5]
            next
        }
        view && /^\t\t\[/ {
            opaque = "- - - -"
            if ($0 ~ /opaque: \(/) { line = $0; gsub(/[][(),]|->/, " ", line); split(line, o, " "); opaque = o[2] " " o[3] " " o[4] " " o[5] }
            print layer, extent, opaque, title
            view = 0
        }'
}

# view PATTERN: the topmost top-level window whose whole title matches the
# shell PATTERN.
view() {
    local layer x0 y0 x1 y1 ox0 oy0 ox1 oy1 title
    while read -r layer x0 y0 x1 y1 ox0 oy0 ox1 oy1 title; do
        # shellcheck disable=SC2053
        if [[ $title == $1 ]]; then
            echo "$layer $x0 $y0 $x1 $y1 $ox0 $oy0 $ox1 $oy1"
            return 0
        fi
    done < <(top_levels)
    return 1
}

MAIN_TITLE='Test Quovale - par *'
MESSAGE_TITLE='Test Quovale'

main_view() { view "$MAIN_TITLE"; }

# The client area's top-left corner (CLIENT_X, CLIENT_Y) and the frame's
# opaque part (OPAQUE), from the main window's view: the 804 x 356 client
# area sits in the middle of that part, which at most adds a thin border.
read_main_window() {
    local layer x0 y0 x1 y1 ox0 oy0 ox1 oy1
    MAIN_VIEW=$(main_view) || fail "the main window is not on the compositor"
    read -r layer x0 y0 x1 y1 ox0 oy0 ox1 oy1 <<<"$MAIN_VIEW"
    [ "$ox0" != - ] || fail "the main window has no opaque part: $MAIN_VIEW"
    local w=$((ox1 - ox0)) h=$((oy1 - oy0))
    if (( w < 804 || w > 806 || h < 356 || h > 358 )); then
        fail "the main window's opaque part is $w x $h, not the 804 x 356 client area: $MAIN_VIEW"
    fi
    CLIENT_X=$((ox0 + (w - 804) / 2))
    CLIENT_Y=$((oy0 + (h - 356) / 2))
    OPAQUE=("$ox0" "$oy0" "$ox1" "$oy1")
}

# Pointer and keys through weston, as the candidate's own mouse and keyboard.
# A mouse comes to a spot through several motions; a pointer that jumps
# there in one gets only an enter from the compositor, and XWayland (24 at
# least) then passes the next press to no X11 window: the pointer arrives
# next to the spot, moves onto it, and the button goes down there.
click_at() {
    x xdotool mousemove --window "$WESTON_WINDOW" $(($1 - 3)) "$2" sleep 0.1 \
        mousemove --window "$WESTON_WINDOW" "$1" "$2" sleep 0.1 click 1 \
        || fail "click at $1,$2 failed"
}
click_client() { click_at $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }

# The pointer on the bare desktop, away from the window, so that no control
# shows a hover look.
park_pointer() {
    local px=4 py=4
    if (( OPAQUE[0] < 40 && OPAQUE[1] < 80 )); then px=1195 py=895; fi
    x xdotool mousemove --window "$WESTON_WINDOW" "$px" "$py" >/dev/null 2>&1
}

# A shortcut of the compositor: its modifier (the Super key) held down
# while the key is pressed.
compositor_key() {
    x xdotool keydown Super_L keydown Shift_L key "$1" keyup Shift_L keyup Super_L \
        || fail "xdotool could not press Super+Shift+$1"
}

grab_client() { # OUT [X Y W H], in client coordinates
    local out=$1
    shift
    local part=("$CLIENT_X" "$CLIENT_Y" 804 356)
    [ $# -eq 4 ] && part=($((CLIENT_X + $1)) $((CLIENT_Y + $2)) "$3" "$4")
    x "$QUOVALE_GRAB" "$WESTON_WINDOW" "$out" "${part[@]}" 2>>"$E2E_TMP/grab.err"
}

client_part_differs() { # BEFORE X Y W H
    local before=$1
    shift
    grab_client "$E2E_TMP/now.png" "$@" && ! cmp -s "$before" "$E2E_TMP/now.png"
}

# COUNT presses of the space bar, Suivant having the focus. Qt takes a
# press that comes within 10 ms of the same key's release, both already
# queued, for the keyboard's auto-repeat, and the button ignores it; weston
# stamps keys when it reads them, so on a busy machine a burst can come
# that close. A Shift between two spaces (the button ignores it) keeps each
# press a press of its own.
press_suivant() {
    local keys=()
    for _ in $(seq "$1"); do keys+=(space Shift_L); done
    press_keys "${keys[@]}"
    PRESSES=$((PRESSES + $1))
}

# The program as a Wayland session starts it: the compositor's socket and
# XWayland's display both at hand, nothing chosen for it.
start_run() {
    wait_for "$WAIT_SECONDS" "the last run's window to leave the compositor" absent main_view
    rm -f "$E2E_TMP/pid" "$E2E_TMP/status"
    PROGRAM_PID=""
    PRESSES=0
    PROGRAM_ENV=(-u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland
                 "WAYLAND_DISPLAY=$WESTON_SOCKET" "DISPLAY=$XWAYLAND_DISPLAY")
    start_program
    wait_for "$WAIT_SECONDS" "the main window to show on the compositor" main_view
    read_main_window
    # Through XWayland: the window is an X window of the program there.
    XWAYLAND_MAIN=$(DISPLAY=$XWAYLAND_DISPLAY find_window "$MAIN_TITLE") \
        || fail "the program's window is not an X window of XWayland ($XWAYLAND_DISPLAY)"
}

# A few screens: the start and two questions, each seen on the screen.
take_screens() {
    local before="$E2E_TMP/before.png"
    park_pointer
    local n
    for n in 1 2 3; do
        grab_client "$before" "${PART_QUESTION[@]}" || fail "could not grab the question box"
        press_suivant 1
        wait_for "$WAIT_SECONDS" "question $n to show on screen" client_part_differs "$before" "${PART_QUESTION[@]}"
    done
    if [ "$RUN" -eq 1 ] && [ -n "${QUOVALE_ARTIFACTS:-}" ]; then
        grab_client "$QUOVALE_ARTIFACTS/e2e-weston-question.png" || fail "could not save the question's picture"
    fi
}

# The main window's place and size on the compositor: its view's extent and
# opaque part, without the layer. A window that leaves the fullscreen state
# by itself, through its X11 state as any X11 client does, is kept by
# weston (14 at least) in its fullscreen layer, at the window's own size,
# until the window is next activated: that layer says nothing of the window.
main_place() {
    local v
    v=$(main_view) || return 1
    echo "${v#* }"
}

# The window's X11 state: neither maximised nor fullscreen.
main_state() { DISPLAY=$XWAYLAND_DISPLAY x xprop -id "$XWAYLAND_MAIN" _NET_WM_STATE; }
plain_state() { local s; s=$(main_state) && [[ $s != *_NET_WM_STATE_MAXIMIZED* && $s != *_NET_WM_STATE_FULLSCREEN* ]]; }

still_same() { [ "$(main_place)" = "${MAIN_VIEW#* }" ] && plain_state && alive "$PROGRAM_PID"; }

# After a request to the compositor: the window is back at its place and
# size and out of the state asked for, stays so for half a second in a row,
# and the program runs on. The compositor acts on the request when it gets
# to it and may impose another size for a frame, which the program undoes
# at once: that may come before the window is first seen unchanged.
expect_unchanged() {
    local deadline=$(($(now_ms) + WAIT_SECONDS * 1000)) since=""
    while :; do
        if still_same; then
            [ -n "$since" ] || since=$(now_ms)
            (( $(now_ms) - since >= 500 )) && return 0
        else
            since=""
        fi
        [ "$(now_ms)" -lt "$deadline" ] \
            || fail "run $RUN: asked to $1, the window did not stay at its place and size for 500 ms within ${WAIT_SECONDS}s: $(main_view || echo gone); $(main_state 2>&1)"
        sleep 0.05
    done
}

# Maximise, fullscreen and resize, each asked of the compositor.
ask_compositor() {
    compositor_key m
    expect_unchanged maximise
    compositor_key f
    expect_unchanged "go fullscreen"
    # The compositor's resize: Super and the right button, dragged.
    local sx=$((CLIENT_X + 700)) sy=$((CLIENT_Y + 300))
    x xdotool mousemove --window "$WESTON_WINDOW" "$sx" "$sy" keydown Super_L mousedown 3 \
        mousemove --window "$WESTON_WINDOW" $((sx + 150)) $((sy + 120)) mouseup 3 keyup Super_L \
        || fail "xdotool could not drag a resize"
    park_pointer
    expect_unchanged resize
}

expect_prompt_exit() {
    wait_exit "$WAIT_SECONDS"
    [ "$EXIT_STATUS" = 0 ] || fail "run $RUN: the program exited with status $EXIT_STATUS, not 0"
}

# The box in the title bar's right end, drawn by the compositor, which
# takes a press only where it has seen the pointer come.
end_by_close_box() {
    click_at $((OPAQUE[2] - 15)) $((OPAQUE[1] - 15))
    expect_prompt_exit
}

end_by_quitter() {
    click_client "${QUITTER[@]}"
    expect_prompt_exit
}

# Up to the 61st press; the closing message opens as the main window's own
# dialog (the compositor decides where: weston puts every new window at a
# spot of its own choosing), takes the keyboard, and Return ends the program.
end_by_end_of_test() {
    press_suivant $((60 - PRESSES))
    holds_for 300 absent view "$MESSAGE_TITLE" || fail "run $RUN: a message came up before the 61st press"
    press_suivant 1
    wait_for "$WAIT_SECONDS" "the closing message" view "$MESSAGE_TITLE"
    local main message owner
    main=$(DISPLAY=$XWAYLAND_DISPLAY find_window "$MAIN_TITLE")
    message=$(DISPLAY=$XWAYLAND_DISPLAY find_window "$MESSAGE_TITLE") \
        || fail "run $RUN: the closing message is not an X window of the program"
    owner=$(DISPLAY=$XWAYLAND_DISPLAY x xprop -id "$message" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
    [ -n "$owner" ] && (( owner == main )) || fail "run $RUN: the closing message belongs to ${owner:-no window}, not to the main window $main"
    if [ "$RUN" -eq 1 ] && [ -n "${QUOVALE_ARTIFACTS:-}" ]; then
        x "$QUOVALE_GRAB" "$WESTON_WINDOW" "$QUOVALE_ARTIFACTS/e2e-weston-message.png" 2>>"$E2E_TMP/grab.err" \
            || fail "could not save the closing message's picture"
    fi
    press_keys Return
    expect_prompt_exit
}

absent() { ! "$@" >/dev/null; }

scenario_runs() { # WAY-OUT
    start_xvfb
    start_weston
    for RUN in $(seq "$RUNS"); do
        start_run
        take_screens
        ask_compositor
        "end_by_$1"
    done
    log "$RUNS runs ended by the ${1//_/ }, each with status 0"
    stop_weston
    teardown
}

scenario_close_box() { scenario_runs close_box; }
scenario_quitter() { scenario_runs quitter; }
scenario_end_of_test() { scenario_runs end_of_test; }

run_scenario
