#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a user would: load a GBK
# export through the chooser, select rows with the keyboard, press F-keys while
# another X client has the focus, save through the real dialog and compare bytes.
set -euo pipefail
program=$1
key_holder=$2

work=$(mktemp -d)
pids=()
cleanup() {
    mountpoint -q "$work/full" 2>/dev/null && umount "$work/full"
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [[ -n "${BESTITEM_E2E_SHOT:-}" ]] && import -window root "$BESTITEM_E2E_SHOT" 2>/dev/null
    exit 1
}
step() { echo "--- $*"; }

display=
for n in $(seq 91 150); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then display=$n; break; fi
done
[[ -n "$display" ]] || fail "no free X display"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start"
unset QT_QPA_PLATFORM

# Waits for a window whose title contains $1 and prints its id.
window_named() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
no_window_named() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
settle() { sleep "${1:-0.5}"; }

# Clicks at client coordinates of the main window.
click_at() {
    xdotool mousemove --sync $((origin_x + $1)) $((origin_y + $2)) click 1
}

# Types a full path into the focused field of the dialog titled $1 and accepts.
answer_dialog() {
    local dialog
    dialog=$(window_named "$1") || fail "no dialog '$1'"
    xdotool windowfocus --sync "$dialog"
    settle 0.3
    xdotool key ctrl+a
    xdotool type --delay 5 "$2"
    xdotool key Return
}

wait_for_file() {
    for _ in $(seq 100); do [[ -s "$1" ]] && return 0; sleep 0.1; done
    fail "$1 was not written"
}

expect_bytes() {
    cmp "$1" "$2" || { echo "expected:"; od -c "$2" | head; echo "got:"; od -c "$1" | head; fail "$1 differs"; }
}

printf '1;\xb3\xa4\xbd\xa3;x\r\n2;\xb6\xdc\xc5\xc6;y\r\n3;Helm;z\r\n' >"$work/export.txt"

step "another client holds F5"
"$key_holder" FFC2 >"$work/holder.out" &
pids+=($!)
for _ in $(seq 50); do grep -q ready "$work/holder.out" 2>/dev/null && break; sleep 0.1; done
grep -q ready "$work/holder.out" || fail "the key holder did not start"

step "start the program"
"$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=($program_pid)
main=$(window_named "Quellar") || fail "no main window"
settle 1
eval "$(xdotool getwindowgeometry --shell "$main")"
origin_x=$X
origin_y=$Y
[[ $WIDTH -eq 567 && $HEIGHT -eq 483 ]] || fail "client area is ${WIDTH}x${HEIGHT}"
[[ $X -eq $(((1024 - 567) / 2)) && $Y -eq $(((768 - 483) / 2)) ]] || fail "not centred: $X,$Y"

step "load the export through the chooser"
xdotool windowfocus --sync "$main"
click_at 478 16
answer_dialog "浏览文件夹" "$work/export.txt"
settle 1
no_window_named "浏览文件夹" || fail "the chooser stayed open"

step "select the first two rows with the keyboard"
xdotool windowfocus --sync "$main"
click_at 100 62      # the first row
xdotool key shift+Down
settle 0.3

step "F2 and F5 while another client has the focus"
xmessage -geometry +0+0 "another program" &
pids+=($!)
other=$(window_named "xmessage") || fail "no other client window"
xdotool windowfocus --sync "$other"
settle 0.3
xdotool key F5       # held by the other client: nothing happens here
xdotool key F2
settle 0.5

step "save through the dialog"
xdotool windowfocus --sync "$main"
click_at 510 457
answer_dialog "保存文件bestitem.ini" "$work/first.ini"
success=$(window_named "保存成功") || fail "no success message"
xdotool windowfocus --sync "$success"
xdotool key Return
settle 0.5
version="Version=$(date +%Y)$(date +%-m)$(date +%-d)"
printf '%s\r\n\xb3\xa4\xbd\xa3=0,1,1,1\r\n\xb6\xdc\xc5\xc6=0,1,1,1\r\nHelm=0,0,0,0' "$version" >"$work/first.expected"
wait_for_file "$work/first.ini"
expect_bytes "$work/first.ini" "$work/first.expected"

step "F8 with NumLock on"
xdotool windowfocus --sync "$other"
xdotool key Num_Lock
settle 0.2
xdotool key F8
settle 0.5
xdotool key Num_Lock

step "save again; the dialog starts with bestitem.ini"
xdotool windowfocus --sync "$main"
click_at 510 457
dialog=$(window_named "保存文件bestitem.ini") || fail "no save dialog"
xdotool windowfocus --sync "$dialog"
settle 0.3
xdotool key Return    # accept the proposed name in the program's folder
success=$(window_named "保存成功") || fail "no success message"
xdotool windowfocus --sync "$success"
xdotool key Return
program_folder=$(dirname "$program")
printf '%s\r\n\xb3\xa4\xbd\xa3=0,0,0,1\r\n\xb6\xdc\xc5\xc6=0,0,0,1\r\nHelm=0,0,0,1' "$version" >"$work/second.expected"
wait_for_file "$program_folder/bestitem.ini"
mv "$program_folder/bestitem.ini" "$work/second.ini"
expect_bytes "$work/second.ini" "$work/second.expected"

step "a save to a full disk shows the error box and keeps the old file"
mkdir "$work/full"
if mount -t tmpfs -o size=64k tmpfs "$work/full" 2>/dev/null; then
    printf 'Version=1\r\nold=1,1,1,1' >"$work/full/bestitem.ini"
    head -c $((60 * 1024)) /dev/zero >"$work/full/filler" 2>/dev/null || true
    cp "$work/full/bestitem.ini" "$work/old.expected"
    settle 0.5
    xdotool windowfocus --sync "$main"
    click_at 510 457
    answer_dialog "保存文件bestitem.ini" "$work/full/bestitem.ini"
    settle 1
    xdotool key alt+y   # replace the existing file
    failure=$(window_named "保存失败") || fail "no error message"
    no_window_named "保存成功" || fail "a success message for a failed save"
    xdotool windowfocus --sync "$failure"
    xdotool key Return
    settle 0.5
    expect_bytes "$work/full/bestitem.ini" "$work/old.expected"
    umount "$work/full"
else
    echo "SKIPPED: full-disk save (cannot mount a small tmpfs here)"
fi

step "Esc closes the program with exit code 0"
xdotool windowfocus --sync "$main"
xdotool key Escape
status=0
wait "$program_pid" || status=$?
[[ $status -eq 0 ]] || fail "exit code $status"
echo "e2e: all steps passed"
