#!/usr/bin/env bash
# Installs the Debian packages that building and testing Conwave need, and nothing when all are present.
set -euo pipefail

packages=(
    cmake g++ make                  # the build
    libgtest-dev libbenchmark-dev   # tests and benchmarks
    qt6-base-dev                    # the window program: Qt 6 Widgets
    fonts-liberation2               # the main window's face: narrow enough for its caption boxes
    fonts-dejavu-core fonts-dejavu-extra # the About window's faces (DejaVu Sans, condensed)
    binutils-mingw-w64-x86-64       # compiles the Windows resource script in a test
    strace xvfb xdotool             # prove that the programs write no files and open no sockets
    valgrind                        # and leak nothing
    desktop-file-utils appstream    # validate the desktop entry and the metainfo
    dpkg-dev file                   # the Debian package: dependencies computed from the binary
    clang libclang-rt-14-dev llvm   # fuzz targets: clang's libFuzzer runtime (only recommended by clang), symbolizer
    chromium firefox-esr nodejs     # the page of conwave-frames --html, driven headless by its tests
)
# npm installs the page tests' pinned packages; a Node.js from elsewhere may bring its own npm.
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
