#!/usr/bin/env bash
# Starts a throwaway X server and session bus, and runs a Python AT-SPI script
# against the program on them. Skips (exit 77) only when a tool is missing.
# Usage: with-atspi.sh SCRIPT PROGRAM [ARGUMENTS...]; SCREEN sets the screen size (1280x1024),
# DESKTOP_FONT the desktop's font size in points (Qt's own default when unset).
set -uo pipefail
script=$1
program=$2
shift 2

python=""
for candidate in /usr/bin/python3 python3; do
  if command -v "$candidate" >/dev/null && "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
[ -n "$python" ] || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIP: $(basename "$script") needs ${missing[*]} (scripts/deps.sh installs them)"
  exit 77
fi

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: nothing of the user's desktop or settings is read or written.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${SCREEN:-1280x1024}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 50); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  cat "$work/xvfb.log"
  echo "FAIL: Xvfb did not start"
  exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
# With no desktop running, Qt's KDE theme is the one that reads a system font
# from a settings file.
if [ -n "${DESKTOP_FONT:-}" ]; then
  printf '[General]\nfont=DejaVu Sans,%s,-1,5,50,0,0,0,0,0\n' "$DESKTOP_FONT" \
    >"$XDG_CONFIG_HOME/kdeglobals"
  export QT_QPA_PLATFORMTHEME=kde KDE_SESSION_VERSION=5
fi
export LANG=it_IT.UTF-8 LC_ALL=C.UTF-8
timeout --kill-after=10 150 dbus-run-session -- "$python" "$script" "$program" "$@"
status=$?
[ $status -eq 124 ] && echo "FAIL: $(basename "$script") did not end within its time"
exit $status
