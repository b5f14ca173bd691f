#!/usr/bin/env bash
# The one list of Debian packages the project needs to build, test and run.
# Installs only what is missing, non-interactively, through sudo when not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
  qt6-translations-l10n libgl-dev
  qt6-qpa-plugins
  libfluidsynth-dev timgm6mb-soundfont
  libgmp-dev
  clang-format clang libclang-rt-14-dev
  libreoffice-writer-nogui
  fonts-dejavu-core fonts-liberation2
  xdg-utils
  poppler-utils
  dpkg-dev lintian
  xvfb dbus at-spi2-core python3-pyatspi imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "deps: installing ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
