#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need; does
# nothing (and asks apt nothing) when they are all there already. --fuzz adds
# what tools/fuzz.sh needs, --voice what the croupier's voice needs.
set -euo pipefail

# libqt6opengl6-dev: Qt Charts' CMake package needs Qt6OpenGL's, which Debian 12 ships apart;
# qt6-declarative-dev likewise for Qt TextToSpeech's (its QmlIntegration). The translations
# need Qt Linguist's lupdate and lrelease (qt6-l10n-tools, with CMake's LinguistTools in
# qt6-tools-dev) and Qt's own French and German texts for its dialogs (qt6-translations-l10n).
packages=(cmake make g++ qt6-base-dev qt6-charts-dev libgtest-dev libgmock-dev libbenchmark-dev
          libqt6opengl6-dev qt6-multimedia-dev qt6-speech-dev qt6-declarative-dev
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
          fonts-dejavu-core fonts-liberation xvfb xauth imagemagick
          desktop-file-utils appstream dpkg-dev file)
# The fuzz targets (tools/fuzz.sh) build with clang and its libFuzzer runtime.
[ "${1:-}" = --fuzz ] && packages+=(clang-14 libclang-rt-14-dev)
# The croupier's voice (tools/play.sh): the speech service, a voice, and Qt's plugin for them.
[ "${1:-}" = --voice ] && packages+=(qt6-speech-speechd-plugin speech-dispatcher espeak-ng)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
