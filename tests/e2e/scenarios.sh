#!/usr/bin/env bash
# End-to-end scenarios: the built program on a real X server with a window
# manager, driven with the keyboard and the mouse as a candidate drives it.
#   scenarios.sh SCENARIO
# SCENARIO is one of the functions named scenario_* below.

SCENARIO=${1:-}
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Client-area points of the controls, from the window's layout.
BOX_A=(23 288)     # cckInput1, on its square
BOX_B=(111 288)    # cckInput2
BOX_C=(199 288)    # cckInput3
REPONSES=(335 288) # cckAnswers
SUIVANT=(292 324)
QUITTER=(372 324)
# Parts of the client area compared between pictures (x y w h).
PART_BOX_A=(16 280 33 17)
PART_CORRECTIONS=(48 280 241 25) # Quest1..3, beside the answer boxes
PART_QUESTION=(8 112 401 161)    # rtfAnswer

client_prop() { x xprop -id "$MAIN_WINDOW" "$@" 2>/dev/null; }

# The client area's size as the X server has it, "W x H".
client_size() {
    x xwininfo -id "$MAIN_WINDOW" 2>/dev/null \
        | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w " x " h }'
}

part_differs() { # BEFORE X Y W H
    local before=$1
    shift
    grab "$E2E_TMP/now.png" "$@" && ! cmp -s "$before" "$E2E_TMP/now.png"
}

size_is() { [ "$(client_size)" = "$1" ]; }

# wait_part_changes WHAT BEFORE X Y W H: waits until the picture of that
# part of the client area differs from BEFORE (a PNG file).
wait_part_changes() {
    local what=$1 before=$2
    shift 2
    wait_for "$WAIT_SECONDS" "$what to show on screen" part_differs "$before" "$@"
}

# The candidate pressing Suivant with the space bar while it has the focus.
press_space() {
    local keys=()
    for _ in $(seq "$1"); do keys+=(space); done
    press_keys "${keys[@]}"
}

# Watches for a second that no message comes up.
expect_no_message() {
    holds_for 1000 absent find_window 'Test Quovale' || fail "a message came up $1"
}

absent() { ! "$@" >/dev/null; }

# The 61st press: the closing message, a window of its own titled with the
# application title; Return closes it, and the program ends with status 0.
finish_with_closing_message() {
    wait_for "$WAIT_SECONDS" "the closing message" find_window 'Test Quovale'
    local message
    message=$(find_window 'Test Quovale')
    [ "$message" != "$MAIN_WINDOW" ] || fail "the closing message is the main window itself"
    log "closing message is window $message"
    # It takes the focus by itself, as a modal box does: the candidate
    # only presses Return.
    wait_for "$WAIT_SECONDS" "the closing message to take the focus" active_window_is "$message"
    press_keys Return
    expect_exit_zero
}

scenario_window() {
    start_x
    start_program
    wait_main_window

    local name
    name=$(window_title "$MAIN_WINDOW")
    [[ $name == 'Test Quovale - par '?* ]] || fail "caption does not start with \"Test Quovale - par \": $name"
    log "caption: $name"

    local size
    size=$(client_size)
    [ "$size" = "804 x 356" ] || fail "client area is $size, not 804 x 356"

    # The window itself asks for a fixed size, and for no minimise or
    # maximise box (Motif hints: functions bit 8 minimise, 16 maximise;
    # decorations bit 32 minimise, 64 maximise).
    local hints
    hints=$(client_prop WM_NORMAL_HINTS)
    if ! grep -q 'minimum size: 804 by 356' <<<"$hints" || ! grep -q 'maximum size: 804 by 356' <<<"$hints"; then
        fail "size hints do not fix the size at 804 x 356: $hints"
    fi
    local motif flags functions decorations
    motif=$(client_prop _MOTIF_WM_HINTS)
    read -r flags functions decorations < <(sed 's/.*= //; s/,/ /g' <<<"$motif")
    [ -n "$decorations" ] || fail "no Motif hints on the window: $motif"
    if (( (flags & 1) && (functions & 1 || functions & 8 || functions & 16) )); then
        fail "the window asks for minimise or maximise functions: $motif"
    fi
    if (( (flags & 2) && (decorations & 1 || decorations & 32 || decorations & 64) )); then
        fail "the window asks for minimise or maximise boxes: $motif"
    fi

    # What the window manager offers. Openbox grants minimise to every
    # window with a title bar, whatever the window asks for, so that one
    # is checked on the window's own hints above.
    local actions
    actions=$(client_prop _NET_WM_ALLOWED_ACTIONS)
    [[ $actions == *_NET_WM_ACTION_CLOSE* ]] || fail "the window manager offers no close box: $actions"
    local forbidden
    for forbidden in _NET_WM_ACTION_RESIZE _NET_WM_ACTION_MAXIMIZE_HORZ _NET_WM_ACTION_MAXIMIZE_VERT; do
        [[ $actions != *"$forbidden"* ]] || fail "the window manager offers $forbidden: $actions"
    done
    [[ $actions != *_NET_WM_ACTION_MINIMIZE* ]] \
        || log "note: openbox offers minimise although the window asks for none"

    # Asked to grow or to maximise, the window keeps its size.
    x wmctrl -i -r "$MAIN_WINDOW" -e 0,-1,-1,1000,600 || fail "wmctrl could not ask for a new size"
    x wmctrl -i -r "$MAIN_WINDOW" -b add,maximized_vert,maximized_horz || fail "wmctrl could not ask to maximise"
    holds_for 1000 size_is "804 x 356" || fail "asked to grow, the client area became $(client_size)"
    [[ $(client_prop _NET_WM_STATE) != *MAXIMIZED* ]] || fail "the window was maximised: $(client_prop _NET_WM_STATE)"

    # The close box before the test has started.
    x wmctrl -i -c "$MAIN_WINDOW" || fail "wmctrl could not ask the window to close"
    expect_exit_zero
    teardown
}

# 61 presses of the space bar: the start, 59 screens on, then the end.
scenario_screens_keys() {
    start_x
    start_program
    wait_main_window

    local waiting="$E2E_TMP/waiting.png"
    grab "$waiting" "${PART_QUESTION[@]}" || fail "could not grab the waiting window"
    press_space 1
    wait_part_changes "question 1" "$waiting" "${PART_QUESTION[@]}"
    if [ -n "${QUOVALE_ARTIFACTS:-}" ]; then
        grab "$QUOVALE_ARTIFACTS/e2e-first-question.png" || fail "could not save the first question's picture"
        log "picture of question 1: $QUOVALE_ARTIFACTS/e2e-first-question.png"
    fi

    press_space 59
    expect_no_message "after 60 presses (question 60 should be on show)"
    [ ! -s "$E2E_TMP/status" ] || fail "the program ended before the 61st press"
    press_space 1
    finish_with_closing_message
    teardown
}

# The whole test with the mouse on some screens: boxes ticked by clicks,
# the correction shown, Suivant clicked; the space bar elsewhere.
scenario_screens_clicks() {
    start_x
    start_program
    wait_main_window

    local waiting="$E2E_TMP/waiting.png" clear="$E2E_TMP/clear.png" hidden="$E2E_TMP/hidden.png"
    grab "$waiting" "${PART_QUESTION[@]}" || fail "could not grab the waiting window"
    click "${SUIVANT[@]}" # "Commencer"
    park_pointer
    wait_part_changes "question 1" "$waiting" "${PART_QUESTION[@]}"
    grab "$clear" "${PART_BOX_A[@]}" || fail "could not grab answer box a)"
    click "${BOX_A[@]}"
    park_pointer
    wait_part_changes "the tick in box a)" "$clear" "${PART_BOX_A[@]}"
    grab "$hidden" "${PART_CORRECTIONS[@]}" || fail "could not grab the corrections"
    click "${REPONSES[@]}"
    park_pointer
    wait_part_changes "the corrections of \"Réponses\"" "$hidden" "${PART_CORRECTIONS[@]}"

    # Screens 1, 11, ..., 51: b) and c) ticked and Suivant clicked; the
    # nine screens after each of them: the space bar.
    local block
    for block in 1 2 3 4 5 6; do
        click "${BOX_B[@]}" "${BOX_C[@]}" "${SUIVANT[@]}"
        if [ "$block" -lt 6 ]; then press_space 9; else press_space 8; fi
    done
    [ ! -s "$E2E_TMP/status" ] || fail "the program ended before the last press"
    expect_no_message "with question 60 on show"
    click "${SUIVANT[@]}"
    finish_with_closing_message
    teardown
}

scenario_quit_before_start() {
    start_x
    start_program
    wait_main_window
    click "${QUITTER[@]}"
    expect_exit_zero
    teardown
}

scenario_quit_mid_test() {
    start_x
    start_program
    wait_main_window
    press_space 3
    click "${BOX_A[@]}" "${BOX_C[@]}" "${QUITTER[@]}"
    expect_exit_zero
    teardown
}

scenario_close_mid_test() {
    start_x
    start_program
    wait_main_window
    press_space 5
    click "${BOX_B[@]}" "${REPONSES[@]}"
    x wmctrl -i -c "$MAIN_WINDOW" || fail "wmctrl could not ask the window to close"
    expect_exit_zero
    teardown
}

# waiting_picture OUT [ARGUMENT]...: the program started with these
# arguments, a picture of its waiting window, then Quitter.
waiting_picture() {
    local out=$1
    shift
    # The pointer away from where the window opens: the last run's click on
    # Quitter must not leave the new window's Quitter lit up.
    x xdotool mousemove 1270 1010 >/dev/null 2>&1
    start_program "$@"
    wait_main_window
    # The first picture may come before the first paint: wait for two
    # pictures in a row to agree.
    wait_for "$WAIT_SECONDS" "a picture of the waiting window" grab "$out"
    wait_for "$WAIT_SECONDS" "the waiting window to settle" same_as_now "$out"
    click "${QUITTER[@]}"
    expect_exit_zero
}

same_as_now() { # PICTURE: the window looks like it now; PICTURE is brought up to date
    grab "$E2E_TMP/now.png" && cmp -s "$1" "$E2E_TMP/now.png" && return 0
    cp "$E2E_TMP/now.png" "$1" 2>/dev/null
    return 1
}

# The same window on a dark GTK desktop, and with Qt's own command-line
# options given to the program, as on a plain desktop.
scenario_desktop_theme() {
    local theme_plugin
    theme_plugin=$(find /usr/lib/*/qt6/plugins/platformthemes -name 'libqgtk3.so' 2>/dev/null | head -n 1)
    [ -n "$theme_plugin" ] || fail "Qt's GTK theme plugin is not installed (qt6-gtk-platformtheme)"
    start_x
    local plain="$E2E_TMP/plain.png" dark="$E2E_TMP/dark.png" options="$E2E_TMP/options.png"
    waiting_picture "$plain"
    QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark waiting_picture "$dark"
    grep -q 'gtk' "$E2E_TMP/quovale.err" && log "theme plugin said: $(grep gtk "$E2E_TMP/quovale.err" | head -n 3)"
    printf 'QWidget { background: black; color: yellow; }\n' >"$E2E_TMP/black.qss"
    waiting_picture "$options" -reverse -stylesheet "$E2E_TMP/black.qss" -platformtheme gtk3
    cp "$plain" "${QUOVALE_ARTIFACTS:-$E2E_TMP}/e2e-plain-desktop.png"
    cp "$dark" "${QUOVALE_ARTIFACTS:-$E2E_TMP}/e2e-dark-desktop.png"
    cmp -s "$plain" "$dark" || fail "the window differs on a dark GTK desktop (see e2e-dark-desktop.png)"
    cp "$options" "${QUOVALE_ARTIFACTS:-$E2E_TMP}/e2e-qt-options.png"
    cmp -s "$plain" "$options" || fail "Qt's command-line options changed the window (see e2e-qt-options.png)"
    teardown
}

# A window manager that imposes a size and then turns the program's first
# requests for its own size down, answering with the size it keeps, as
# weston does while a window is still fullscreen: the window must still get
# back to 804 x 356 on the X server, not only in the program's own books.

scenario_refused_resize() {
    : "${QUOVALE_STUBBORN_WM:?QUOVALE_STUBBORN_WM must name the built e2e_stubborn_wm}"
    start_xvfb
    "$QUOVALE_STUBBORN_WM" 1000 700 3 >"$E2E_TMP/wm.log" 2>&1 &
    WM_PID=$!
    wait_for "$WAIT_SECONDS" "the stubborn window manager to manage the screen" grep -q ready "$E2E_TMP/wm.log"
    start_program
    wait_for "$WAIT_SECONDS" "the main window to map" find_window 'Test Quovale - par *'
    MAIN_WINDOW=$(find_window 'Test Quovale - par *')
    wait_for "$WAIT_SECONDS" "the window back at 804 x 356" size_is "804 x 356"
    holds_for 1000 size_is "804 x 356" || fail "the window left 804 x 356 again: $(client_size)"
    [ "$(grep -c '^refused' "$E2E_TMP/wm.log")" -eq 3 ] \
        || fail "the window manager did not turn down three requests: $(cat "$E2E_TMP/wm.log")"
    click "${QUITTER[@]}"
    expect_exit_zero
    teardown
}

run_scenario
