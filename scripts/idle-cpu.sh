#!/usr/bin/env bash
# Measures the CPU time an idle Quillbook window uses, on a virtual X display:
#   1. an entry open in the editor while another program owns the clipboard, 10 s untouched;
#   2. a journal of ENTRIES entries with an empty folder selected, 10 s of mouse movement.
# Prints the CPU seconds of Quillbook and of the X server for each.
#   scripts/idle-cpu.sh [ENTRIES]   (default 100000; QUILLBOOK=program, else the one built)
set -euo pipefail
cd "$(dirname "$0")/.."
entries="${1:-100000}"
app="${QUILLBOOK:-$PWD/build/src/gui/quillbook}"
work="$(mktemp -d)"
export DISPLAY=:95
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb :95 -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
xserver=$!
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# utime + stime of a process, in clock ticks.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# CPU seconds of Quillbook and the X server over 10 s.
measure() {
  local a0 x0
  a0=$(ticks "$quillbook")
  x0=$(ticks "$xserver")
  sleep 10
  echo "$1: quillbook $(ticks "$quillbook") - $a0, X server $(ticks "$xserver") - $x0 ticks" \
       "(of $(getconf CLK_TCK) a second)"
}
# Starts Quillbook on a journal and waits for its main window.
launch() {
  "$app" --nosplash "$1" >/dev/null 2>&1 &
  quillbook=$!
  pids+=($quillbook)
  window=$(xdotool search --sync --onlyvisible --pid "$quillbook" --name Quillbook | head -1)
  xdotool windowactivate --sync "$window" windowsize --sync "$window" 1000 700 \
    windowmove --sync "$window" 0 0
  sleep 2
}

"$app" --make-sample "$work/sample.qbk"
launch "$work/sample.qbk"
# The first entry's row in the entry list (top right), double-clicked: the editor opens.
xdotool mousemove 320 158 click --repeat 2 --delay 60 1
sleep 2
xdotool type --delay 50 "typed while another program owns the clipboard"
echo "a line copied in another program" | xclip -selection clipboard -loops 0 &
pids+=($!)
sleep 2
import -window root "$work/editor.png" && cp "$work/editor.png" /tmp/idle-cpu-editor.png
measure "editor open, clipboard owned elsewhere"
kill "$quillbook"
wait "$quillbook" 2>/dev/null || true

# A large journal: the sample's entries copied until there are enough, and an empty folder.
cp "$work/sample.qbk" "$work/large.qbk"
python3 - "$work/large.qbk" "$entries" <<'EOF'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
cols = "TimeStamp, FolderID, Comment, UserComment, EntryText"
while db.execute("SELECT count(*) FROM Entry").fetchone()[0] < int(sys.argv[2]):
    db.execute(f"INSERT INTO Entry (EntryID, {cols}) "
               f"SELECT EntryID || '-' || rowid, {cols} FROM Entry LIMIT ?", (int(sys.argv[2]),))
db.execute("INSERT INTO Folder (FolderID, ParentID, Name) VALUES ('{Empty}', '{Root}', 'Empty')")
db.commit()
EOF
launch "$work/large.qbk"
# The empty folder is the tree's last line (top left), after the sample's four.
xdotool mousemove 90 251 click 1
sleep 2
import -window root "$work/large.png" && cp "$work/large.png" /tmp/idle-cpu-large.png
( for _ in $(seq 200); do xdotool mousemove 600 400 mousemove 650 450; sleep 0.05; done ) &
mover=$!
measure "$entries entries, empty folder selected, mouse moving"
wait "$mover"
