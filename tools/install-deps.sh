#!/bin/sh
# Installs the Debian packages the build and the tests need, when missing.
set -eu

# Wine plays movies through GStreamer: its demuxers and the H.264 decoder.
packages="cmake ninja-build clang libclang-rt-14-dev googletest
libbenchmark-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
wine wine64 xvfb xauth ffmpeg fonts-ipafont-gothic python3 locales chromium
gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav"
# Node.js and npm run the map page tests; a Node.js from elsewhere that
# brings its own npm serves as well.
command -v node >/dev/null 2>&1 || packages="$packages nodejs"
command -v npm >/dev/null 2>&1 || packages="$packages npm"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
