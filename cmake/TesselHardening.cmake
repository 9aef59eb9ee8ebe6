# What Debian builds its packages with (dpkg-buildflags with hardening=+all): a strong stack
# protector, checked libc calls, position-independent executables, and relocations made
# read-only once they are bound, all of them at start; and, where the compiler offers it, stack
# clash protection, which newer Debian releases add. For the Linux program: the sanitizers bring
# checks of their own, and neither the Windows program nor WebAssembly has these to offer.
#
# Control-flow protection (-fcf-protection) would be next, but on Debian 12 it cannot take
# effect: the C library's start files carry no CET marks, so the linker leaves them off every
# program, whatever our own objects say.
if(WIN32 OR EMSCRIPTEN OR TESSEL_SANITIZE)
  return()
endif()

include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-fstack-clash-protection TESSEL_HAS_STACK_CLASH_PROTECTION)
if(TESSEL_HAS_STACK_CLASH_PROTECTION)
  add_compile_options(-fstack-clash-protection)
endif()
# Fortify checks need the optimiser to see the sizes they check.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(-Wl,-z,relro -Wl,-z,now)
