#!/usr/bin/env bash
# The program outside src/courses/ names no window of one course: every window name a course
# declares (its windows.h) appears nowhere else under src/.
set -u
src="$1/src"
status=0
for names in "$src"/courses/*/windows.h; do
  while IFS= read -r name; do
    if hits=$(grep -rlF --exclude-dir=courses -- "\"$name\"" "$src"); then
      echo "$name is named outside its course: $hits"
      status=1
    fi
  done < <(grep -oE '\{"[^"]+"\}' "$names" | sed -E 's/^\{"(.*)"\}$/\1/')
done
if hits=$(grep -rnE --exclude-dir=courses 'screens::(Easy|Normal|Hard)' "$src"); then
  echo "course windows used outside the courses: $hits"
  status=1
fi
exit $status
