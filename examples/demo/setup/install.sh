#!/bin/sh
# Aurora Studio 5 - demo installer.
#
# This disc is a demonstration: the "installer" copies nothing. It only tells
# the user what a real installation would do, in a dialog when one is
# available and on standard output otherwise.

title="Aurora Studio 5 Setup"
message="Welcome to Aurora Studio 5!

A real installer would now copy Aurora Studio to your computer.
This is a demonstration disc, so nothing has been installed or changed."

show() {
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    if command -v zenity >/dev/null 2>&1; then
      zenity --info --title="$title" --text="$message" --width=360 2>/dev/null && return 0
    fi
    if command -v xmessage >/dev/null 2>&1; then
      xmessage -center -title "$title" -buttons OK:0 "$message" 2>/dev/null && return 0
    fi
  fi
  printf '%s\n\n%s\n' "$title" "$message"
}

show
exit 0
