#!/bin/sh
# run-under-wine.sh PREFIX PROGRAM [ARGS...]: runs a Windows program under Wine in a quiet
# 32-bit prefix, created on first use with the font replacements our windows ask for.
set -eu
prefix=$(realpath -m "$1")
shift

export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko download prompts: nothing of ours uses .NET or HTML.
export WINEDLLOVERRIDES="mscoree,mshtml="

here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$(dirname "$prefix")"
# Tests run in parallel; only the first one creates the prefix, the others wait for it.
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.tessel-ready" ]; then
  rm -rf "$prefix"
  wineboot -i >/dev/null 2>&1
  (cd "$here" && wine regedit /S font-replacements.reg) >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.tessel-ready"
fi
flock -u 9
exec 9>&-

exec wine "$@"
