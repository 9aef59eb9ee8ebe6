#!/usr/bin/env bash
# Installs what is missing, builds four times (plain, with ASan + UBSan and the fuzz targets,
# Tessel98.exe cross-compiled for Windows, and the page for the browser), checks formatting and
# clang-tidy's findings, and runs every test of all four builds; then makes the release in dist/
# and checks it as a packager and a user would. The last line is CTest's summary of the plain
# build.
set -euo pipefail
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# took WHAT SINCE: a line for CI's log with how long WHAT took, SINCE being $SECONDS before it.
took() {
  echo "test.sh: $1 took $((SECONDS - $2)) s (${SECONDS} s in all)"
}

# timed WHAT COMMAND...: runs COMMAND and says how long it took.
timed() {
  local since=$SECONDS
  "${@:2}"
  took "$1" "$since"
}

build() {
  cmake --preset "$1" >/dev/null
  timed "building $1" cmake --build --preset "$1"
}

# What the two Linux builds need first; the rest (the cross compilers, Wine, Emscripten, the
# browser, the window managers, the packaging tools) installs while they build, its output in a
# file that is shown if it fails.
timed "installing the Linux builds' packages" ./scripts/install-deps.sh linux
rest_log=$(mktemp)
./scripts/install-deps.sh >"$rest_log" 2>&1 &
rest=$!
build sanitize
build default
if ! wait "$rest"; then
  cat "$rest_log"
  echo "test.sh: installing the rest failed" >&2
  exit 1
fi
rm -f "$rest_log"
build win32
build web

# Formatting and clang-tidy over our own files, with the compile databases of the builds. It
# takes some 14 minutes of processor time, while much of the tests' time is spent waiting for
# windows, browsers and Wine: so it runs beside them at the lowest priority, which leaves the
# tests the processor whenever they want it, and is waited for before the last tests.
# It gets a process group of its own (job control), so that a step that fails ends it with all
# its clang-tidy processes; not a session of its own (setsid): the kernel shares the processor
# fairly between sessions first, and its nice value would count only within its own.
analysis_log=$(mktemp)
analysis_start=$SECONDS
set -m
nice -n 19 ./scripts/static-analysis.sh </dev/null >"$analysis_log" 2>&1 &
analysis=$!
set +m
trap 'kill -- -"$analysis" 2>/dev/null || true' EXIT

# The release from the commit checked out: the source tarball, the Debian packages, the Windows
# zip, the release notes and SHA256SUMS.
timed "making the release" cmake --build --preset dist

timed "the sanitized build's tests" ctest --preset sanitize
# Wine draws the Windows program's windows on an X display of their own.
timed "the Windows tests" xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset win32
# The page in headless Chromium and Firefox, served from 127.0.0.1.
timed "the page's tests" ctest --preset web
# The release's checks in fresh Debian systems (the package as a build daemon builds it, and
# run.sh as a newcomer runs it) take 20 to 30 minutes more on two cores, more than CI's run has
# left: the release command runs them, this one only with TESSEL_CHROOT_CHECKS=1.
if [ "${TESSEL_CHROOT_CHECKS:-0}" = 1 ]; then
  timed "the release's checks" ctest --preset dist
else
  timed "the release's checks" ctest --preset dist --label-exclude chroot
fi
analysis_status=0
wait "$analysis" || analysis_status=$?
trap - EXIT
cat "$analysis_log"
rm -f "$analysis_log"
took "static analysis, beside the tests," "$analysis_start"
if [ "$analysis_status" -ne 0 ]; then
  echo "test.sh: static analysis found something (above)" >&2
  exit 1
fi
echo "test.sh: the plain build's tests come last, ${SECONDS} s after the start"
ctest --preset default
