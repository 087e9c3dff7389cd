#!/usr/bin/env bash
# The real window under a virtual X server: start polyvista, type "+", take
# the window's pixels and compare them with polyvista-snapshot for the same
# arguments and keys, then close the window through the window manager
# (WM_DELETE_WINDOW) and expect exit code 0.
# Usage: window_test.sh POLYVISTA POLYVISTA_SNAPSHOT
set -euo pipefail

polyvista=$1
snapshot=$2

if [ -z "${POLYVISTA_UNDER_XVFB:-}" ]; then
  for tool in xvfb-run openbox xdotool wmctrl import compare; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "SKIP: $tool is not installed (packages xvfb, openbox, xdotool, wmctrl, imagemagick)"
      exit 77
    fi
  done
  export POLYVISTA_UNDER_XVFB=1
  exec xvfb-run -a -s "-screen 0 1024x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
wm=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

# Up to 10 s for a condition, checked every 0.1 s.
waitFor() {
  for _ in $(seq 100); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

openbox >"$work/openbox.log" 2>&1 &
wm=$!
waitFor wmctrl -m >/dev/null 2>&1 || fail "the window manager did not start"

args=(-1 3 0 -3.5 /1)
"$snapshot" "$work/expected.png" "+" "${args[@]}" >/dev/null || fail "polyvista-snapshot failed"

# In a sanitizer build the leak check stays off for the real window only: the
# display libraries that SDL loads (D-Bus, the X client libraries) keep and
# unload memory of their own that no program can free. The window code itself
# is leak-checked by the unit tests on the memory backend.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "$polyvista" "${args[@]}" >"$work/stdout" 2>"$work/stderr" &
app=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^polyvista$' | head -n 1) ||
  fail "no window named polyvista appeared"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
xdotool type --delay 0 "+"

# The frame after "+" shows once the key has been handled.
matches() {
  import -window "$window" "$work/actual.png" 2>/dev/null || return 1
  differing=$(compare -metric AE "$work/expected.png" "$work/actual.png" null: 2>&1) || true
  [ "$differing" = "0" ]
}
if ! waitFor matches; then
  fail "the window differs from the snapshot in ${differing:-all} pixels"
fi

wmctrl -c polyvista
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "polyvista did not end after the close request"
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || fail "exit code $status after the close request"
[ ! -s "$work/stdout" ] || fail "text reached standard output while the window was open"
[ ! -s "$work/stderr" ] || fail "polyvista wrote to the error stream: $(cat "$work/stderr")"
echo "PASS: the window matches the snapshot and closes with exit code 0"
