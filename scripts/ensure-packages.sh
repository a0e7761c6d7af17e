#!/usr/bin/env bash
# Installs the Debian packages that building and running Conwave need (./run.sh), with --test also those its tests
# need (./test.sh); nothing when all are present.
set -euo pipefail

# Building and running Conwave.
packages=(
    cmake g++ make                  # the build
    qt6-base-dev                    # the window program: Qt 6 Widgets
    qt6-tools-dev qt6-l10n-tools    # its translations: Qt Linguist's CMake functions, lupdate and lrelease
    qt6-translations-l10n           # Qt's own texts in other languages (the buttons of a message box)
    qt6-wayland                     # runs natively on a Wayland desktop
    fonts-liberation2               # the main window's face: narrow enough for its caption boxes
    fonts-dejavu-core fonts-dejavu-extra # the About window's faces (DejaVu Sans, condensed)
    fontconfig                      # builds the system's font cache as fonts are installed, not at Conwave's start
    help2man                        # the frame driver's manual page, made from its --help
    dpkg-dev file                   # the Debian package: dependencies computed from the binaries
)

# Testing it, one tool a line.
test_packages=(
    libgtest-dev libbenchmark-dev   # unit tests and benchmarks
    binutils-mingw-w64-x86-64       # compiles the Windows resource script in a test
    strace xvfb xdotool             # prove that the programs write no files and open no sockets
    weston                          # a headless Wayland compositor for the Wayland test
    python3-pyatspi at-spi2-core dbus # a real accessibility client, its buses, for the screen-reader test
    imagemagick x11-utils           # screenshots of the windows, their size hints on a real X server
    locales                         # the German locale of the screen-reader test and the start-up figures
    valgrind                        # and leak nothing
    desktop-file-utils appstream    # validate the desktop entry and the metainfo
    lintian                         # and the Debian package
    clang libclang-rt-14-dev llvm   # fuzz targets: clang's libFuzzer runtime (only recommended by clang), symbolizer
    chromium firefox-esr nodejs     # the page of conwave-frames --html, driven headless by its tests
    # The screen reader, a speech server with its synthesiser, and a small window manager for the private desktop
    # of the test that listens to the screen reader (orca_speech).
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox
)

testing=false
[ "${1:-}" = --test ] && testing=true
if $testing; then
    packages+=("${test_packages[@]}")
    # npm installs the page tests' pinned packages; a Node.js from elsewhere may bring its own npm.
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    # Fonts installed before fontconfig's tools leave the system's font cache unbuilt, and the first program to
    # start would write it: built here, a fresh machine starts Conwave as any other does.
    "${as_root[@]}" fc-cache
fi

# A German desktop's locale, for the tests and measurements that start Conwave as a German user starts it.
if $testing && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "Generating the locale de_DE.UTF-8"
    "${as_root[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
    "${as_root[@]}" locale-gen
fi
