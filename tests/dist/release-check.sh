#!/usr/bin/env bash
# release-check.sh CHECK DIST WORK: one check of the release in DIST, as a user or a Debian
# packager would make it; WORK is a directory of its own for what the check leaves behind.
#   checksums     SHA256SUMS lists every file of the release, every sum holds, and the release
#                 notes name every file
#   unpack        unpacks the package, the Windows zip and the source tarball into
#                 WORK/../unpacked, for the checks after it
#   source        the tarball holds what git archive gives of the commit it names
#   zip           the Windows zip holds the program, the licence and the read-me, the text files
#                 with Windows line ends
#   lintian       lintian finds no error and no warning in the source package made from the
#                 tarball and in the binary packages
#   desktop       the desktop entry passes desktop-file-validate
#   metainfo      the AppStream metadata passes appstreamcli, and agrees with the desktop entry
#   hardening     hardening-check passes on the packaged program
#   install       installs the package in a scratch root, runs the installed program's options
#                 and starts it on a display of its own, removes the package again
#   wine          starts the zip's Tessel98.exe in a fresh 32-bit Wine prefix and finds its window
#   web           the page's zip holds the page, its faces and their licences and the licence, and
#                 the page unpacked from it, served from 127.0.0.1, passes the page's test in
#                 headless Chromium
#   autopkgtest   runs the package's autopkgtest on this machine (root only: it installs the
#                 package, and removes it again unless it was installed before)
#   reproducible  makes the release again from the same commit in another folder, in another
#                 time zone and umask, without SOURCE_DATE_EPOCH, GoogleTest and the X11 headers,
#                 and compares every file's bytes
#   build_depends no entry of the package's Build-Depends is one that the others, or the
#                 build-essential packages, require anyway
#   debian_build  builds the package from the source package in a fresh Debian system as a build
#                 daemon does (Build-Depends only, as a user, no network, the tests on), and
#                 compares both packages with the release's, byte for byte
#   run_script    runs ./scripts/run.sh as a newcomer would, from a clean clone in a fresh Debian
#                 system, on an X server of this machine, and finds the start window there
# The last two need root and the Debian mirror (see fresh-debian.sh), and take some minutes each.
set -euo pipefail
check=$1
dist=$(realpath "$2")
work=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
checkout=$(cd "$here/../.." && pwd)
mkdir -p "$work"
. "$here/fresh-debian.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# the_file PATTERN: the one file of the release that matches PATTERN.
the_file() {
  local files=("$dist"/$1)
  [ ${#files[@]} -eq 1 ] && [ -f "${files[0]}" ] ||
    fail "expected one $1 in $dist (make it with: cmake --build --preset dist)"
  echo "${files[0]}"
}

the_package() { the_file 'tessel_*.deb'; }
the_debug_package() { the_file 'tessel-dbgsym_*.deb'; }
the_zip() { the_file 'Tessel98-*.zip'; }
the_tarball() { the_file 'tessel-*.tar.gz'; }
the_web_zip() { the_file 'tessel-web-*.zip'; }

# tarball_commit TARBALL: the commit that git archive wrote into the tarball's header.
tarball_commit() {
  # It reads the header alone, and so would break gunzip's pipe.
  git get-tar-commit-id < <(gunzip -c "$1") || fail "$1 names no commit"
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
  local notes name
  notes=$(the_file 'release-notes-*.md')
  while read -r _ name; do
    grep -qF "\`$name\`" "$notes" || fail "the release notes do not name $name"
  done <SHA256SUMS
}

check_unpack() {
  local target="$work/../unpacked"
  rm -rf "$target"
  mkdir -p "$target/deb" "$target/zip" "$target/source"
  dpkg-deb -x "$(the_package)" "$target/deb"
  unzip -q "$(the_zip)" -d "$target/zip"
  # Where a developer puts the debugging information: beside the program, where gdb looks.
  ln -s "$dist/Tessel98.exe.debug" "$target/zip/"
  tar -xzf "$(the_tarball)" -C "$target/source"
  find "$target/deb" -type f | sed "s|^$target/deb||" | sort
}

check_source() {
  local tarball commit top
  tarball=$(the_tarball)
  commit=$(tarball_commit "$tarball")
  top=$(basename "$tarball" .tar.gz)
  cmp <(gunzip -c "$tarball") \
      <(git -C "$checkout" archive --format=tar --prefix="$top/" "$commit") ||
    fail "$tarball is not what git archive gives of $commit"
  echo "$tarball: $commit"
}

check_zip() {
  local names dir text
  names=$(unzip -Z1 "$(the_zip)" | tr '\n' ' ')
  [ "$names" = "Tessel98.exe LIESMICH.txt LICENSE.txt " ] || fail "the zip holds: $names"
  dir=$(unpacked)/zip
  for text in LIESMICH.txt LICENSE.txt; do
    ! grep -qv $'\r$' "$dir/$text" || fail "$text has lines without a Windows line end"
    [ "$(tail -c 1 "$dir/$text" | od -An -tx1)" = " 0a" ] || fail "$text ends inside a line"
  done
  tr -d '\r' <"$dir/LICENSE.txt" | cmp - "$(unpacked)"/source/*/LICENSE ||
    fail "LICENSE.txt is not the licence of the sources"
  # Without its byte order mark, Notepad before Windows 10 shows the umlauts as two characters.
  [ "$(head -c 3 "$dir/LIESMICH.txt" | od -An -tx1)" = " ef bb bf" ] ||
    fail "LIESMICH.txt does not start with UTF-8's byte order mark"
  iconv -f UTF-8 -t UTF-8 "$dir/LIESMICH.txt" >/dev/null || fail "LIESMICH.txt is not UTF-8"
}

check_web() {
  local zip names expected folder
  zip=$(the_web_zip)
  folder=$(basename "$zip" .zip)
  expected="LICENSE fonts/ComicNeue-Bold.woff2 fonts/ComicNeue-Regular.woff2"
  expected+=" fonts/DejaVuSans-Bold.woff2 fonts/DejaVuSans.woff2 fonts/TesselSans-Regular.woff2"
  expected+=" fonts/fonts-comic-neue.copyright fonts/fonts-dejavu-core.copyright"
  expected+=" fonts/fonts-liberation2.copyright index.html screen.css tessel.js tessel.wasm"
  names=$(unzip -Z1 "$zip" | sed "s|^$folder/||" | tr '\n' ' ')
  [ "$names" = "$expected " ] || fail "the page's zip holds: $names"
  rm -rf "${work:?}/$folder"
  unzip -q "$zip" -d "$work"
  python3 "$here/../web/page_test.py" "$work/$folder"
}

check_lintian() {
  # The source package as a distribution makes it from the tarball.
  local sources
  sources=$(echo "$(unpacked)"/source/*)
  (cd "$work" && rm -f ./*.dsc ./*.tar.xz && dpkg-source -b "$sources" >/dev/null)
  # The info tags print for the record; errors and warnings fail.
  lintian --info --display-info --fail-on error,warning "$work"/*.dsc "$(the_package)" \
    "$(the_debug_package)"
}

check_desktop() {
  desktop-file-validate "$(unpacked)/deb/usr/share/applications/tessel.desktop"
}

check_metainfo() {
  local root
  root=$(unpacked)/deb
  appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
  # The tree check reads the metadata with the desktop entry it names as its launchable.
  appstreamcli validate-tree --no-net --explain "$root"
}

check_hardening() {
  # Control-flow protection cannot be had on Debian 12: see cmake/TesselHardening.cmake.
  hardening-check --nocfprotection "$(unpacked)/deb/usr/games/tessel"
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
  "$here/../wine/run-under-wine.sh" "$work/wineprefix" "$(unpacked)/zip/Tessel98.exe" --help &
  local pid=$!
  # Making the prefix comes first, and takes a minute on a busy machine.
  wait_for_window 150 "Tessel 98   V1.1"
  WINEPREFIX="$work/wineprefix" wineserver -k
  wait "$pid" || true
}

check_autopkgtest() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: autopkgtest's null runner installs the package into this system, as root"
    exit 77
  fi
  local installed=no status=0
  dpkg-query -W -f='${Status}' tessel 2>/dev/null | grep -q "install ok installed" && installed=yes
  # Another installation may hold dpkg's lock for a while.
  echo 'DPkg::Lock::Timeout "900";' >"$work/apt.conf"
  rm -rf "$work/output"
  APT_CONFIG="$work/apt.conf" autopkgtest --output-dir "$work/output" "$(the_package)" \
    "$(echo "$(unpacked)"/source/*)" -- null >"$work/autopkgtest.log" 2>&1 || status=$?
  cat "$work/autopkgtest.log"
  if [ "$installed" = no ]; then
    apt-get -o DPkg::Lock::Timeout=900 purge -y -qq tessel >/dev/null
  fi
  [ "$status" -eq 0 ] && return
  # On the way out autopkgtest refreshes apt's lists from the network; a mirror in the middle of
  # a sync refuses that (status 20, "error cleaning up"), which says nothing about the package.
  if [ "$status" -eq 20 ] && grep -q "error cleaning up" "$work/autopkgtest.log" &&
    all_tests_passed "$work/output/summary"; then
    echo "every test passed; autopkgtest could not clean the testbed up afterwards (above)"
    return
  fi
  fail "autopkgtest ended with status $status"
}

# all_tests_passed SUMMARY: autopkgtest's summary names at least one test and each passed.
all_tests_passed() {
  [ -s "$1" ] && ! awk '$2 != "PASS" { bad = 1 } END { exit !bad }' "$1"
}

# without_test_dependencies COMMAND...: runs COMMAND in a mount namespace of its own, where empty
# folders lie over GoogleTest's sources and headers and the X11 headers.
without_test_dependencies() {
  local unshare=(unshare --mount --propagation private)
  [ "$(id -u)" -eq 0 ] || unshare+=(--map-root-user)
  "${unshare[@]}" sh -c '
    for folder in /usr/src/googletest /usr/include/gtest /usr/include/gmock /usr/include/X11; do
      [ ! -d "$folder" ] || mount -t tmpfs none "$folder" || exit 1
    done
    exec "$@"' sh "$@"
}

check_reproducible() {
  local tarball commit elsewhere=$work/elsewhere
  tarball=$(the_tarball)
  commit=$(tarball_commit "$tarball")
  rm -rf "$elsewhere"
  mkdir -p "$elsewhere"
  git clone --quiet --shared --no-checkout "$checkout" "$elsewhere/tessel-checkout"
  git -C "$elsewhere/tessel-checkout" checkout --quiet --detach "$commit"
  # Another time zone and umask, and no SOURCE_DATE_EPOCH: the time is the commit's.
  echo "Making the release of $commit again in $elsewhere (log: $elsewhere/log)"
  if ! without_test_dependencies env -u SOURCE_DATE_EPOCH TZ=Pacific/Kiritimati sh -c '
      umask 077
      cmake -S "$1" -B "$1/build" -G Ninja -DBUILD_TESTING=OFF -DTESSEL_DIST_DIR="$2" &&
        cmake --build "$1/build" --target dist' \
      sh "$elsewhere/tessel-checkout" "$elsewhere/dist" >"$elsewhere/log" 2>&1; then
    tail -n 40 "$elsewhere/log"
    fail "the second release did not build"
  fi
  (cd "$dist" && sha256sum -- *) >"$work/first.sums"
  (cd "$elsewhere/dist" && sha256sum -- *) >"$work/second.sums"
  for release in "$dist" "$elsewhere/dist"; do
    echo "$release:"
    (cd "$release" && stat -c '%10s %n' -- *)
  done
  diff -u "$work/first.sums" "$work/second.sums" ||
    fail "the two releases of $commit differ in the files above"
  cat "$work/first.sums"
}

# build_depends CONTROL: the names of the source package's Build-Depends, one a line.
build_depends() {
  awk '/^Build-Depends:/ { take = 1; sub(/^[^:]*:/, "") } /^[^ ]/ && !/^Build-Depends:/ { take = 0 }
       take { print }' "$1" | tr ',' '\n' | sed -E 's/\([^)]*\)|<[^>]*>|\[[^]]*\]| //g' | grep -v '^$'
}

# redundant_entries PACKAGE...: those of the packages that one of the others requires through
# Depends and Pre-Depends that leave no choice (no alternative, no virtual package), with the one
# that requires it; the first package is only looked at as one that requires.
redundant_entries() {
  apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances "$@" | awk -v packages="$*" '
    /^[^ ]/ { package = $1; in_group = 0; next }
    /^ [ |](Pre)?Depends:/ {
      grouped = in_group || /^ \|/
      in_group = /^ \|/
      if (!grouped && $2 !~ /^</) needs[package] = needs[package] " " $2
    }
    function requires(from, to,   queue, seen, head, tail, p, n, i, next_ones) {
      head = tail = 0
      queue[tail++] = from
      while (head < tail) {
        n = split(needs[queue[head++]], next_ones, " ")
        for (i = 1; i <= n; i++) {
          p = next_ones[i]
          if (p == to) return 1
          if (!(p in seen)) { seen[p] = 1; queue[tail++] = p }
        }
      }
      return 0
    }
    END {
      n = split(packages, package_list, " ")
      for (i = 2; i <= n; i++)
        for (j = 1; j <= n; j++)
          if (i != j && requires(package_list[j], package_list[i])) {
            print package_list[i] " (required by " package_list[j] ")"
            break
          }
    }'
}

check_build_depends() {
  local entries redundant
  mapfile -t entries < <(build_depends "$(echo "$(unpacked)"/source/*/debian/control)")
  echo "Build-Depends: ${entries[*]}"
  # A build daemon installs the build-essential packages with every package's Build-Depends.
  redundant=$(redundant_entries build-essential "${entries[@]}")
  [ -z "$redundant" ] || fail "Build-Depends that come anyway: $redundant"
}

# as_root: the check goes on as root, through sudo where it was started as a user.
as_root() {
  [ "$(id -u)" -ne 0 ] || return 0
  command -v sudo >/dev/null || fail "this check needs root (chroot, mounts)"
  exec sudo -n "$0" "$check" "$dist" "$work"
}

check_debian_build() {
  as_root
  local root=$work/root build=$work/root/build tarball name before started
  tarball=$(the_tarball)
  name=$(basename "$tarball" .tar.gz)
  fresh_debian "$root"
  add_debian_user "$root" builder
  # The source package, as the archive would hand it to the build daemon.
  mkdir -p "$build"
  tar -xzf "$tarball" -C "$build"
  (cd "$build" && dpkg-source -b "$name" >/dev/null && rm -rf "$name")
  before=$(in_debian "$root" dpkg-query -W | wc -l)
  in_debian "$root" env DEBIAN_FRONTEND=noninteractive sh -c '
      apt-get install -y -qq --no-install-recommends build-essential &&
        apt-get build-dep -y -qq --no-install-recommends /build/*.dsc' >"$work/install.log" 2>&1 ||
    { tail -n 30 "$work/install.log"; fail "the build dependencies did not install"; }
  echo "Installed build-essential and the Build-Depends: $(($(in_debian "$root" dpkg-query -W |
    wc -l) - before)) packages"
  chown -R 1000:1000 "$build"
  started=$SECONDS
  # As a build daemon: a user, no network but the loopback, no HOME, no display.
  if ! in_debian --offline --user "$root" env HOME=/sbuild-nonexistent LC_ALL=C.UTF-8 \
      DEB_BUILD_OPTIONS="parallel=$(nproc)" sh -c '
        cd /build && dpkg-source -x ./*.dsc source >/dev/null && cd source &&
          dpkg-buildpackage -us -uc -b' >"$work/build.log" 2>&1; then
    tail -n 80 "$work/build.log"
    fail "dpkg-buildpackage failed (log: $work/build.log)"
  fi
  echo "Built in $((SECONDS - started)) s (log: $work/build.log):"
  grep -E '^[0-9]+% tests passed|^\s+[0-9]+ - .* \((Skipped|Failed)\)$' "$work/build.log" || true
  local package built
  for package in "$(the_package)" "$(the_debug_package)"; do
    built=$build/$(basename "$package")
    if ! cmp "$built" "$package"; then
      diff <(dpkg-deb -c "$package") <(dpkg-deb -c "$built") || true
      fail "$(basename "$package") built from the source package differs from the release's"
    fi
    sha256sum "$built"
  done
  remove_debian "$root"
}

# The start window where the design puts it, as the X server sees it: no window manager moves it.
start_window_place="+193+315"

check_run_script() {
  as_root
  local root=$work/root commit
  commit=$(tarball_commit "$(the_tarball)")
  fresh_debian "$root"
  add_debian_user "$root" newcomer
  # A first user who may use sudo, as the installer sets one up (here without a password).
  in_debian "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sudo \
    >"$work/sudo.log" 2>&1 || { cat "$work/sudo.log"; fail "sudo did not install"; }
  echo "newcomer ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/newcomer"
  git clone --quiet --no-hardlinks "$checkout" "$root/home/newcomer/tessel"
  git -C "$root/home/newcomer/tessel" checkout --quiet --detach "$commit"
  chown -R 1000:1000 "$root/home/newcomer/tessel"
  on_own_display run_script_in "$root"
  remove_debian "$root"
}

# shown_start_window_place: where the start window stands ("+X+Y") once it is shown.
shown_start_window_place() {
  local id
  id=$(xwininfo -root -tree | grep -F '"Tessel 98   V1.1' | awk '{ print $1; exit }')
  [ -n "$id" ] && xwininfo -id "$id" | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /Map State:/ { shown = $NF == "IsViewable" }
    END { if (!shown) exit 1; printf "+%d+%d\n", x, y }'
}

# end_job PID: ends the background job PID of in_debian and all it runs. The job is a subshell;
# its child unshare takes everything in the chroot with it when it dies (--kill-child), and holds
# SIGTERM back while its child runs, so it gets SIGKILL.
end_job() {
  pkill -KILL -P "$1" unshare || true
  wait "$1" 2>/dev/null || true
}

# run_script_in ROOT: ./scripts/run.sh of the clone in ROOT, on the display of this machine's X
# server, until its start window shows; then the script's output, as the newcomer saw it.
run_script_in() {
  local log=$work/run.log started=$SECONDS place
  # What logging in gives a user: a folder of their own for the session's files.
  mkdir -m 700 -p "$1/run/user/1000"
  chown 1000:1000 "$1/run/user/1000"
  in_debian --x11 --user "$1" env DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/run/user/1000 \
    sh -c 'cd ~/tessel && ./scripts/run.sh' >"$log" 2>&1 &
  local pid=$!
  until place=$(shown_start_window_place); do
    if ! kill -0 "$pid" 2>/dev/null || [ $((SECONDS - started)) -gt 2700 ]; then
      end_job "$pid"
      cat "$log"
      fail "run.sh showed no start window"
    fi
    sleep 1
  done
  cat "$log"
  end_job "$pid"
  echo "The start window after $((SECONDS - started)) s, at $place"
  [ "$place" = "$start_window_place" ] || fail "the start window is not at $start_window_place"
  for step in 'install-deps.sh: installing ' 'run.sh: building tessel' 'run.sh: starting tessel'; do
    grep -qF "$step" "$log" || fail "run.sh did not say \"$step...\""
  done
}

"check_$check"
