#!/usr/bin/env bash
# Checks the project's own C++ files: their formatting against .clang-format, and clang-tidy's
# findings against .clang-tidy. Fails on the first kind of finding it meets and prints them all.
#
# Needs the compile databases of the plain build (build/default), of the cross build
# (build/win32) and of the page for the browser (build/web): a file the plain build compiles is
# checked as Linux code, a file only the cross build compiles (the Win32 backend, the
# executable's resources) as 32-bit Windows code, a file only the page's build compiles (the web
# backend and its test surface) as WebAssembly.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')

echo "clang-format: ${#files[@]} files"
clang-format --dry-run -Werror "${files[@]}"

# The translation units of a compile database that are the project's own, one per line.
own_units() {
  python3 - "$1" <<'EOF'
import json, os, sys
root = os.getcwd() + "/"
for entry in json.load(open(sys.argv[1])):
    path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root) and not path.startswith(root + "build/"):
        print(path)
EOF
}

mapfile -t linux_units < <(own_units build/default/compile_commands.json | sort -u)
mapfile -t windows_units < <(comm -13 <(printf '%s\n' "${linux_units[@]}") \
                                      <(own_units build/win32/compile_commands.json | sort -u))
mapfile -t web_units < <(comm -13 <(printf '%s\n' "${linux_units[@]}") \
                                  <(own_units build/web/compile_commands.json | sort -u))

# clang reads the cross compiler's command line but not where its headers are.
cross_include=/usr/lib/gcc/i686-w64-mingw32/12-posix/include
cross_args=(--extra-arg=--target=i686-w64-mingw32
            --extra-arg=-isystem"$cross_include"/c++
            --extra-arg=-isystem"$cross_include"/c++/i686-w64-mingw32
            --extra-arg=-isystem/usr/i686-w64-mingw32/include)
# Nor where Emscripten's are: em++ adds its system root itself.
web_root=/usr/share/emscripten/cache/sysroot
web_args=(--extra-arg=--target=wasm32-unknown-emscripten --extra-arg=--sysroot="$web_root"
          --extra-arg=-D__EMSCRIPTEN__ --extra-arg=-isystem"$web_root"/include/c++/v1
          --extra-arg=-isystem"$web_root"/include/compat --extra-arg=-isystem"$web_root"/include)

jobs=$(nproc)
report=$(mktemp)
trap 'rm -f "$report"' EXIT
echo "clang-tidy: ${#linux_units[@]} Linux, ${#windows_units[@]} Windows and ${#web_units[@]}" \
  "WebAssembly translation units"
status=0
printf '%s\n' "${linux_units[@]}" |
  xargs -P "$jobs" -n 4 clang-tidy -p build/default --quiet >>"$report" 2>/dev/null || status=1
printf '%s\n' "${windows_units[@]}" |
  xargs -P "$jobs" -n 4 clang-tidy -p build/win32 --quiet "${cross_args[@]}" \
    >>"$report" 2>/dev/null || status=1
printf '%s\n' "${web_units[@]}" |
  xargs -P "$jobs" -n 4 clang-tidy -p build/web --quiet "${web_args[@]}" \
    >>"$report" 2>/dev/null || status=1

if [ $status -ne 0 ] || grep -q 'error:\|warning:' "$report"; then
  cat "$report"
  echo "clang-tidy: findings above" >&2
  exit 1
fi
echo "clang-tidy: no findings"
