#!/usr/bin/env bash
# make-release.sh SOURCE VERSION WORK DIST: makes the release of the commit checked out in the git
# checkout SOURCE, with WORK for everything on the way, and puts it in DIST:
#   tessel-VERSION.tar.gz             the commit's files, as git archive gives them
#   tessel_VERSION_ARCH.deb           built by dpkg-buildpackage from that tarball, unpacked
#   tessel-dbgsym_VERSION_ARCH.deb    the Linux program's debugging information
#   Tessel98-VERSION.zip              Tessel98.exe, LICENSE.txt and LIESMICH.txt, CRLF line ends
#   Tessel98.exe.debug                the Windows program's debugging information
#   tessel-web-VERSION.zip            the page for the browser, as a static web server serves it
#   release-notes-VERSION.md
#   SHA256SUMS                        of all the files above
# The same commit gives the same bytes in any folder at any time: every time stamp is
# SOURCE_DATE_EPOCH, unless it is set the time of debian/changelog's latest entry, as a Debian
# build daemon takes it, so that it builds the same package from the source package; the
# compilers map the folders away (cmake/TesselReproducible.cmake); the archives' order, owners
# and modes are fixed. The tarball is git archive's, with the commit's time on every entry.
set -euo pipefail
source=$(realpath "$1")
version=$2
work=$(realpath -m "$3")
dist=$(realpath -m "$4")

fail() {
  echo "make-release.sh: $*" >&2
  exit 1
}

commit=$(git -C "$source" rev-parse --verify HEAD)
if [ -n "$(git -C "$source" status --porcelain --untracked-files=no)" ]; then
  echo "make-release.sh: uncommitted changes are not part of the release of $commit" >&2
fi
# Zip stores local times, sort follows the locale, and new files take their modes from the umask.
export TZ=UTC LC_ALL=C.UTF-8
umask 022

name=tessel-$version
tree=$work/$name
stage=$work/stage
arch=$(dpkg-architecture -q DEB_HOST_ARCH)
rm -rf "$work"
mkdir -p "$stage"

make_tarball() {
  git -C "$source" archive --format=tar --prefix="$name/" "$commit" |
    gzip -9n >"$stage/$name.tar.gz"
  tar -xzf "$stage/$name.tar.gz" -C "$work"
  local packaged
  packaged=$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Version)
  [ "$packaged" = "$version" ] ||
    fail "debian/changelog is at version $packaged, the project at $version"
}

# The release's one date, the changelog's, which the AppStream metadata must name as well.
take_release_date() {
  local released metainfo=$tree/packaging/io.github.tessel.Tessel98.metainfo.xml
  released=$(dpkg-parsechangelog -l "$tree/debian/changelog" -S Timestamp)
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$released}
  grep -qF "<release version=\"$version\" date=\"$(date -u -d "@$released" +%Y-%m-%d)\"" \
    "$metainfo" || fail "$(basename "$metainfo") names no release $version of debian/changelog's date"
}

# The package from the unpacked tarball, as a distribution builds it. The tests have run on the
# same sources already; nocheck leaves them out of this build. One job per processor: -J alone
# leaves debhelper to build with one.
make_debian_packages() {
  (cd "$tree" && DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck \
    dpkg-buildpackage -us -uc -Jauto)
  cp "$work/tessel_${version}_$arch.deb" "$work/tessel-dbgsym_${version}_$arch.deb" "$stage/"
}

# Tessel98.exe from the same tarball, in a cross build of its own with the win32 thread model,
# with debugging information, which goes into the file beside it.
make_windows_program() {
  cmake -S "$tree" -B "$work/win32" -G Ninja --toolchain "$tree/cmake/mingw-i686-release.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel "-DCMAKE_CXX_FLAGS_MINSIZEREL=-Os -DNDEBUG -g" \
    -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$work/win32" --target Tessel98
  local built=$work/win32/program/Tessel98.exe objcopy=i686-w64-mingw32-objcopy
  mkdir -p "$work/windows"
  (
    cd "$work/windows"
    "$objcopy" --only-keep-debug "$built" Tessel98.exe.debug
    "$objcopy" --strip-all --add-gnu-debuglink=Tessel98.exe.debug "$built" Tessel98.exe
    # objcopy keeps the program's mode; the debugging information is no program.
    chmod 644 Tessel98.exe.debug
  )
  cp "$work/windows/Tessel98.exe.debug" "$stage/"
}

# with_windows_line_ends FILE: the text with CRLF line ends, as Notepad wants it.
with_windows_line_ends() {
  sed 's/$/\r/' "$1"
}

# The Windows download: what the licence asks to go with every copy, and a read-me. The read-me
# is UTF-8 with a byte order mark, by which Notepad since Windows 2000 knows its umlauts.
make_windows_zip() {
  local zip_dir=$work/zip
  mkdir -p "$zip_dir"
  cp "$work/windows/Tessel98.exe" "$zip_dir/"
  with_windows_line_ends "$tree/LICENSE" >"$zip_dir/LICENSE.txt"
  {
    printf '\xef\xbb\xbf'
    sed "s/@VERSION@/$version/g" "$tree/packaging/LIESMICH.txt" | with_windows_line_ends /dev/stdin
  } >"$zip_dir/LIESMICH.txt"
  chmod 644 "$zip_dir"/*
  touch -d "@$SOURCE_DATE_EPOCH" "$zip_dir"/*
  (cd "$zip_dir" &&
    zip -X -9 -q "$stage/Tessel98-$version.zip" Tessel98.exe LIESMICH.txt LICENSE.txt)
}

# The page for the browser from the same tarball, in a build of its own with Emscripten: the
# folder a static web server serves, in a zip.
make_web_zip() {
  cmake -S "$tree" -B "$work/web" -G Ninja --toolchain "$tree/cmake/emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$work/web" --target tessel_page
  local folder=tessel-web-$version
  rm -rf "${work:?}/$folder"
  cp -r "$work/web/page" "$work/$folder"
  find "$work/$folder" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +
  find "$work/$folder" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
  (cd "$work" && find "$folder" -type f | sort | zip -X -9 -q "$stage/$folder.zip" -@)
}

make_release_notes() {
  sed -e "s/@VERSION@/$version/g" -e "s/@ARCH@/$arch/g" -e "s/@COMMIT@/$commit/g" \
      -e "s/@DATE@/$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%d)/g" \
      "$tree/packaging/release-notes.md" >"$stage/release-notes-$version.md"
}

make_checksums() {
  (cd "$stage" && find . -maxdepth 1 -type f -printf '%f\n' | sort | xargs sha256sum) \
    >"$work/SHA256SUMS"
  mv "$work/SHA256SUMS" "$stage/"
}

# Replaces the release in DIST: the files its SHA256SUMS lists, and no others of DIST.
replace_dist() {
  mkdir -p "$dist"
  if [ -f "$dist/SHA256SUMS" ]; then
    (cd "$dist" && cut -c67- SHA256SUMS | xargs -r rm -f && rm SHA256SUMS)
  fi
  cp -p "$stage"/* "$dist/"
}

make_tarball
take_release_date
make_debian_packages
make_windows_program
make_windows_zip
make_web_zip
make_release_notes
make_checksums
replace_dist
echo "Release of $commit in $dist:"
cat "$dist/SHA256SUMS"
