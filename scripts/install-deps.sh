#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; only what is missing.
#   install-deps.sh          everything: native build, tests, the Windows cross build and Wine,
#                            the page for the browser and a browser to test it in
#   install-deps.sh native   only what building and running tessel itself needs, without its
#                            tests (what run.sh builds)
#   install-deps.sh linux    what the plain and the sanitized build need, tests included: the
#                            rest can install while they build
set -euo pipefail
tier=${1:-all}
case $tier in
  native | linux | all) ;;
  *)
    echo "install-deps.sh: no such choice: $tier (native, linux or nothing for all)" >&2
    exit 2
    ;;
esac

packages=(
  cmake ninja-build g++ qt6-base-dev libgl-dev libxcb1-dev
  fonts-comic-neue fonts-liberation2 fonts-dejavu-core
)
# GoogleTest; clang with its sanitizers' and libFuzzer's runtime; the X and XTEST headers of the
# desktop tests; the Wayland client library and kwin's fake-input protocol, for the desktop tests'
# hand on KDE.
[ "$tier" = native ] || packages+=(googletest clang libclang-rt-14-dev libx11-dev libxtst-dev
                                   libwayland-dev plasma-wayland-protocols)
[ "$tier" != all ] || packages+=(
  clang-tidy clang-format xvfb xauth x11-utils imagemagick locales
  # A real desktop for the tests: a window manager, and real input through the X server.
  openbox xdotool
  # What a screen reader sees: a D-Bus session with the accessibility bus, read through AT-SPI.
  dbus-daemon at-spi2-core python3-pyatspi
  # The Windows program: the 32-bit cross compiler, and Wine to run it and its tests. The X
  # extensions are only recommended by Wine, but its window driver draws with them.
  g++-mingw-w64-i686-posix wine wine32:i386 fonts-wine
  libxrender1:i386 libxrandr2:i386 libxi6:i386 libxcursor1:i386 libxinerama1:i386
  libxfixes3:i386 libxcomposite1:i386
  # The release: the win32-thread cross compiler for the shipped Tessel98.exe, the Debian
  # package's build (debhelper), the Windows zip, and the checks a Debian packager runs on them.
  g++-mingw-w64-i686-win32 dpkg-dev debhelper zip unzip lintian autopkgtest appstream
  desktop-file-utils
  # The page for the browser: Emscripten with the system libraries Debian builds for it, the
  # fonts' subsetter with its WOFF2 writer, the loader's minifier, and two browsers to test the
  # page in: Chromium with its WebDriver, and Firefox, spoken to over WebDriver BiDi by a client
  # of our own over Python's websockets.
  emscripten fonttools python3-brotli terser chromium chromium-driver firefox-esr
  python3-websockets
)
# hardening-check, without the dozens of packaging tools devscripts recommends; and GNOME's and
# KDE's window managers for the desktop tests, without their desktops: on X11, and as Wayland
# compositors with XWayland, Qt's Wayland plugin, and PipeWire with its session manager and
# GStreamer's PipeWire source, read from Python, for mutter's screen casts.
without_recommends=()
[ "$tier" != all ] || without_recommends+=(devscripts mutter kwin-x11 kwin-wayland xwayland
                                           qt6-wayland pipewire wireplumber gstreamer1.0-pipewire
                                           gstreamer1.0-plugins-base gir1.2-gstreamer-1.0)

# A German and a Turkish locale, for the tests that make sure no text of ours changes with the
# locale (Turkish has its own case rules for i and I).
install_locales() {
  for name in de_DE tr_TR; do
    locale -a 2>/dev/null | grep -qix "$name.utf8" && continue
    $sudo localedef -i "$name" -c -f UTF-8 "$name.UTF-8"
  done
}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
missing_plain=()
for p in "${without_recommends[@]}"; do
  installed "$p" || missing_plain+=("$p")
done
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_plain[@]} -eq 0 ]; then
  [ "$tier" != all ] || install_locales
  exit 0
fi

# Wine's 32-bit half comes from the i386 architecture.
if [ "$tier" = all ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# update_package_lists: apt-get update, tried again for a while where a list does not come whole:
# a mirror in the middle of a sync serves a list that does not match its signed index ("Mirror
# sync in progress?"), and one list missing can leave a whole architecture uninstallable.
update_package_lists() {
  local attempt attempts=6 pause
  for ((attempt = 1; attempt <= attempts; attempt++)); do
    echo "install-deps.sh: updating the package lists"
    $sudo apt-get update -qq && return
    [ "$attempt" -lt "$attempts" ] || break
    pause=$((attempt * 30))
    echo "install-deps.sh: a package list did not come whole; again in $pause s" >&2
    sleep "$pause"
  done
  echo "install-deps.sh: the package lists did not come whole (above)" >&2
  exit 1
}
update_package_lists
started=$SECONDS
log=$(mktemp)
# install_packages [APT_OPTION] PACKAGE...: installs them and what they need, after a line that
# says how much that is, with apt's and dpkg's many lines in a file shown only if it fails.
install_packages() {
  local options=() count megabytes
  [[ $1 != -* ]] || { options=("$1"); shift; }
  count=$(apt-get install -s -qq "${options[@]}" "$@" | grep -c '^Inst ' || true)
  # Only what apt has not downloaded before.
  megabytes=$($sudo apt-get install --print-uris -qq "${options[@]}" "$@" |
    awk '{ bytes += $3 } END { printf "%d\n", (bytes + 999999) / 1000000 }')
  echo "install-deps.sh: installing $* and what they need: $count packages, $megabytes MB to" \
       "download"
  # dpkg without a sync after every file: a machine that loses power mid-install installs again.
  if ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      -o Dpkg::Options::=--force-unsafe-io "${options[@]}" "$@" >"$log" 2>&1; then
    cat "$log" >&2
    echo "install-deps.sh: apt-get install failed" >&2
    exit 1
  fi
}
# With recommended packages: that is how every machine the tests have passed on was set up.
[ ${#missing[@]} -eq 0 ] || install_packages "${missing[@]}"
[ ${#missing_plain[@]} -eq 0 ] || install_packages --no-install-recommends "${missing_plain[@]}"
rm -f "$log"
echo "install-deps.sh: installed in $((SECONDS - started)) s"
[ "$tier" != all ] || install_locales
