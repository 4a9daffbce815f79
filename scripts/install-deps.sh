#!/usr/bin/env bash
# Installs what building, running and testing Subclock needs, from Debian's packages.
# Quiet and quick when everything is already there: apt is only asked for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    # The translations: lupdate and lrelease with their CMake functions, and Qt's own catalogues
    # for the standard dialogs.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libicu-dev libuchardet-dev
    # Global keys on X11 are grabbed on the root window over XCB.
    libxcb1-dev
    # Automatic sync: FFmpeg decodes the video's sound, WebRTC's detector hears the speech, FFTW
    # cross-correlates; its test speaks subtitles into a film with espeak-ng and ffmpeg.
    libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libwebrtc-audio-processing-dev
    libfftw3-dev espeak-ng ffmpeg
    # Listen to sync records the desktop through PulseAudio's client library; its test runs a
    # PulseAudio server of its own with a null sink and plays speech into it.
    libpulse-dev pulseaudio pulseaudio-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth
    # The panel's test against the player's dialogs runs under a real window manager.
    openbox xdotool wmctrl x11-utils
    # The tests that follow a media player run on a private session bus; playerctl and
    # dbus-monitor drive and watch Subclock as a player there.
    dbus dbus-bin playerctl
    # The install tests validate the desktop entry, the metainfo and the man pages.
    desktop-file-utils appstream groff-base
    # Another SubRip parser reads back what the cue writer writes.
    python3 python3-srt
    # The bundled sample has Japanese lines, and the interface comes in Japanese and Chinese; a
    # machine without a CJK font would show boxes.
    fonts-ipafont-gothic fonts-noto-cjk
    # The accessibility test finds the buttons over AT-SPI.
    at-spi2-core python3-pyatspi
)
# Extra tools for the sanitizer, fuzzing, packaging and benchmark commands, and the players the
# end-to-end tests follow.
if [[ "${1:-}" == "--all" ]]; then
    packages+=(clang-14 clang-format-14 clang-tidy-14 libclang-rt-14-dev dpkg-dev file time xdotool python3
        mpv mpv-mpris playerctl ffmpeg chromium)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
