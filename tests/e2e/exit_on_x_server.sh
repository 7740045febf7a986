#!/usr/bin/env bash
# Starts the real program on a real X server, waits for its window, ends it
# with the "Exit" menu command through its keyboard accelerator, and checks
# that the program exits with status 0 within a few seconds.
set -euo pipefail

zorva=$1
if [ -z "${DISPLAY:-}" ] || [ "${2:-}" != "--on-display" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$zorva" --on-display
fi

"$zorva" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Zorva по БЕЛ' | head -n 1)
echo "window $window is mapped"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+e

for _ in $(seq 50); do
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    echo "zorva exited with status $status"
    trap - EXIT
    exit "$status"
  fi
  sleep 0.1
done
echo "zorva did not exit within 5 seconds after Exit" >&2
exit 1
