#!/bin/sh
# write_pe_seeds.sh DIR: writes the PE reader's fuzz seeds, three small 32-bit executables made
# with mingw-w64, to DIR (tests/fuzz/pe_image_corpus): one with a single import, one with two DLLs
# and an icon resource, one with its debugging sections, whose long names sit in the string table.
# The linker's output differs a little between versions, so the committed seeds are not checked
# against a rebuild; rewrite them when the reader learns a part of the format they do not hold.
set -eu
out=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

tail -c +13 "$root/tests/fuzz/picture_value_corpus/start_icon.bin" > icon.ico
echo '1 ICON "icon.ico"' > icon.rc
cat > one_dll.c <<'SOURCE'
__declspec(dllimport) void __stdcall ExitProcess(unsigned);
void __stdcall start(void) { ExitProcess(0); }
SOURCE
cat > two_dlls.c <<'SOURCE'
__declspec(dllimport) void __stdcall ExitProcess(unsigned);
__declspec(dllimport) int __stdcall MessageBeep(unsigned);
void __stdcall start(void) { MessageBeep(0); ExitProcess(0); }
SOURCE

cc="i686-w64-mingw32-gcc -Os -nostdlib -Wl,-e,_start@0 -Wl,--no-insert-timestamp"
i686-w64-mingw32-windres icon.rc -O coff -o icon.o
$cc -s one_dll.c -lkernel32 -o "$out/plain.exe"
$cc -s two_dlls.c icon.o -luser32 -lkernel32 -o "$out/icon_two_dlls.exe"
$cc -g one_dll.c -lkernel32 -o "$out/long_section_names.exe"
chmod -x "$out"/*.exe
