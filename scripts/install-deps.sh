#!/usr/bin/env bash
# Installs the Debian packages the build, the window and the tests need.
# Idempotent and quick when everything is already there; runs apt-get only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n
  libpng-dev libjpeg62-turbo-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont time
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(emf2svg printemf ghostscript libwmf-bin xvfb xauth locales clang libclang-rt-14-dev)
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# The number-text tests run once under a locale whose decimal point is a comma.
ensure_test_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE.utf8$' && return 0
  "${as_root[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  "${as_root[@]}" locale-gen >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "${1:-}" = "--tests" ]; then ensure_test_locale; fi
