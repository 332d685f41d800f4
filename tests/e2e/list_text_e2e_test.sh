#!/usr/bin/env bash
# The real program, started on its own with a list file beside it, used with
# real mouse and keyboard input: the list file is rewritten at start, text
# typed into the list text is saved once the text box loses the focus, the
# window can be dragged by a label and by its bare background, and closing
# the window ends the program with exit code 0.
set -euo pipefail
exe="$1"
work="$2"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
cp "$exe" "$work/varnelle.exe"
list="$work/网址.txt"
printf '笔记\r\nhttp://a.example/\r\nhttp://b.example/' | iconv -f UTF-8 -t GBK >"$list"
original="$(od -An -tx1 "$list")"
touch -d '2000-01-01' "$list"

cd "$work"
export LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all
wine varnelle.exe >/dev/null 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 1 120); do
    window="$(xdotool search --onlyvisible --name '^Varnelle V1\.0' 2>/dev/null | head -n1 || true)"
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || fail "the main window did not appear"
echo "window $window is up"

# Rewritten during start-up, byte for byte.
[ "$(stat -c %Y "$list")" -gt "$(date -d 2001-01-01 +%s)" ] || fail "the list file was not rewritten at start"
[ "$(od -An -tx1 "$list")" = "$original" ] || fail "the list file changed at start"

# The X window is the client area: the list text box is at 2,40 500x256,
# the entry list at 2,304.
sleep 1
xdotool mousemove --window "$window" 250 150 click 1
sleep 0.3
xdotool key ctrl+End Return
xdotool type --delay 20 'http://typed.example/'
sleep 0.3
# Typing alone saves nothing.
[ "$(od -An -tx1 "$list")" = "$original" ] || fail "the list file changed while typing"
xdotool mousemove --window "$window" 250 600 click 1
sleep 1
expected="$(printf '笔记\r\nhttp://a.example/\r\nhttp://b.example/\r\nhttp://typed.example/' | iconv -f UTF-8 -t GBK | od -An -tx1)"
[ "$(od -An -tx1 "$list")" = "$expected" ] || fail "the typed line was not saved: $(iconv -f GBK -t UTF-8 "$list" | od -c)"
echo "typed line saved"

position() {
    xdotool getwindowgeometry "$window" | sed -n 's/ *Position: \([-0-9]*\),\([-0-9]*\).*/\1 \2/p'
}
# Drag: press, move in two steps, release; the window follows the mouse.
drag() {
    xdotool mousemove --window "$window" "$1" "$2" mousedown 1
    sleep 0.3
    xdotool mousemove_relative -- "$3" "$4"
    sleep 0.3
    xdotool mousemove_relative -- "$3" "$4"
    sleep 0.3
    xdotool mouseup 1
    sleep 0.5
}
read -r x0 y0 < <(position)
drag 40 20 30 40 # on the label "网址列表："
read -r x1 y1 < <(position)
[ "$x1" -eq $((x0 + 60)) ] && [ "$y1" -eq $((y0 + 80)) ] || fail "label drag: $x0,$y0 -> $x1,$y1"
drag 640 20 -25 -25 # on the bare background
read -r x2 y2 < <(position)
[ "$x2" -eq $((x1 - 50)) ] && [ "$y2" -eq $((y1 - 50)) ] || fail "background drag: $x1,$y1 -> $x2,$y2"
echo "dragged by the label and by the background"

xdotool key --window "$window" alt+F4
status=0
for _ in $(seq 1 60); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$program" 2>/dev/null && fail "the program did not end after closing its window"
wait "$program" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "exit code $status"
echo "closed with exit code 0"
