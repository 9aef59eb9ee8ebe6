# cmake -D DIST_DIR=... -D PACKAGE_DIR=... -D EXE=... -D OBJCOPY=... -P dist.cmake
# Fills DIST_DIR with the release: the Debian package CPack made in PACKAGE_DIR; Tessel98.exe
# stripped, with its debugging information in Tessel98.exe.debug, named in the program by a
# debug link (file name and CRC) so that gdb finds it; and SHA256SUMS of them all, for
# `sha256sum -c SHA256SUMS`.
foreach(input DIST_DIR PACKAGE_DIR EXE OBJCOPY)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "dist.cmake needs -D ${input}=...")
  endif()
endforeach()

file(MAKE_DIRECTORY ${DIST_DIR})
file(GLOB earlier ${DIST_DIR}/*.deb ${DIST_DIR}/Tessel98.exe ${DIST_DIR}/Tessel98.exe.debug
     ${DIST_DIR}/SHA256SUMS)
if(earlier)
  file(REMOVE ${earlier})
endif()

file(GLOB packages ${PACKAGE_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${PACKAGE_DIR}, found ${count}")
endif()
file(COPY ${packages} DESTINATION ${DIST_DIR})

execute_process(COMMAND ${OBJCOPY} --only-keep-debug ${EXE} Tessel98.exe.debug
                WORKING_DIRECTORY ${DIST_DIR} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OBJCOPY} --strip-all --add-gnu-debuglink=Tessel98.exe.debug
                        ${EXE} Tessel98.exe
                WORKING_DIRECTORY ${DIST_DIR} COMMAND_ERROR_IS_FATAL ANY)

file(GLOB names RELATIVE ${DIST_DIR} ${DIST_DIR}/*.deb ${DIST_DIR}/Tessel98.exe*)
list(SORT names)
set(sums "")
foreach(name IN LISTS names)
  file(SHA256 ${DIST_DIR}/${name} hash)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${DIST_DIR}/SHA256SUMS "${sums}")
message(STATUS "Release in ${DIST_DIR}:\n${sums}")
