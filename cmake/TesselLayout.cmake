# tessel_expose(TARGET FOLDER...): TARGET, and whatever links it, include the headers of each
# FOLDER by their path from the top ("runtime/core/form.h") and see nothing else of the tree. So
# the build itself refuses a program file that includes a backend, or a backend that includes
# the program: neither links the other, so neither sees the other's folder. The host tools'
# project of a cross build sets TESSEL_ROOT to the tree's top; otherwise it is this project's.
function(tessel_expose target)
  if(NOT DEFINED TESSEL_ROOT)
    set(TESSEL_ROOT ${CMAKE_SOURCE_DIR})
  endif()
  get_target_property(type ${target} TYPE)
  set(scope PUBLIC)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  endif()
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${TESSEL_ROOT}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()
