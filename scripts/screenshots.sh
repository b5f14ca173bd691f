#!/usr/bin/env bash
# Saves screenshots of the main windows with a sample case, taken on a
# throwaway X server: the calculator, the detailed window and its share
# charts, a norms window and the maxims window.
# Usage: scripts/screenshots.sh [PROGRAM [FOLDER]]
#   PROGRAM defaults to build/bin/quotara, FOLDER to docs/screenshots.
#   QT_SCALE_FACTOR=2 or QT_FONT_DPI=192 in the environment shows how the
#   windows look on a high-dpi screen or with large fonts; DESKTOP_FONT=16,
#   with a desktop font of 16 points.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/bin/quotara}")
folder=$(realpath -m "${2:-$here/../docs/screenshots}")
if ! command -v import >/dev/null; then
  echo "screenshots: 'import' (imagemagick) is missing; scripts/deps.sh installs it" >&2
  exit 1
fi
# The screen grows with the windows: by the scale factor and by the logical dpi over 96.
screen=$(awk -v f="${QT_SCALE_FACTOR:-1}" -v d="${QT_FONT_DPI:-96}" \
  'BEGIN { s = f * d / 96; printf "%dx%d", 1280 * s + 0.5, 1024 * s + 0.5 }')
SCREEN=$screen \
  "$here/with-atspi.sh" "$here/screenshots.py" "$program" "$folder"
