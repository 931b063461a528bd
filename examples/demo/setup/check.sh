#!/bin/sh
# Aurora Studio 5 - setup check.
#
# Looks at this computer and at the disc and reports what it finds. The check
# only reads; it never writes any file.

title="Aurora Studio 5 - Setup check"

here=$(cd "$(dirname "$0")" && pwd)
disc=$(dirname "$here")

system=$(uname -sm 2>/dev/null || echo "unknown")
free_tmp=$(df -Pk /tmp 2>/dev/null | awk 'NR == 2 { printf "%d MB", $4 / 1024 }')
[ -n "$free_tmp" ] || free_tmp="unknown"

missing=""
for file in docs/manual.html docs/release-notes.txt setup/install.sh menu/background.jpg; do
  [ -e "$disc/$file" ] || missing="$missing $file"
done
if [ -z "$missing" ]; then
  disc_state="all files present"
else
  disc_state="missing:$missing"
fi

message="System:               $system
Free space in /tmp:   $free_tmp
Disc contents:        $disc_state

Aurora Studio 5 needs about 850 MB of free disk space."

. "$(dirname "$0")/show.sh"
show 420
exit 0
