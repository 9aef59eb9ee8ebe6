#!/usr/bin/env bash
# release-check.sh CHECK DIST WORK: one check of the release in DIST, as a user or a Debian
# packager would make it; WORK is a directory of its own for what the check leaves behind.
#   checksums  SHA256SUMS lists every file of the release, and every sum holds
#   unpack     unpacks the package into WORK/unpacked, for the checks after it
#   lintian    lintian finds no error and no warning in the package
#   desktop    the desktop entry passes desktop-file-validate
#   metainfo   the AppStream metadata passes appstreamcli, and agrees with the desktop entry
#   hardening  hardening-check passes on the packaged program
#   install    installs the package in a scratch root, runs the installed program's options
#              and starts it on a display of its own, removes the package again
#   wine       starts Tessel98.exe in a fresh 32-bit Wine prefix and finds its window
set -euo pipefail
check=$1
dist=$(realpath "$2")
work=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

the_package() {
  local packages=("$dist"/*.deb)
  [ ${#packages[@]} -eq 1 ] && [ -f "${packages[0]}" ] ||
    fail "expected one .deb in $dist (build it with: cmake --build --preset dist)"
  echo "${packages[0]}"
}

unpacked() {
  [ -d "$work/../unpacked" ] || fail "nothing unpacked; the check 'unpack' runs first"
  realpath "$work/../unpacked"
}

check_checksums() {
  cd "$dist"
  sha256sum --strict -c SHA256SUMS
  diff <(ls | grep -vx SHA256SUMS | LC_ALL=C sort) <(cut -c67- SHA256SUMS | LC_ALL=C sort) ||
    fail "SHA256SUMS does not list exactly the files of the release"
}

check_unpack() {
  local target="$work/../unpacked"
  rm -rf "$target"
  dpkg-deb -x "$(the_package)" "$target"
  find "$target" -type f | sed "s|^$target||" | sort
}

check_lintian() {
  # The info tags print for the record; errors and warnings fail.
  lintian --info --display-info --fail-on error,warning "$(the_package)"
}

check_desktop() {
  desktop-file-validate "$(unpacked)/usr/share/applications/tessel.desktop"
}

check_metainfo() {
  local root
  root=$(unpacked)
  appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
  # The tree check reads the metadata with the desktop entry it names as its launchable.
  appstreamcli validate-tree --no-net --explain "$root"
}

check_hardening() {
  # Control-flow protection cannot be had on Debian 12: see cmake/TesselHardening.cmake.
  hardening-check --nocfprotection "$(unpacked)/usr/games/tessel"
}

# expect STATUS PATTERN COMMAND...: runs COMMAND without a display; its status must be STATUS
# and its output (both streams) must match the extended regular expression PATTERN.
expect() {
  local want=$1 pattern=$2 status=0 output
  shift 2
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1) || status=$?
  echo "$* -> status $status"
  [ "$status" -eq "$want" ] || fail "$*: status $status, expected $want; output: $output"
  grep -Eq "$pattern" <<<"$output" || fail "$*: output does not match /$pattern/: $output"
}

# on_own_display COMMAND...: runs COMMAND on an X display of its own. Xvfb picks a free display
# number itself and reports it once it listens; xvfb-run -a guesses one, and two of them started
# at the same time on one machine can take the same display.
on_own_display() {
  local number="$work/display" status=0
  rm -f "$number"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number" 2>/dev/null &
  xvfb=$!
  trap 'kill "$xvfb" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    [ -s "$number" ] && break
    sleep 0.1
  done
  [ -s "$number" ] || fail "Xvfb did not start"
  DISPLAY=":$(cat "$number")" "$@" || status=$?
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
  trap - EXIT
  return "$status"
}

# wait_for_window SECONDS NAME: waits for a top-level window whose name starts with NAME on the
# current display.
wait_for_window() {
  for _ in $(seq $(($1 * 2))); do
    if xwininfo -root -tree | grep -F "\"$2" >/dev/null; then
      xwininfo -root -tree | grep -F "\"$2"
      return 0
    fi
    sleep 0.5
  done
  fail "no window \"$2...\" within $1 seconds"
}

check_install() {
  local root="$work/root" deb
  deb=$(the_package)
  rm -rf "$root"
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
  touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
  # The scratch root has none of the libraries the package depends on; the host's serve.
  local dpkg=(dpkg --root="$root" --log=/dev/null --force-depends)
  [ "$(id -u)" -eq 0 ] || dpkg=(fakeroot "${dpkg[@]}")
  "${dpkg[@]}" -i "$deb"
  local tessel="$root/usr/games/tessel"
  [ -x "$tessel" ] || fail "the package installed no /usr/games/tessel"

  expect 0 '^Tessel 98, Version 1\.00' "$tessel" --version
  expect 0 '^Aufruf: tessel ' "$tessel" --help
  expect 2 'unbekannte Option „--bogus“' "$tessel" --bogus
  expect 1 '^tessel: keine Anzeige: ' "$tessel"
  [ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tessel" 2>&1 | wc -l)" -eq 1 ] ||
    fail "more than one line without a display"

  on_own_display start_and_close "$tessel"

  "${dpkg[@]}" -r tessel
  local left
  left=$(find "$root" -mindepth 1 -not -path "$root/var/lib/dpkg*" -not -type d)
  [ -z "$left" ] || fail "files left after removal: $left"
}

# start_and_close PROGRAM [ARGS...]: starts a program of ours, waits for its start window and
# ends it again.
start_and_close() {
  env -u QT_QPA_PLATFORM "$@" &
  local pid=$!
  wait_for_window 20 "Tessel 98   V1.1"
  kill "$pid"
  wait "$pid" || true
}

check_wine() {
  rm -rf "$work/wineprefix" "$work/wineprefix.lock"
  on_own_display start_and_close_under_wine
}

start_and_close_under_wine() {
  # Arguments too, which the program ignores.
  "$here/../wine/run-under-wine.sh" "$work/wineprefix" "$dist/Tessel98.exe" --help &
  local pid=$!
  # Making the prefix comes first, and takes a minute on a busy machine.
  wait_for_window 150 "Tessel 98   V1.1"
  WINEPREFIX="$work/wineprefix" wineserver -k
  wait "$pid" || true
}

"check_$check"
