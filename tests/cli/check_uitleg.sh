#!/bin/sh
# --uitleg over a sample of the collections, with and without --trial and --modules, checked
# by the independent checker beside the repository, as a person with pencil marks follows it
# (--leerling): every proof, every cause, what each exclusion strikes and rests on, every
# repair's contradiction. Skipped (77) when the checker is not there.
cli=$1 checker=$2 puzzels=$3
[ -x "$checker" ] && command -v python3 >/dev/null || exit 77
[ -r "$puzzels/top95.txt" ] || { echo "no collections in $puzzels"; exit 1; }
monster=$(mktemp) uit=$(mktemp)
trap 'rm -f "$monster" "$uit"' EXIT
for f in top95 hardest easy50 forum_hardest_1106; do
  [ -r "$puzzels/$f.txt" ] && head -n 25 "$puzzels/$f.txt" | cut -c1-81
done >"$monster"
for opties in "" "--trial" "--modules" "--modules --trial"; do
  # shellcheck disable=SC2086
  "$cli" $opties --uitleg --batch "$monster" >"$uit" 2>/dev/null
  "$checker" --leerling "$monster" "$uit" || { echo "check-uitleg failed with options [$opties]"; exit 1; }
done
