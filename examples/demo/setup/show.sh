# Shows $title and $message to the user, in a dialog of width $1 when one
# is available and on standard output otherwise. Sourced by the demo's
# scripts.
show() {
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    if command -v zenity >/dev/null 2>&1; then
      zenity --info --title="$title" --text="$message" --width="$1" 2>/dev/null && return 0
    fi
    if command -v xmessage >/dev/null 2>&1; then
      xmessage -center -title "$title" -buttons OK:0 "$message" 2>/dev/null && return 0
    fi
  fi
  printf '%s\n\n%s\n' "$title" "$message"
}
