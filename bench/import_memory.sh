#!/usr/bin/env bash
# Peak memory of `qbk import` as the number of files grows: folders of 1,000, 10,000 and
# 20,000 Markdown files of about 2 KB (40 sub-folders, front matter, lists, emphasis), each
# imported into a new journal under /usr/bin/time -v. The import streams, so the peak should
# stay about the same for every count.
#   bench/import_memory.sh [QBK] [COUNT...]     (QBK defaults to build-bench's, then build's)
set -euo pipefail
cd "$(dirname "$0")/.."
qbk=${1:-}
[ $# -gt 0 ] && shift
if [ -z "$qbk" ]; then
  for q in build-bench/src/cli/qbk build/src/cli/qbk; do [ -x "$q" ] && qbk=$q && break; done
fi
[ -x "$qbk" ] || { echo "no qbk program; build the qbk target first" >&2; exit 2; }
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(1000 10000 20000)
work=${TMPDIR:-/tmp}/quillbook-import-memory
mkdir -p "$work"

make_folder() { # COUNT FOLDER: made once, kept for later runs
  [ -e "$2/done" ] && return
  rm -rf "$2"
  python3 - "$1" "$2" <<'EOF'
import os, random, sys
count, folder = int(sys.argv[1]), sys.argv[2]
rng = random.Random(20240601)
words = ["walk", "river", "coffee", "letter", "garden", "train", "rain", "book"]
for i in range(count):
    sub = os.path.join(folder, "year %d" % (1990 + i % 40))
    os.makedirs(sub, exist_ok=True)
    text = "---\ntags: [bench, w%d]\n---\n# Day %d\n\n" % (i % 50, i)
    while len(text) < 2000:
        text += " ".join("**%s**" % w if rng.random() < 0.1 else w
                         for w in (rng.choice(words) for _ in range(12)))
        text += "\n\n- item *one*\n- item two\n\n" if rng.random() < 0.25 else "\n\n"
    name = "%d-%02d-%02d %d.md" % (1990 + i % 40, 1 + i % 12, 1 + i % 28, i)
    with open(os.path.join(sub, name), "w") as f:
        f.write(text)
open(os.path.join(folder, "done"), "w").close()
EOF
}

printf '%8s %12s %10s %10s %12s\n' files "peak RSS MB" "wall s" "CPU s" entries/s
for n in "${counts[@]}"; do
  folder=$work/md-$n
  make_folder "$n" "$folder"
  journal=$work/import-$n.qbk
  rm -f "$journal"
  "$qbk" create "$journal" --title "Import $n" >/dev/null
  /usr/bin/time -v -o "$work/time-$n.txt" "$qbk" import "$journal" --from markdown "$folder" \
    --topics-from-tags >/dev/null
  awk -v n="$n" -F': ' '
    /Maximum resident set size/ { rss = $2 / 1024 }
    /User time/ { cpu += $2 } /System time/ { cpu += $2 }
    /Elapsed \(wall clock\)/ { k = split($2, t, ":"); wall = 0; for (i = 1; i <= k; ++i) wall = wall * 60 + t[i] }
    END { printf "%8d %12.1f %10.2f %10.2f %12.0f\n", n, rss, wall, cpu, n / wall }' \
    "$work/time-$n.txt"
done
