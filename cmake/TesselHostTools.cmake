# The host half of a cross build: the writer of the windows' descriptions, the writer of what the
# page takes from the runtime and, for Tessel98.exe, the writer of its resources and its checker,
# built once more for the build machine as a project of their own (tools/host), since they run
# there.
include(ExternalProject)
set(TESSEL_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools CACHE INTERNAL "")
set(host_tools ${TESSEL_HOST_TOOLS_DIR}/write_descriptions
               ${TESSEL_HOST_TOOLS_DIR}/write_page_constants)
if(WIN32)
  set(exe_tools ON)
  list(APPEND host_tools ${TESSEL_HOST_TOOLS_DIR}/write_exe_resources
                         ${TESSEL_HOST_TOOLS_DIR}/tessel98_pe_test)
else()
  set(exe_tools OFF)
endif()
ExternalProject_Add(tessel_host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/host
  BINARY_DIR ${TESSEL_HOST_TOOLS_DIR}
  CMAKE_GENERATOR Ninja
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=${BUILD_TESTING}
             -DTESSEL_EXE_TOOLS=${exe_tools}
  # One job: the outer build already keeps the other core busy.
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j1
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${host_tools})
