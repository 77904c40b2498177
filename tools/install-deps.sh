#!/usr/bin/env bash
# Installs the Debian packages the build, the reader and the test suite need.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  dpkg-dev lintian desktop-file-utils appstream
  qt6-base-dev libxcb1-dev qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin libgl-dev
  libjpeg62-turbo-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  nodejs npm
  python3 python3-pil python3-pefile icoutils binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 fp-utils
  xvfb xauth xdotool x11-utils imagemagick poppler-utils gdb openbox
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  xdg-utils xchm
  fontconfig fonts-hosny-amiri fonts-liberation2 fonts-dejavu-core fonts-wine
)

missing=()
for p in "${packages[@]}"; do
  # nodejs and npm may come from elsewhere than Debian; a working command is enough
  case "$p" in
    nodejs) command -v node >/dev/null 2>&1 && continue ;;
    npm) command -v npm >/dev/null 2>&1 && continue ;;
  esac
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
