# shellcheck shell=bash
# Sourced by the end-to-end scripts. They run the real program as a person would, in an
# X server of their own (Xvfb) and in a network namespace of their own, so that no probe
# and no name lookup can leave the machine. The window has no frame and there is no
# window manager, so the window's position is the origin of its client area; every
# coordinate handed to the helpers below is a client coordinate. With `scale` set to a
# whole factor (QT_SCALE_FACTOR), they stand for that many screen pixels each way.
#
# A script calls, in this order:
#   session_enter "$@"       arguments <lumet> <resource directory>; exits 77 when the
#                            tools or the rights to make a namespace are missing
#   session_profile <lines>  the profile the program starts with
#   session_start_x [WxH]    the screen, 800x600 unless given
#   start_lumet              as often as it likes

source "${BASH_SOURCE[0]%/*}/../support/test_namespace.sh"

# Colours the program draws with.
# shellcheck disable=SC2034 # used by the scripts that source this file
readonly LIGHT_CYAN='#CCFFFF'
readonly RED='#FF0000'
readonly DARK_RED='#800000'
readonly ORANGE='#FF9966'
readonly BLACK='#000000'

fail() {
    echo "FAILED: $*"
    exit 1
}

session_enter() {
    local tool
    for tool in Xvfb xdotool import convert compare unshare ip awk; do
        if ! command -v "$tool" > /dev/null; then
            echo "needs $tool (packages xvfb, xdotool, imagemagick, iproute2)"
            exit 77
        fi
    done
    enter_test_namespace "$0" "$@"
    lumet=$(realpath "$1")
    resources=$(realpath "$2")
    bitmaps="$resources/bitmaps"
    work=$(mktemp -d)
    scale=1
    xvfb_pid=
    lumet_pid=
    trap session_cleanup EXIT

    # The program's directory: the help file and a server list of our own (never the
    # shipped one, whose hosts are on the Internet).
    mkdir -p "$work/run" "$work/config/Orbisk"
    cp "$resources/lumet.hlp" "$work/run/"
    printf '127.0.0.1\n' > "$work/run/random.lst"
    profile="$work/config/Orbisk/lumet.conf"
    export XDG_CONFIG_HOME="$work/config"
    # Under the leak checker of a sanitizer build: the session bus library keeps an
    # allocation of its own until the process ends.
    printf 'leak:libdbus-1.so\n' > "$work/lsan.supp"
    export LSAN_OPTIONS="suppressions=$work/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export XDG_RUNTIME_DIR="$work/xdg-runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

session_cleanup() {
    if [ -n "$lumet_pid" ]; then kill "$lumet_pid" 2> /dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2> /dev/null || true; fi
    rm -rf "$work"
}

session_profile() {
    printf '[1.0]\n' > "$profile"
    printf '%s\n' "$@" >> "$profile"
}

session_start_x() {
    Xvfb -displayfd 3 -screen 0 "${1:-800x600}x24" -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
    xvfb_pid=$!
    local _
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# Starts the program and waits until its start-up has put the saved address into the
# field (the profiles of the scripts always hold one). Sets window, left and top.
start_lumet() {
    (cd "$work/run" && exec "$lumet") > "$work/lumet.log" 2>&1 &
    lumet_pid=$!
    window=
    local _
    for _ in $(seq 100); do
        window=$(xdotool search --name '^Ping$' 2> /dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "no window named Ping: $(cat "$work/lumet.log")"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    left=$X
    top=$Y
    for _ in $(seq 100); do
        shot started
        [ "$(count_colour started 12 62 302 32 "$LIGHT_CYAN")" -gt 0 ] && break
        sleep 0.1
    done
    [ "$(count_colour started 12 62 302 32 "$LIGHT_CYAN")" -gt 0 ] ||
        fail "the start-up did not fill the address field"
    # Nothing paints over the caption strip, so there the client area must show the skin
    # exactly; a frame or an offset would move it.
    convert "$bitmaps/129.bmp" -crop 280x24+0+0 +repage -sample "$((scale * 100))%" \
        "$work/skin-title.png"
    convert "$work/started.png" -crop "$((280 * scale))x$((24 * scale))+$left+$top" +repage \
        "$work/shot-title.png"
    [ "$(compare -metric AE "$work/skin-title.png" "$work/shot-title.png" null: 2>&1)" = 0 ] ||
        fail "the client area does not start at the window position ($left, $top)"
    xdotool windowfocus "$window" 2> /dev/null || true
}

wait_for_exit() {
    local _
    for _ in $(seq 100); do
        kill -0 "$lumet_pid" 2> /dev/null || break
        sleep 0.1
    done
    kill -0 "$lumet_pid" 2> /dev/null && fail "the program did not end"
    local status=0
    wait "$lumet_pid" || status=$?
    lumet_pid=
    [ "$status" = 0 ] || fail "exit code $status: $(cat "$work/lumet.log")"
}

wait_for_title() { # expected title, tenths of a second
    local _ title=
    for _ in $(seq "$2"); do
        title=$(xdotool getwindowname "$window")
        [ "$title" = "$1" ] && return 0
        sleep 0.1
    done
    fail "window title '$title', expected '$1'"
}

shot() { # name: a screenshot of the whole screen in $work/<name>.png
    import -window root "$work/$1.png"
}

# The pixels of a client rectangle of a screenshot, one "x,y: (r,g,b) #RRGGBB ..." line
# each, x and y counted from the rectangle's corner.
pixels() { # name x y width height
    convert "$work/$1.png" \
        -crop "$(($4 * scale))x$(($5 * scale))+$((left + $2 * scale))+$((top + $3 * scale))" \
        +repage -depth 8 txt:- | tail -n +2
}

pixel() { # name x y: the colour as #RRGGBB
    pixels "$1" "$2" "$3" 1 1 | awk '{ print $3 }'
}

count_colour() { # name x y width height colour
    pixels "$1" "$2" "$3" "$4" "$5" | awk -v colour="$6" '$3 == colour { n++ } END { print n + 0 }'
}

# Pixels that differ between two screenshots inside a client rectangle.
differing() { # before after x y width height
    local area="$(($5 * scale))x$(($6 * scale))+$((left + $3 * scale))+$((top + $4 * scale))"
    convert "$work/$1.png" -crop "$area" +repage "$work/crop-a.png"
    convert "$work/$2.png" -crop "$area" +repage "$work/crop-b.png"
    compare -metric AE "$work/crop-a.png" "$work/crop-b.png" null: 2>&1 || true
}

# A resource bitmap in the same pixel listing as pixels().
bitmap_pixels() { # number
    convert "$bitmaps/$1.bmp" -depth 8 txt:- | tail -n +2
}

# Moves the pointer to a client point in two steps, so that the program sees a move
# onto the point itself.
point_at() { # x y
    xdotool mousemove $((left + $1 * scale)) $((top + $2 * scale))
    sleep 0.2
    xdotool mousemove $((left + $1 * scale + 1)) $((top + $2 * scale))
    sleep 0.2
}

click() { # x y
    point_at "$1" "$2"
    xdotool click 1
}

double_click() { # x y
    point_at "$1" "$2"
    xdotool click --repeat 2 --delay 60 1
}

# The end of a test: the blinking average pointer is drawn straight onto the window one
# row lower than the pointer kept in the scale, so light cyan in client row 37 next to
# the scale's left edge appears only while it blinks.
wait_for_blink() {
    local _
    for _ in $(seq 100); do
        shot blink
        [ "$(count_colour blink 7 37 5 1 "$LIGHT_CYAN")" -gt 0 ] && return 0
        sleep 0.1
    done
    fail "the average pointer does not blink after the test"
}
