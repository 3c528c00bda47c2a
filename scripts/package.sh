#!/usr/bin/env bash
# Builds the Debian package of Kelvane from the default build (build/package/kelvane_VERSION_ARCH.deb),
# after setting up what the build needs; with --install, also installs it with apt.
#   scripts/package.sh [--install]
set -euo pipefail
cd "$(dirname "$0")/.."
install=false
case "${1:-}" in
  "") ;;
  --install) install=true ;;
  *)
    echo "usage: scripts/package.sh [--install]" >&2
    exit 2
    ;;
esac

scripts/setup.sh default
cmake --build --preset default --target package
deb=$(ls -t build/package/kelvane_*.deb | head -n 1)
echo "package: $deb"
if $install; then
  sudo=""
  if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
  $sudo apt-get install -y "./$deb"
  echo "installed: run kelvane-install-solver once to set up the OpenSees solver for your user"
fi
