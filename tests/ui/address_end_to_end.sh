#!/usr/bin/env bash
# Address entry with the real pointer and keyboard (see end_to_end_session.sh): a
# double-click on the display area opens the address field; LOCALHOST typed there
# arrives as localhost, Enter resolves it to 127.0.0.1 and runs the test, with the name
# in the status line; resting on RUN shows the word START; a name that does not
# resolve shows the WRONG ADDRESS banner; QT saves the last tested address and name.
# Usage: address_end_to_end.sh <lumet> <resource directory>
set -euo pipefail
source "${BASH_SOURCE[0]%/*}/end_to_end_session.sh"

# The name that must not resolve may only ever reach the resolvers of this namespace,
# where nothing answers. Lookup services reached through a socket outside it (a name
# service cache, systemd-resolved, multicast DNS) would send it out.
if [ -S /var/run/nscd/socket ] || [ -S /run/nscd/socket ]; then
    echo "a name service cache runs: name lookups would leave the network namespace"
    exit 77
fi
read -ra sources < <(awk '$1 == "hosts:" { $1 = ""; print }' /etc/nsswitch.conf 2> /dev/null) || true
for source in "${sources[@]}"; do
    case "$source" in
    files | dns | myhostname | '['*) ;;
    *)
        echo "hosts lookups through '$source' could leave the network namespace"
        exit 77
        ;;
    esac
done

session_enter "$@"
session_profile PingCount=4 PingInterval=1 LastIPAddr=127.0.0.1 LeftPos=0 TopPos=0
session_start_x

# Word pixels of a hover word (mask 0) that the screen does not show as the picture
# has them, the word standing at client (6, 62).
hover_word_misses() { # screenshot picture mask
    pixels "$1" 6 62 319 42 > "$work/word-screen.txt"
    awk 'FNR == 1 { file++ }
        file == 1 { mask[$1] = $3; next }
        file == 2 { picture[$1] = $3; next }
        mask[$1] == "#000000" && $3 != picture[$1] { misses++ }
        END { print misses + 0 }' <(bitmap_pixels "$3") <(bitmap_pixels "$2") "$work/word-screen.txt"
}

# Opens the address field for typing, clears it and types text.
enter_address() { # text
    double_click 160 85
    sleep 0.3
    xdotool key End
    xdotool key --repeat 16 BackSpace
    xdotool type --delay 20 "$1"
    sleep 0.3
}

start_lumet
shot start

# The zone for address entry is the display area below the scale; (160, 85) lies in
# the part marked by the hand cursor.
enter_address LOCALHOST
shot typed
[ "$(differing start typed 12 62 302 32)" != 0 ] || fail "typing did not change the address field"
# A name moves the field to (18, 70), where its text must show.
[ "$(count_colour typed 18 70 302 32 "$LIGHT_CYAN")" -gt 0 ] || fail "no name in the address field"

xdotool key Return
wait_for_title "4 Ping" 300
wait_for_blink
point_at 200 20 # ends the blinking
shot resolved
# The resolved name in the status line, lower display column 162 on (client 168), left
# of the count; the name the program resolved and saves is checked after QT.
[ "$(count_colour start 168 56 130 11 "$LIGHT_CYAN")" = 0 ] || fail "a host name before the run"
name_ink=$(count_colour resolved 168 56 130 11 "$LIGHT_CYAN")
echo "light cyan pixels of the host name: $name_ink"
[ "$name_ink" -ge 20 ] || fail "no host name in the status line"

# START, while no test runs: 100 ms after the pointer stops on RUN the word covers
# client rows 62-103; its own pixels (mask 0) show exactly as the picture has them.
point_at 346 40
word=
for _ in $(seq 30); do
    shot hover
    [ "$(hover_word_misses hover 152 158)" = 0 ] && word=START && break
    sleep 0.1
done
[ "$(hover_word_misses resolved 152 158)" != 0 ] || fail "START shown before the pointer rested"
[ "$word" = START ] || fail "no START word over the display: $(hover_word_misses hover 152 158) pixels differ"
[ "$(differing resolved hover 6 62 319 42)" != 0 ] || fail "the word area did not change"

# A name that does not resolve: the display area goes back to its first look and the
# banner (bitmap 211, 311 × 47) is combined onto it with OR at client (8, 60).
enter_address nosuch.invalid
shot entered
pixels entered 8 60 311 47 > "$work/banner-under.txt"
xdotool key Return
banner_missing=
for _ in $(seq 50); do
    shot banner
    pixels banner 8 60 311 47 > "$work/banner-screen.txt"
    # Per pixel: bits of the banner that the screen lacks (0 wherever OR put it), and
    # pixels other than screen-before OR banner. The field's caret, shown before and
    # gone with the field disabled, may account for one column of the latter.
    read -r banner_missing other other_columns < <(awk '
        function split_rgb(text, out) { gsub(/[()]/, "", text); return split(text, out, ",") }
        function bitwise(a, b, use_or,   r, p, i, x, y) {
            r = 0; p = 1
            for (i = 0; i < 8; i++) {
                x = a % 2; y = b % 2
                if (use_or ? (x || y) : (x && y)) r += p
                a = int(a / 2); b = int(b / 2); p *= 2
            }
            return r
        }
        FNR == 1 { file++ }
        file == 1 { banner[$1] = $2; next }
        file == 2 { under[$1] = $2; next }
        {
            split_rgb(banner[$1], b); split_rgb(under[$1], u); split_rgb($2, s)
            lacks = 0; differs = 0
            for (c = 1; c <= 3; c++) {
                if (bitwise(s[c], b[c], 0) != b[c]) lacks = 1
                if (bitwise(u[c], b[c], 1) != s[c]) differs = 1
            }
            missing += lacks
            if (differs) { other++; split($1, xy, ","); columns[xy[1]] = 1 }
        }
        END { n = 0; for (x in columns) n++; print missing + 0, other + 0, n }' \
        <(bitmap_pixels 211) "$work/banner-under.txt" "$work/banner-screen.txt")
    [ "$banner_missing" = 0 ] && break
    sleep 0.1
done
echo "banner: $banner_missing pixels without it, $other other pixels in $other_columns columns"
[ "$banner_missing" = 0 ] || fail "no WRONG ADDRESS banner at (8, 60)"
[ "$other_columns" -le 1 ] || fail "the banner is not the display OR the banner picture"
# Above the banner the display area shows its first look again: the bare scale.
[ "$(differing start banner 6 30 320 30)" = 0 ] || fail "the scale is not restored"

# The refused address leaves the mode buttons disabled: resting on RUN shows nothing.
point_at 346 40
sleep 0.3
shot resting
[ "$(differing banner resting 6 56 320 54)" = 0 ] || fail "a word over the display from a disabled RUN"

click 343 13 # QT
wait_for_exit
grep -q '^LastIPAddr=127.0.0.1$' "$profile" || fail "LastIPAddr: $(grep LastIPAddr "$profile")"
grep -q '^LastDNAddr=localhost$' "$profile" || fail "LastDNAddr: $(grep LastDNAddr "$profile")"
echo "passed"
